#include "base/TextDecoding.h"

#include <array>
#include <cstdint>

namespace powerball {

namespace {

void appendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// Windows-1252 from 0x80 to 0x9F; the five bytes it leaves undefined keep their own code.
constexpr std::array<char16_t, 32> kCp1252High{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::string fromWindows1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        appendUtf8(out, byte >= 0x80 && byte < 0xA0 ? kCp1252High[byte - 0x80] : byte);
    }
    return out;
}

// Unpaired surrogates become the replacement character.
std::string fromUtf16(std::string_view bytes, bool bigEndian) {
    std::string out;
    const auto unit = [&](std::size_t k) -> char32_t {
        const auto first = static_cast<unsigned char>(bytes[k]);
        const auto second = static_cast<unsigned char>(bytes[k + 1]);
        return bigEndian ? (first << 8 | second) : (second << 8 | first);
    };
    for (std::size_t k = 0; k + 1 < bytes.size(); k += 2) {
        char32_t code = unit(k);
        if (code >= 0xD800 && code < 0xDC00 && k + 3 < bytes.size()) {
            const char32_t low = unit(k + 2);
            if (low >= 0xDC00 && low < 0xE000) {
                code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                k += 2;
            }
        }
        if (code >= 0xD800 && code < 0xE000)
            code = 0xFFFD;
        appendUtf8(out, code);
    }
    return out;
}

} // namespace

bool TextDecoding::isValidUtf8(std::string_view bytes) {
    std::size_t k = 0;
    while (k < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[k]);
        int length = 0;
        char32_t code = 0;
        if (lead < 0x80) {
            ++k;
            continue;
        } else if (lead >= 0xC2 && lead < 0xE0) {
            length = 2;
            code = lead & 0x1F;
        } else if (lead >= 0xE0 && lead < 0xF0) {
            length = 3;
            code = lead & 0x0F;
        } else if (lead >= 0xF0 && lead < 0xF5) {
            length = 4;
            code = lead & 0x07;
        } else {
            return false;
        }
        if (k + static_cast<std::size_t>(length) > bytes.size())
            return false;
        for (int n = 1; n < length; ++n) {
            const auto next = static_cast<unsigned char>(bytes[k + static_cast<std::size_t>(n)]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = code << 6 | (next & 0x3F);
        }
        // Overlong forms, surrogates and codes beyond Unicode are not UTF-8.
        constexpr std::array<char32_t, 5> kSmallest{0, 0, 0x80, 0x800, 0x10000};
        if (code < kSmallest[static_cast<std::size_t>(length)] || code > 0x10FFFF ||
            (code >= 0xD800 && code < 0xE000))
            return false;
        k += static_cast<std::size_t>(length);
    }
    return true;
}

std::string TextDecoding::toUtf8(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    else if (bytes.starts_with("\xFF\xFE"))
        return fromUtf16(bytes.substr(2), false);
    else if (bytes.starts_with("\xFE\xFF"))
        return fromUtf16(bytes.substr(2), true);
    if (isValidUtf8(bytes))
        return std::string(bytes);
    return fromWindows1252(bytes);
}

} // namespace powerball
