#pragma once

#include <string>
#include <string_view>

namespace powerball {

// Text files from anywhere read as UTF-8: a UTF-8 or UTF-16 byte-order mark decides; without
// one, valid UTF-8 stays as it is and anything else is read as Windows-1252, the code page
// of files written on German Windows installations.
class TextDecoding {
public:
    static std::string toUtf8(std::string_view bytes);
    static bool isValidUtf8(std::string_view bytes);
};

} // namespace powerball
