// The number list: whatever a file holds, the boxes it loads save to a file that loads
// back to the same boxes.

#include "FuzzSupport.h"

#include "rules/generator/NumberListFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace powerball;
    const auto file = fuzz::writeScratch("list.vlw", fuzz::bytes(data, size));
    NumberListBoxes loaded;
    NumberListFile::load(file, loaded);
    for (int n = 1; n <= NumberListBoxes::kHighest; ++n)
        FUZZ_CHECK(!loaded.weight(n).empty());

    NumberListBoxes saved = loaded;
    NumberListFile::save(file, saved);
    FUZZ_CHECK(saved == loaded);
    NumberListBoxes reloaded;
    NumberListFile::load(file, reloaded);
    FUZZ_CHECK(reloaded == loaded);
    return 0;
}
