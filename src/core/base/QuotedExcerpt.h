#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace powerball {

// A piece of text from outside the program (a file, a server) as a message may quote it:
// in double quotes, control characters and bytes that are no UTF-8 written as \xNN, and cut
// after kMaxCharacters characters with "…", so neither escape sequences nor a huge field
// ever reach a terminal or a message box.
std::string quotedExcerpt(std::string_view text);

constexpr std::size_t kMaxExcerptCharacters = 80;

} // namespace powerball
