#include "draws/UpdateAnswer.h"

#include "base/QuotedExcerpt.h"
#include "base/TextDecoding.h"
#include "base/TextParsing.h"
#include "draws/DrawValidation.h"

#include <algorithm>
#include <cstdio>

namespace powerball {

namespace {

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

bool isBinaryByte(unsigned char byte) {
    return (byte < 0x20 && byte != '\t' && byte != '\r' && byte != '\n') || byte == 0x7F;
}

} // namespace

std::string decodeAnswerText(std::string_view bytes) {
    std::string raw = TextDecoding::toUtf8(bytes);
    // Control characters (the escape of a terminal sequence among them) are written out.
    std::string text;
    text.reserve(raw.size());
    for (const char c : raw) {
        if (isBinaryByte(static_cast<unsigned char>(c))) {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned char>(c));
            text += escaped;
        } else {
            text += c;
        }
    }
    // The control characters U+0080..U+009F (Windows-1252's unused bytes) show as nothing
    // in a message box; a visible replacement character tells the user something is off.
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t k = 0; k < text.size(); ++k) {
        const auto byte = static_cast<unsigned char>(text[k]);
        if (byte == 0xC2 && k + 1 < text.size() && static_cast<unsigned char>(text[k + 1]) < 0xA0) {
            shown += "\uFFFD";
            ++k;
        } else {
            shown += text[k];
        }
    }
    return shown;
}

namespace {

// The seven numbers of a line in record order, each fitting its byte; nothing for any other
// line.
std::optional<std::array<std::uint8_t, 8>> parseFields(std::string_view line) {
    std::array<std::uint8_t, 8> numbers{};
    std::size_t field = 0;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = line.find(',', start);
        const std::string_view text = trimmed(
            line.substr(start, comma == std::string_view::npos ? line.npos : comma - start), " \t");
        const std::optional<int> value = parseInteger(text);
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

bool repeats(const std::vector<std::array<std::uint8_t, 8>>& draws,
             const std::array<std::uint8_t, 8>& draw) {
    return std::any_of(draws.begin(), draws.end(), [&draw](const auto& earlier) {
        return DrawValidation::sameDraw(earlier, draw);
    });
}

} // namespace

std::optional<std::array<std::uint8_t, 8>> UpdateAnswer::parseLine(std::string_view line) {
    const auto numbers = parseFields(line);
    if (!numbers || DrawValidation::newNumbersProblem(*numbers))
        return std::nullopt;
    return numbers;
}

UpdateAnswer UpdateAnswer::parse(std::string_view body) {
    UpdateAnswer answer;
    const std::vector<std::string_view> lines = splitLines(body);
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const auto draw = parseFields(lines[k]);
        if (!draw) {
            answer.message = messageText(body);
            break;
        }
        if (const auto problem = DrawValidation::newNumbersProblem(*draw)) {
            answer.message = "Line " + std::to_string(k + 1) + " of the update server's answer, " +
                             quotedExcerpt(lines[k]) + ", is not a valid draw: " + *problem;
            break;
        }
        if (repeats(answer.draws, *draw))
            continue;
        if (answer.draws.size() == kMaxDrawsPerDay) {
            answer.draws.clear();
            answer.message = "The update server's answer holds more than " +
                             std::to_string(kMaxDrawsPerDay) +
                             " draws for one day; none of them was stored.";
            break;
        }
        answer.draws.push_back(*draw);
    }
    return answer;
}

std::string UpdateAnswer::messageText(std::string_view body) {
    // A compressed or binary body (NUL bytes, control characters) is no message to show.
    if (std::any_of(body.begin(), body.end(),
                    [](char c) { return isBinaryByte(static_cast<unsigned char>(c)); }))
        return "The update server's answer is not a text answer (" + std::to_string(body.size()) +
               " bytes).";
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
