#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace powerball {

// The update server's answer for one draw day. Each line is one draw of that day:
// seven comma-separated whole numbers w1,w2,w3,w4,w5,pb,pp, spaces around them ignored.
// Any other line (an empty one included) makes the whole answer a message for the user,
// which is how the server says that a draw is not there yet.
struct UpdateAnswer {
    // Draw bytes 8..15 as stored: five white numbers in the server's order, 0, Powerball,
    // Power Play; the lines before the first line that is not a draw.
    std::vector<std::array<std::uint8_t, 8>> draws;
    std::optional<std::string> message; // set when a line is not a draw: the answer as text

    // A draw day has at most this many draws; an answer with more is not believed.
    static constexpr std::size_t kMaxDrawsPerDay = 4;

    // A line that repeats a draw of the same answer is stored once. A line of seven numbers
    // that breaks the rule of every draw, or more than kMaxDrawsPerDay draws, make the
    // answer a message that says so; nothing of an answer with too many draws is kept.
    static UpdateAnswer parse(std::string_view body);

    // One line as a draw: seven numbers that make a valid draw. A number outside 0..255
    // does not fit its byte: such a line is not a draw rather than a draw with mangled
    // numbers.
    static std::optional<std::array<std::uint8_t, 8>> parseLine(std::string_view line);

    // The answer as the user reads it: UTF-8 when it is valid UTF-8, otherwise single-byte
    // Windows text; line breaks at the end dropped; at most kMaxMessageBytes, so that a
    // broken server cannot fill the screen. A body with control characters other than line
    // breaks and tabs (a compressed body, NUL bytes, terminal escapes) is "not a text
    // answer".
    static std::string messageText(std::string_view body);
    static constexpr std::size_t kMaxMessageBytes = 2000;
};

// Single-byte text as the server's answer may come: valid UTF-8 stays as it is; anything
// else is read as Windows-1252 and converted to UTF-8. Control characters other than line
// breaks and tabs are written out as \xNN, so none reaches a terminal.
std::string decodeAnswerText(std::string_view bytes);

} // namespace powerball
