#include "app/evaluation/HistorySearch.h"

#include "rules/evaluation/PrizeTexts.h"

#include "app/evaluation/HitQuestions.h"
#include "draws/DrawText.h"
#include "rules/evaluation/TipMatch.h"
#include "rules/sheet/RowFault.h"

namespace powerball {

namespace {

// Rows 2..12 ask with the texts of the draw analysis, row 1 with its own.
bool askToGoOn(const AppState& state, const Ports& ports, int row, double date) {
    const MessageTable& m = state.messages;
    const std::string day = state.textFormat().date(DrawCalendar::roundToDay(date));
    if (row == 1)
        return ports.userPrompts().askYesNo(m.text(Msg::SearchHitCaption),
                                            m.text(Msg::SearchHitFirstRow) + "  " + day + " . " +
                                                m.text(Msg::SearchGoOn));
    return ports.userPrompts().askYesNo(m.text(Msg::HitFoundCaption),
                                        m.text(Msg::HitFoundAt) + day + m.text(Msg::HitFoundGoOn));
}

void showDraw(AppState& state, const DrawRecord& record) {
    state.currentDraw = {record.date, record.drawNumbers()};
    state.databaseDrawText =
        drawText(state.textFormat(), record.date, state.currentDraw.numbers, DrawTextForm::Search);
    state.showPanelCrossSum(state.messages, state.currentDraw.numbers.crossSum());
    state.showCurrentDrawOnPanel();
}

} // namespace

HistorySearchResult searchTipsInHistory(AppState& state, const Ports& ports) {
    HistorySearchResult result;
    const bool countPowerball = state.settings.countPowerball;
    const std::optional<int> threshold = askHitThreshold(
        ports.userPrompts(), state.messages.text(Msg::SearchThresholdCaption),
        state.messages.text(Msg::SearchThresholdPrompt), countPowerball ? "6" : "5");
    if (!threshold)
        return result;
    result.threshold = *threshold;

    const std::vector<DrawRecord> records = state.drawHistory().readAll();
    result.started = true;
    state.scanFromDate = state.startDate;
    state.chart.startStatistic();

    for (const DrawRecord& record : records) {
        if (record.date < state.scanFromDate || record.date > state.selectedDate)
            continue;
        showDraw(state, record);
        for (int r = 0; r < TipSheet::kRowCount; ++r) {
            TipRow& row = state.tips.row(r);
            if (rowFault(row))
                continue; // no tip: the check has marked it
            const MatchClass match = matchTip(state.currentDraw.numbers, row.fields);
            const int testValue = match.hits + (countPowerball && match.pbHit ? 1 : 0);
            row.hitText = std::to_string(match.hits) + (match.pbHit ? " + PB" : "");
            row.hitHint = PrizeTexts::rowHint(
                state.messages,
                PrizeTiers::prizeOf(match, record.date, state.currentDraw.numbers.powerPlay()));
            row.hitColor = testValue > 2 || match.pbHit ? HitColor::Red : HitColor::Black;
            if (testValue >= result.threshold) {
                result.hits.push_back({record.date, r + 1, match.hits, match.pbHit});
                state.changed();
                if (!askToGoOn(state, ports, r + 1, record.date))
                    return result;
            }
        }
    }
    result.reachedEnd = true;
    for (int x = 0; x < TipSheet::kRowCount; ++x)
        state.chart.addBar(x, 0);
    state.changed();
    return result;
}

} // namespace powerball
