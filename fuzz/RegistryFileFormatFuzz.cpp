// The settings file: whatever reads without an error writes out as a text that reads back
// to the same keys and values, and writes out again byte for byte the same.

#include "FuzzSupport.h"

#include "platform/registry/RegistryFileFormat.h"

namespace {

using powerball::MemoryRegistryStore;

bool sameContent(const MemoryRegistryStore& a, const MemoryRegistryStore& b) {
    if (a.keys().size() != b.keys().size())
        return false;
    for (std::size_t k = 0; k < a.keys().size(); ++k) {
        const auto& x = a.keys()[k];
        const auto& y = b.keys()[k];
        if (x.path != y.path || x.values.size() != y.values.size())
            return false;
        for (std::size_t v = 0; v < x.values.size(); ++v)
            if (x.values[v].name != y.values[v].name || !(x.values[v].value == y.values[v].value))
                return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace powerball;
    MemoryRegistryStore store;
    try {
        store = RegistryFileFormat::parse(fuzz::bytes(data, size));
    } catch (const RegistryFormatError&) {
        return 0;
    }
    const std::string written = RegistryFileFormat::format(store);
    MemoryRegistryStore reread;
    try {
        reread = RegistryFileFormat::parse(written);
    } catch (const RegistryFormatError&) {
        FUZZ_CHECK(false);
    }
    FUZZ_CHECK(sameContent(store, reread));
    FUZZ_CHECK(RegistryFileFormat::format(reread) == written);
    return 0;
}
