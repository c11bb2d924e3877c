#include "rules/sheet/RowFault.h"

#include "base/TextParsing.h"

namespace powerball {

namespace {

int highestOf(int field) {
    return field < TipRow::kWhiteCount ? 69 : 26;
}

} // namespace

std::optional<RowFault> rowFault(const TipRow& row) {
    std::array<std::optional<int>, TipRow::kWhiteCount> white{};
    for (int f = 0; f <= TipRow::kPowerballField; ++f) {
        const std::string& text = row.fields[static_cast<std::size_t>(f)];
        if (trimmed(text).empty())
            continue;
        const std::optional<int> value = parseInteger(trimmed(text));
        if (!value)
            return RowFault{RowFault::Kind::Unreadable, f, -1, text};
        if (*value < 1 || *value > highestOf(f))
            return RowFault{RowFault::Kind::OutOfRange, f, -1, text};
        if (f == TipRow::kPowerballField)
            continue;
        for (int earlier = 0; earlier < f; ++earlier)
            if (white[static_cast<std::size_t>(earlier)] == value)
                return RowFault{RowFault::Kind::Repeated, f, earlier, text};
        white[static_cast<std::size_t>(f)] = value;
    }
    return std::nullopt;
}

std::optional<SheetFault> sheetFault(const TipSheet& sheet) {
    for (int r = 0; r < TipSheet::kRowCount; ++r)
        if (const auto fault = rowFault(sheet.row(r)))
            return SheetFault{r, *fault};
    return std::nullopt;
}

std::string rowFaultShortText(const MessageTable& messages, const RowFault& fault) {
    return messages.text(fault.kind == RowFault::Kind::Repeated ? Msg::RowFaultRepeatedShort
                                                                : Msg::RowFaultInvalidShort);
}

std::string rowFaultReason(const MessageTable& messages, const RowFault& fault) {
    const std::string shown(trimmed(fault.text));
    if (fault.kind == RowFault::Kind::Repeated)
        return fillPlaceholders(messages.text(Msg::RepeatedNumber), {shown});
    return fillPlaceholders(messages.text(Msg::NumberOutOfRange),
                            {shown, "1", std::to_string(highestOf(fault.field))});
}

std::string sheetFaultMessage(const MessageTable& messages, const SheetFault& fault) {
    return fillPlaceholders(messages.text(Msg::RowFaultRefused),
                            {std::to_string(fault.row + 1), rowFaultReason(messages, fault.fault)});
}

} // namespace powerball
