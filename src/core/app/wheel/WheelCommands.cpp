#include "app/wheel/WheelCommands.h"

#include "app/evaluation/TipCheck.h"
#include "base/AtomicFile.h"
#include "base/DrawCalendar.h"
#include "base/GameRules.h"
#include "base/MessageTable.h"
#include "rules/output/TipFile.h"
#include "rules/output/TipListing.h"
#include "rules/wheel/WheelTexts.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <system_error>

namespace powerball {

namespace {

// The runs of digits of the text; an overlong run stays text, so that it is named as typed.
std::vector<std::string> numberWords(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    for (const char c : text) {
        if (std::isdigit(static_cast<unsigned char>(c)) != 0) {
            word += c;
        } else if (!word.empty()) {
            words.push_back(word);
            word.clear();
        }
    }
    if (!word.empty())
        words.push_back(word);
    return words;
}

// The numbers of the text within 1..highest, ascending, each once.
WheelInput readNumbers(const MessageTable& messages, std::string_view text, int highest) {
    WheelInput input;
    for (const std::string& word : numberWords(text)) {
        const int value = word.size() > 3 ? 0 : std::stoi(word);
        if (value < 1 || value > highest) {
            input.problem = fillPlaceholders(messages.text(Msg::NumberOutOfRange),
                                             {word, "1", std::to_string(highest)});
            return input;
        }
        if (std::find(input.numbers.begin(), input.numbers.end(), value) != input.numbers.end()) {
            input.problem =
                fillPlaceholders(messages.text(Msg::WheelNumberTwice), {std::to_string(value)});
            return input;
        }
        input.numbers.push_back(value);
    }
    std::sort(input.numbers.begin(), input.numbers.end());
    return input;
}

bool taken(const std::filesystem::path& file) {
    std::error_code error;
    return std::filesystem::symlink_status(file, error).type() !=
           std::filesystem::file_type::not_found;
}

std::string twoColumns(int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%2d", value);
    return buffer;
}

} // namespace

WheelInput readWheelNumbers(const MessageTable& messages, std::string_view text) {
    WheelInput input = readNumbers(messages, text, kHighestWhite);
    const auto count = static_cast<int>(input.numbers.size());
    if (input.problem.empty() && (count < kFewestWheelNumbers || count > kMostWheelNumbers))
        input.problem =
            fillPlaceholders(messages.text(Msg::WheelNumberCount), {std::to_string(count)});
    return input;
}

WheelInput readWheelPowerballs(const MessageTable& messages, std::string_view text) {
    return readNumbers(messages, text, kHighestPowerball);
}

std::vector<int> tickedNumbers(const NumberListBoxes& boxes) {
    std::vector<int> numbers;
    for (int n = 1; n <= NumberListBoxes::kHighest; ++n)
        if (boxes.isTicked(n))
            numbers.push_back(n);
    return numbers;
}

std::string numbersText(const std::vector<int>& numbers) {
    std::string text;
    for (const int n : numbers)
        text += (text.empty() ? "" : ", ") + std::to_string(n);
    return text;
}

WheelPlay makeWheelPlay(WheelSearchResult result, const std::vector<int>& chosenPowerballs) {
    WheelPlay play{std::move(result), {}};
    play.powerballs = wheelPowerballs(play.rows(), chosenPowerballs);
    return play;
}

std::size_t placeWheelRows(AppState& state, const Ports& ports, const WheelPlay& play,
                           std::size_t first) {
    const std::vector<TipSheet> pages = wheelSheets(play.wheel(), play.powerballs);
    TipSheet& sheet = state.tips;
    sheet.clearUnlocked();
    std::size_t next = std::min(first, play.rows());
    for (int r = 0; r < TipSheet::kRowCount && next < play.rows(); ++r) {
        if (sheet.row(r).locked)
            continue;
        const TipSheet& page = pages[next / TipSheet::kRowCount];
        sheet.setLine(r, page.line(static_cast<int>(next % TipSheet::kRowCount)));
        ++next;
    }
    evaluateSelectedDate(state, ports);
    if (next > first)
        state.status[1] = fillPlaceholders(
            state.messages.text(Msg::WheelPlaced),
            {std::to_string(first + 1), std::to_string(next), std::to_string(play.rows())});
    return next;
}

std::vector<std::filesystem::path> writeWheelTipFiles(const std::filesystem::path& folder,
                                                      const WheelPlay& play, double today) {
    const std::vector<TipSheet> sheets = wheelSheets(play.wheel(), play.powerballs);
    std::vector<std::filesystem::path> written;
    std::size_t number = 1;
    try {
        for (const TipSheet& sheet : sheets) {
            std::filesystem::path file;
            do
                file = folder / wheelTipFileName(today, number++);
            while (taken(file));
            saveFileAtomically(file, TipFile::text(sheet));
            written.push_back(file);
        }
    } catch (...) {
        // All of them were new: taking them away again leaves the folder as it was.
        for (const std::filesystem::path& file : written) {
            std::error_code ignored;
            std::filesystem::remove(file, ignored);
        }
        throw;
    }
    return written;
}

std::vector<std::filesystem::path> saveWheelTipFiles(AppState& state, const Ports& ports,
                                                     const WheelPlay& play) {
    const std::vector<std::filesystem::path> files =
        writeWheelTipFiles(state.programFolder, play, ports.systemClock().today());
    std::string names;
    for (const std::filesystem::path& file : files)
        names += (names.empty() ? "" : ", ") + file.filename().string();
    state.status[1] = fillPlaceholders(state.messages.text(Msg::WheelSaved),
                                       {std::to_string(files.size()), names});
    state.changed();
    return files;
}

std::optional<WheelCheck> checkWheelAgainstDraw(const CurrentDraw& draw, const WheelPlay& play) {
    if (draw.date < DrawCalendar::kMinimumDate || draw.numbers.white(1) == 0)
        return std::nullopt;
    return checkWheel(play.wheel(), play.powerballs, draw.numbers, draw.date);
}

std::string wheelListing(const AppState& state, const WheelPlay& play) {
    constexpr const char* kLineEnd = "\r\n";
    const MessageTable& m = state.messages;
    std::string listing =
        fillPlaceholders(m.text(Msg::WheelPrintTitle), {std::to_string(play.rows())}) +
        DrawCalendar::shortDate(TipListing::titleDay(state.currentDraw.date)) + kLineEnd;
    listing += std::string(46, '~') + kLineEnd;
    listing += WheelTexts::proven(m, play.wheel()) + kLineEnd;
    listing += WheelTexts::cost(m, play.rows()) + kLineEnd + kLineEnd;
    const std::size_t width = std::to_string(play.rows()).size();
    for (std::size_t r = 0; r < play.rows(); ++r) {
        const std::string number = std::to_string(r + 1) + ".";
        std::string line = std::string(width + 2 - number.size(), ' ') + number + "  ";
        for (std::size_t f = 0; f < play.wheel().rows[r].size(); ++f)
            line += (f > 0 ? "   " : "") + twoColumns(play.wheel().rows[r][f]);
        if (play.powerballs[r] > 0)
            line += "   PowerBall: " + twoColumns(play.powerballs[r]);
        listing += line + kLineEnd;
    }
    return listing;
}

} // namespace powerball
