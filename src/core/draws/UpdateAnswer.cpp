#include "draws/UpdateAnswer.h"

#include "app/TipSheet.h"

namespace powerball {

namespace {

std::string_view trimmedSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool isValidUtf8(std::string_view text) {
    std::size_t k = 0;
    while (k < text.size()) {
        const auto lead = static_cast<unsigned char>(text[k]);
        std::size_t length = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (lead < 0x80)
            length = 1;
        else if (lead >= 0xC2 && lead <= 0xDF)
            length = 2;
        else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else
            return false;
        if (k + length > text.size())
            return false;
        for (std::size_t c = 1; c < length; ++c) {
            const auto byte = static_cast<unsigned char>(text[k + c]);
            const unsigned char from = c == 1 ? low : 0x80;
            const unsigned char to = c == 1 ? high : 0xBF;
            if (byte < from || byte > to)
                return false;
        }
        k += length;
    }
    return true;
}

void appendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// Windows-1252 at 0x80..0x9F; the five unassigned bytes become the replacement character.
constexpr char32_t kWindows1252High[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

} // namespace

std::string decodeAnswerText(std::string_view bytes) {
    if (isValidUtf8(bytes))
        return std::string(bytes);
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        appendUtf8(out, byte >= 0x80 && byte < 0xA0 ? kWindows1252High[byte - 0x80] : byte);
    }
    return out;
}

std::vector<std::string_view> UpdateAnswer::splitLines(std::string_view body) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < body.size()) {
        const std::size_t end = body.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back(body.substr(start));
            break;
        }
        lines.push_back(body.substr(start, end - start));
        start = end + (body[end] == '\r' && end + 1 < body.size() && body[end + 1] == '\n' ? 2 : 1);
    }
    return lines;
}

std::optional<std::array<std::uint8_t, 8>> UpdateAnswer::parseLine(std::string_view line) {
    std::array<std::uint8_t, 8> numbers{};
    std::size_t field = 0;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = line.find(',', start);
        const std::string_view text = trimmedSpaces(
            line.substr(start, comma == std::string_view::npos ? line.npos : comma - start));
        const std::optional<int> value = TipSheet::parseInteger(text);
        if (field == 7 || !value || *value < 0 || *value > 255)
            return std::nullopt;
        // Fields 1..5 fill the white slots, 6 the Powerball and 7 the Power Play; the
        // sixth slot in between stays 0.
        numbers[field < 5 ? field : field + 1] = static_cast<std::uint8_t>(*value);
        ++field;
        if (comma == std::string_view::npos)
            break;
        start = comma + 1;
    }
    if (field != 7)
        return std::nullopt;
    return numbers;
}

UpdateAnswer UpdateAnswer::parse(std::string_view body) {
    UpdateAnswer answer;
    for (const std::string_view line : splitLines(body)) {
        const auto draw = parseLine(line);
        if (!draw) {
            answer.message = messageText(body);
            break;
        }
        answer.draws.push_back(*draw);
    }
    return answer;
}

std::string UpdateAnswer::messageText(std::string_view body) {
    std::string text = decodeAnswerText(body);
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n'))
        text.pop_back();
    if (text.size() <= kMaxMessageBytes)
        return text;
    std::size_t cut = kMaxMessageBytes;
    while (cut > 0 && isContinuation(static_cast<unsigned char>(text[cut])))
        --cut;
    text.resize(cut);
    return text + " …";
}

} // namespace powerball
