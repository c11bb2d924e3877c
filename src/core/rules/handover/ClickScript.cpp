#include "rules/handover/ClickScript.h"

#include "rules/output/TipFile.h"

#include <optional>

namespace powerball::ClickScript {

namespace {

constexpr std::string_view kYes = "JA";
constexpr std::string_view kNo = "NEIN";

std::string_view yesNo(bool on) {
    return on ? kYes : kNo;
}

// The decimal number at the start of `text`, written without leading zeros as the
// placeholders are; its length goes to `length`.
std::optional<int> leadingNumber(std::string_view text, std::size_t& length) {
    length = 0;
    int value = 0;
    while (length < text.size() && text[length] >= '0' && text[length] <= '9' && length < 4) {
        value = value * 10 + (text[length] - '0');
        ++length;
    }
    if (length == 0 || (text[0] == '0'))
        return std::nullopt;
    return value;
}

struct Filler {
    const std::vector<std::string_view>& lines;
    const ClickScriptFlags& flags;
    std::string_view handOverPath;

    // The value of a row placeholder: `field` 0..6 of line `line` (1-based).
    std::optional<std::string_view> rowValue(int field, int line) const {
        if (line < 1)
            return std::nullopt;
        const std::size_t index = static_cast<std::size_t>(line - 1);
        if (index < lines.size())
            return lineValues(lines[index])[static_cast<std::size_t>(field)];
        if (line <= kLineCount)
            return std::string_view{};
        return std::nullopt;
    }

    // The replacement of a placeholder "[name]", or nothing when `name` is none.
    std::optional<std::string_view> replacement(std::string_view name) const {
        if (name == "DAUER")
            return yesNo(flags.preferPairs);
        if (name == "FR")
            return yesNo(flags.limitMaxOverlap);
        if (name == "DI")
            return yesNo(flags.preferFrequent);
        if (name == "DIFR")
            return yesNo(flags.preferFrequent && flags.limitMaxOverlap);
        if (name == "MELDUNGFERTIG")
            return std::string_view("Ready to Play");
        if (name == "TIPPDATEI")
            return handOverPath;
        // Zk_n, S1_n, S2_n
        if (name.size() < 4 || name[2] != '_')
            return std::nullopt;
        int field = -1;
        if (name[0] == 'Z' && name[1] >= '1' && name[1] <= '5')
            field = name[1] - '1';
        else if (name[0] == 'S' && (name[1] == '1' || name[1] == '2'))
            field = name[1] == '1' ? 5 : 6;
        if (field < 0)
            return std::nullopt;
        std::size_t length = 0;
        const std::optional<int> line = leadingNumber(name.substr(3), length);
        if (!line || 3 + length != name.size())
            return std::nullopt;
        return rowValue(field, *line);
    }
};

} // namespace

std::vector<std::string_view> lineValues(std::string_view line) {
    const TipFile::SplitLine split = TipFile::split(line);
    std::vector<std::string_view> values(split.visible.begin(), split.visible.end());
    values.push_back(split.rest.substr(0, split.rest.find(',')));
    return values;
}

std::string fill(std::string_view script, const std::vector<std::string_view>& handOverLines,
                 const ClickScriptFlags& flags, std::string_view handOverPath) {
    const Filler filler{handOverLines, flags, handOverPath};
    std::string filled;
    filled.reserve(script.size());
    std::size_t at = 0;
    while (at < script.size()) {
        const std::size_t open = script.find('[', at);
        if (open == std::string_view::npos)
            break;
        filled.append(script.substr(at, open - at));
        // The longest placeholder name is "MELDUNGFERTIG"; a "[" further from its "]" opens none.
        const std::size_t close = script.substr(open + 1, 16).find(']');
        const std::optional<std::string_view> value =
            close == std::string_view::npos ? std::nullopt
                                            : filler.replacement(script.substr(open + 1, close));
        if (value) {
            filled.append(*value);
            at = open + close + 2;
        } else {
            filled += '[';
            at = open + 1;
        }
    }
    if (at < script.size())
        filled.append(script.substr(at));
    return filled;
}

std::vector<std::string> toolArguments(const std::filesystem::path& filledCopy,
                                       const ClickScriptChoice& choice) {
    return {"START", filledCopy.string(), choice.zahl1, choice.text1, choice.zahl2, choice.text2};
}

} // namespace powerball::ClickScript
