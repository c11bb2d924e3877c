#include "rules/evaluation/SheetCheck.h"

#include "base/TextParsing.h"
#include "rules/evaluation/PrizeTexts.h"
#include "rules/evaluation/TipMatch.h"
#include "rules/sheet/RowFault.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

namespace powerball {

namespace {

void markRowFailed(TipRow& row) {
    row.hitText.clear();
    row.hitHint.clear();
    row.colors = {};
    row.faulty = {};
}

// A row that is no tip is left out of the check; its hit column says why.
void markRowFaulty(TipRow& row, const RowFault& fault, const MessageTable& messages) {
    markRowFailed(row);
    row.faulty[static_cast<std::size_t>(fault.field)] = true;
    if (fault.firstField >= 0)
        row.faulty[static_cast<std::size_t>(fault.firstField)] = true;
    row.hitText = rowFaultShortText(messages, fault);
    row.hitHint = rowFaultReason(messages, fault);
    row.hitColor = HitColor::Red;
}

struct Shown {
    const DrawNumbers& numbers;
    double date;
    const MessageTable& messages;
};

// Whether the row was notable.
bool checkRow(TipSheet& tips, MatchHistogram& histogram, const Shown& draw, int rowIndex,
              SheetPrizes& prizes) {
    TipRow& row = tips.row(rowIndex);
    if (const auto fault = rowFault(row)) {
        markRowFaulty(row, *fault, draw.messages);
        return false;
    }
    row.faulty = {};
    std::array<std::uint8_t, 5> values{};
    int sum = 0;
    for (std::size_t k = 0; k < 5; ++k) {
        const auto value = parseInteger(row.fields[k]);
        if (!value) {
            markRowFailed(row);
            return false;
        }
        values[k] = static_cast<std::uint8_t>(*value);
        sum += values[k];
    }
    row.crossSumText = std::to_string(sum);

    std::sort(values.begin(), values.begin() + 5);
    for (std::size_t k = 0; k < 5; ++k)
        tips.setField(rowIndex, static_cast<int>(k), std::to_string(values[k]));

    const MatchClass match = matchTip(draw.numbers, row.fields);
    for (std::size_t k = 0; k < 5; ++k)
        row.colors[k] = match.positionHit[k] ? FieldColor::Lime : FieldColor::Window;
    row.hitText = std::to_string(match.hits);
    histogram.add(match);
    const bool notable = match.hits > 2 || match.pbHit;
    row.hitColor = notable ? HitColor::Red : HitColor::Black;
    if (match.pbHit)
        row.hitText += " + PB";
    row.colors[TipRow::kPowerballField] = match.pbHit ? FieldColor::Red : FieldColor::Window;
    const RowPrize prize = PrizeTiers::prizeOf(match, draw.date, draw.numbers.powerPlay());
    row.hitHint = PrizeTexts::rowHint(draw.messages, prize);
    prizes.add(rowIndex, prize);
    return notable;
}

} // namespace

SheetCheckResult checkTipRows(TipSheet& tips, MatchHistogram& histogram, const DrawNumbers& draw,
                              double drawDate, const MessageTable& messages) {
    SheetCheckResult result;
    const Shown shown{draw, drawDate, messages};
    for (int r = 0; r < TipSheet::kRowCount; ++r)
        if (checkRow(tips, histogram, shown, r, result.prizes))
            ++result.notable;
    return result;
}

} // namespace powerball
