#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace powerball {

// A decimal 32-bit integer with an optional sign and nothing else: how the program reads a
// number from a tip field, a file or a command line.
std::optional<int> parseInteger(std::string_view text);

// The text without the given characters at either end; by default any white space.
std::string_view trimmed(std::string_view text, std::string_view blanks = " \t\r\n\v\f");

// The lines of a text that end at CR, LF or CR LF; a last line without an end counts too, an
// empty text has none.
std::vector<std::string_view> splitLines(std::string_view text);

// The parts of a text between the separators, empty parts included ("a,,b" has three).
std::vector<std::string_view> splitFields(std::string_view text, char separator);

} // namespace powerball
