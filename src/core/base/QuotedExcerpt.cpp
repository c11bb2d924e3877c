#include "base/QuotedExcerpt.h"

#include <cstdio>

namespace powerball {

namespace {

std::string escaped(unsigned char byte) {
    char text[5];
    std::snprintf(text, sizeof text, "\\x%02X", byte);
    return text;
}

// The length of the valid UTF-8 character at the start of `text`, 0 when there is none.
std::size_t utf8Length(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    const std::size_t length = lead < 0x80                   ? 1
                               : lead >= 0xC2 && lead < 0xE0 ? 2
                               : lead >= 0xE0 && lead < 0xF0 ? 3
                               : lead >= 0xF0 && lead < 0xF5 ? 4
                                                             : 0;
    if (length == 0 || length > text.size())
        return 0;
    for (std::size_t k = 1; k < length; ++k)
        if ((static_cast<unsigned char>(text[k]) & 0xC0) != 0x80)
            return 0;
    return length;
}

bool isControl(std::string_view character) {
    const auto lead = static_cast<unsigned char>(character[0]);
    if (character.size() == 1)
        return lead < 0x20 || lead == 0x7F;
    // U+0080..U+009F, the C1 controls (CSI among them)
    return character.size() == 2 && lead == 0xC2 && static_cast<unsigned char>(character[1]) < 0xA0;
}

} // namespace

std::string quotedExcerpt(std::string_view text) {
    std::string result = "\"";
    std::size_t characters = 0;
    std::size_t at = 0;
    while (at < text.size()) {
        if (characters == kMaxExcerptCharacters)
            return result + "…\"";
        const std::size_t length = utf8Length(text.substr(at));
        const std::string_view character = text.substr(at, length == 0 ? 1 : length);
        if (length == 0 || isControl(character)) {
            for (const char byte : character)
                result += escaped(static_cast<unsigned char>(byte));
        } else {
            result += character;
        }
        at += character.size();
        ++characters;
    }
    return result + "\"";
}

} // namespace powerball
