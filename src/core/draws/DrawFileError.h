#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>

namespace powerball {

// A failed operation on a file of the program: the message names the file and what was
// being done with it, followed by the system's reason.
class DrawFileError : public std::runtime_error {
public:
    DrawFileError(const std::filesystem::path& file, const std::string& operation,
                  const std::string& reason);

    const std::filesystem::path& file() const { return m_file; }

    // Builds the error from errno as the failed call left it.
    static DrawFileError fromErrno(const std::filesystem::path& file, const std::string& operation);

private:
    std::filesystem::path m_file;
};

} // namespace powerball
