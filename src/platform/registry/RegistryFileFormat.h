#pragma once

#include "ports/MemoryRegistryStore.h"

#include <stdexcept>
#include <string>
#include <string_view>

namespace powerball {

// A registry file that cannot be read as one, with the line where reading stopped.
class RegistryFormatError : public std::runtime_error {
public:
    RegistryFormatError(int line, const std::string& reason);
    int line() const { return m_line; }

private:
    int m_line;
};

// The text form of registry keys that regedit exports and imports:
//
//   REGEDIT4
//
//   [HKEY_CURRENT_USER\SOFTWARE\Velmar\PowerBall]
//   "Chekcbox1"=dword:00000001
//   "ProxyHostEdit"="proxy.example"
//   "DateTimePicker2"=hex:00,00,00,00,c0,a5,e4,40
//
// Strings escape backslash and double quote with a backslash. Values of other types are
// written as hex(type):bytes and come back unchanged, and so do strings that a quoted
// string cannot carry (line breaks, invalid UTF-8). The file is written as UTF-8.
class RegistryFileFormat {
public:
    static constexpr std::string_view kHeader = "REGEDIT4";

    // Reads the keys of a file in any of the encodings regedit and editors produce; an
    // empty file holds no keys. Throws RegistryFormatError.
    static MemoryRegistryStore parse(std::string_view bytes);
    static std::string format(const MemoryRegistryStore& content);
};

} // namespace powerball
