#pragma once

#include <cstddef>
#include <filesystem>
#include <stdexcept>
#include <string>

namespace powerball {

// A file the program reads whole (a tip file, a click script) that could not be read; the
// message names the file and the system's reason.
class FileReadError : public std::runtime_error {
public:
    FileReadError(const std::filesystem::path& file, const std::string& reason);
    std::filesystem::path file;
};

// The file's bytes, at most the first `maxBytes` of them.
std::string readFileBytes(const std::filesystem::path& file, std::size_t maxBytes);

} // namespace powerball
