#include "rules/sheet/TipSheet.h"

#include <charconv>

namespace powerball {

namespace {

// Component numbers of each row: first white field, Powerball field, hidden field and the
// three labels, as the window names its controls.
struct RowNames {
    int firstWhite, powerball, hidden, caption, hits, crossSum;
};
constexpr std::array<RowNames, TipSheet::kRowCount> kRowNames{{
    {1, 6, 93, 28, 22, 36},
    {7, 12, 94, 30, 23, 37},
    {13, 18, 95, 31, 24, 38},
    {19, 24, 96, 32, 25, 39},
    {25, 30, 97, 33, 26, 40},
    {31, 36, 98, 34, 27, 41},
    {43, 48, 99, 46, 45, 49},
    {49, 54, 100, 48, 47, 50},
    {56, 61, 101, 62, 65, 67},
    {62, 67, 102, 61, 66, 68},
    {68, 73, 103, 63, 69, 71},
    {74, 79, 104, 64, 70, 72},
}};

const RowNames& names(int rowIndex) {
    return kRowNames[static_cast<std::size_t>(rowIndex)];
}

} // namespace

std::string TipSheet::validated(int field, std::string_view text) {
    const std::optional<int> value = parseInteger(text);
    if (!value)
        return {};
    const int highest = field < TipRow::kWhiteCount ? 69 : 26;
    if (*value < 1 || *value > highest)
        return {};
    return std::to_string(*value);
}

const std::string& TipSheet::setField(int rowIndex, int field, std::string_view text) {
    std::string& target = row(rowIndex).fields[static_cast<std::size_t>(field)];
    if (field == TipRow::kHiddenField) {
        target = validated(field, text);
        return target;
    }
    if (const std::optional<int> value = parseInteger(trimmed(text))) {
        target = std::to_string(*value);
        return target;
    }
    target.clear();
    for (const char c : trimmed(text))
        if (c != ',' && c != '\r' && c != '\n')
            target += c;
    return target;
}

void TipSheet::toggleLock(int rowIndex) {
    row(rowIndex).locked = !row(rowIndex).locked;
}

void TipSheet::clearUnlocked() {
    for (TipRow& tip : m_rows) {
        if (tip.locked)
            continue;
        tip.fields = {};
        tip.colors = {};
        tip.faulty = {};
        tip.hitText.clear();
        tip.hitHint.clear();
        tip.crossSumText.clear();
    }
}

std::string TipSheet::line(int rowIndex) const {
    std::string text;
    for (int k = 0; k < TipRow::kFieldCount; ++k) {
        if (k > 0)
            text += ',';
        text += field(rowIndex, k);
    }
    return text;
}

void TipSheet::setLine(int rowIndex, std::string_view text) {
    for (int k = 0; k < TipRow::kFieldCount; ++k) {
        const std::size_t comma = text.find(',');
        const std::string_view part = text.substr(0, comma);
        setField(rowIndex, k, part);
        text = comma == std::string_view::npos ? std::string_view{} : text.substr(comma + 1);
    }
}

std::string TipSheet::fieldName(int rowIndex, int field) {
    const RowNames& n = names(rowIndex);
    if (field < TipRow::kWhiteCount)
        return "Edit" + std::to_string(n.firstWhite + field);
    if (field == TipRow::kPowerballField)
        return "Edit" + std::to_string(n.powerball);
    return "Edit" + std::to_string(n.hidden);
}

std::string TipSheet::captionName(int rowIndex) {
    return "Label" + std::to_string(names(rowIndex).caption);
}

std::string TipSheet::hitsLabelName(int rowIndex) {
    return "Label" + std::to_string(names(rowIndex).hits);
}

std::string TipSheet::crossSumLabelName(int rowIndex) {
    return "Label" + std::to_string(names(rowIndex).crossSum);
}

std::string TipSheet::caption(int rowIndex) {
    return std::to_string(rowIndex + 1) + ". Tipp";
}

} // namespace powerball
