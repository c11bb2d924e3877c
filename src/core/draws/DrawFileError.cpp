#include "draws/DrawFileError.h"

#include <cerrno>
#include <cstring>

namespace powerball {

DrawFileError::DrawFileError(const std::filesystem::path& file, const std::string& operation,
                             const std::string& reason)
    : std::runtime_error("Cannot " + operation + " \"" + file.string() + "\": " + reason),
      m_file(file) {}

DrawFileError DrawFileError::fromErrno(const std::filesystem::path& file,
                                       const std::string& operation) {
    const int code = errno;
    return DrawFileError(file, operation, code ? std::strerror(code) : "unknown error");
}

} // namespace powerball
