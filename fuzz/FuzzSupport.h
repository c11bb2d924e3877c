#pragma once

// What every harness shares: the libFuzzer entry point, a property check that stops the run
// with a crash input, and a scratch file for the parsers that read from a path.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

// A broken property must stop the run as a crash does, so libFuzzer keeps the input.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition))                                                                          \
            __builtin_trap();                                                                      \
    } while (false)

namespace fuzz {

inline std::string_view bytes(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// A folder of this process alone, made once and removed at a normal exit: parallel runs
// never share a scratch file. libFuzzer ends without running exit handlers, so scripts/fuzz
// points TMPDIR into its build folder.
class ScratchFolder {
public:
    ScratchFolder()
        : m_path(std::filesystem::temp_directory_path() /
                 ("powerball-fuzz-" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(m_path);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

inline const std::filesystem::path& scratchFolder() {
    static const ScratchFolder folder;
    return folder.path();
}

inline std::filesystem::path writeScratch(const std::string& name, std::string_view content) {
    const auto path = scratchFolder() / name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    return path;
}

} // namespace fuzz
