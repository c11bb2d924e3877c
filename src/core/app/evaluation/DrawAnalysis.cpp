#include "app/evaluation/DrawAnalysis.h"

#include "app/draws/DrawBrowser.h"
#include "app/evaluation/AnalysisReport.h"
#include "app/evaluation/HitQuestions.h"
#include "app/evaluation/TipCheck.h"
#include "base/NumberMask.h"
#include "base/TextParsing.h"
#include "rules/evaluation/ChanceBaseline.h"
#include "rules/evaluation/TipMatch.h"

#include <algorithm>

namespace powerball {

namespace {

// A draw's white numbers as a mask, so that a comparison with row 1 is one popcount. A draw
// with a number twice is compared the long way, as the field check counts it.
struct DrawMaskEntry {
    NumberMask white;
    bool distinct = false;
};

DrawMaskEntry maskOf(const DrawNumbers& numbers) {
    DrawMaskEntry entry;
    for (int k = 1; k <= 5; ++k)
        entry.white.insert(numbers.white(k));
    entry.distinct = entry.white.size() == 5;
    return entry;
}

// Row 1 as the check reads it: a mask when its five white fields are five different numbers.
std::optional<NumberMask> rowMask(const TipRow& row) {
    NumberMask mask;
    for (int f = 0; f < TipRow::kWhiteCount; ++f) {
        const std::optional<int> value = parseInteger(row.fields[static_cast<std::size_t>(f)]);
        if (!value)
            return std::nullopt;
        mask.insert(*value);
    }
    if (mask.size() != TipRow::kWhiteCount)
        return std::nullopt;
    return mask;
}

std::size_t tableIndex(int hits) {
    return static_cast<std::size_t>(std::clamp(hits, 0, 6));
}

// The draw's numbers pass the fields' ranges: a Powerball of an older, larger drum leaves
// its field empty, as the white hits are what the analysis counts.
void putDrawIntoFirstRow(AppState& state) {
    const DrawNumbers& numbers = state.currentDraw.numbers;
    const auto put = [&state](int field, int value) {
        state.tips.setField(0, field, TipSheet::validated(field, std::to_string(value)));
    };
    for (int k = 1; k <= 5; ++k)
        put(k - 1, numbers.white(k));
    put(TipRow::kPowerballField, numbers.powerball());
    put(TipRow::kHiddenField, numbers.powerPlay());
}

// The hits that the check after a step left behind: those of the last row it could compare.
int hitsLeftByCheck(const AppState& state) {
    for (int r = TipSheet::kRowCount - 1; r >= 0; --r) {
        const TipRow& row = state.tips.row(r);
        const bool comparable = std::all_of(row.fields.begin(), row.fields.begin() + 5,
                                            [](const std::string& f) { return parseInteger(f); });
        if (comparable)
            return matchTip(state.currentDraw.numbers, row.fields).hits;
    }
    return 0;
}

std::vector<std::string> reportLines(const AppState& state, const DrawAnalysisResult& r) {
    const MessageTable& m = state.messages;
    std::vector<std::string> lines;
    lines.push_back(m.text(Msg::EarlierDrawHits));
    for (std::size_t k = 0; k <= 5; ++k)
        lines.push_back(std::to_string(k) + "    =>" + std::to_string(r.earlier[k]));
    lines.emplace_back(" ");
    lines.push_back(m.text(Msg::NextDrawHits));
    for (std::size_t k = 0; k <= 5; ++k)
        lines.push_back(std::to_string(k) + "    =>" + std::to_string(r.next[k]));

    lines.emplace_back();
    lines.push_back(m.text(Msg::DrawChanceHeading));
    lines.push_back(m.text(Msg::EarlierDrawHits));
    for (std::size_t k = 0; k <= 5; ++k)
        lines.push_back(std::to_string(k) + "    =>" + std::to_string(r.earlier[k]) + "\t(" +
                        AnalysisReport::decimal(state.textFormat(), r.expectedEarlier[k]) + ")");
    lines.push_back(m.text(Msg::NextDrawHits));
    for (std::size_t k = 0; k <= 5; ++k)
        lines.push_back(std::to_string(k) + "    =>" + std::to_string(r.next[k]) + "\t(" +
                        AnalysisReport::decimal(state.textFormat(), r.expectedNext[k]) + ")");
    return lines;
}

std::vector<DrawMaskEntry> masksOf(const std::vector<DrawRecord>& records) {
    std::vector<DrawMaskEntry> masks;
    masks.reserve(records.size());
    for (const DrawRecord& record : records)
        masks.push_back(maskOf(record.drawNumbers()));
    return masks;
}

// The wait cursor while the passes work; a question of a found hit shows the normal one.
class BusyScope {
public:
    explicit BusyScope(AppState& state) : m_state(state) { set(true); }
    ~BusyScope() { set(false); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

    void set(bool busy) {
        m_state.analysisBusy = busy;
        m_state.changed();
    }

private:
    AppState& m_state;
};

// The two questions before the passes: whether to start at the selected date, then the
// threshold of hits that asks whether to go on. Shows the selected date's draw in between.
// A draw is never compared with itself: without a later draw there is nothing to count, and
// the box says so instead of asking for the threshold.
std::optional<int> askToStart(AppState& state, const Ports& ports,
                              const std::vector<DrawRecord>& records) {
    const MessageTable& m = state.messages;
    UserPrompts& prompts = ports.userPrompts();
    const std::string day = state.textFormat().date(DrawCalendar::roundToDay(state.selectedDate));
    if (!prompts.askYesNo(m.text(Msg::DrawAnalysisCaption),
                          m.text(Msg::DrawAnalysisAsk) + day + m.text(Msg::DrawAnalysisAskEnd)))
        return std::nullopt;
    evaluateSelectedDate(state, ports);
    state.pageInFront = Page::TipOverview;
    if (records.empty() || state.currentDraw.date >= records.back().date) {
        prompts.showMessage(fillPlaceholders(
            m.text(Msg::NoLaterDraw),
            {state.textFormat().date(DrawCalendar::roundToDay(state.currentDraw.date))}));
        return std::nullopt;
    }
    return askHitThreshold(prompts, m.text(Msg::DrawThresholdCaption),
                           m.text(Msg::DrawThresholdPrompt), "5");
}

// The start of a pass: the current draw into row 1, the limit and its date in the status bar.
void startPass(AppState& state, const Ports& ports, double limit) {
    state.tips.clearUnlocked();
    putDrawIntoFirstRow(state);
    state.status[0] = state.textFormat().date(DrawCalendar::roundToDay(limit));
    state.status[1] = state.textFormat().date(DrawCalendar::roundToDay(state.currentDraw.date));
    state.changed();
    ports.eventPump().processEvents();
}

// Row 1 against every draw of the window before the selected date. Each record read moves
// the limit to its date. A hit of the threshold or more asks whether to go on; false when
// the answer was No.
bool compareWithEarlierDraws(AppState& state, UserPrompts& prompts, BusyScope& busy,
                             const std::vector<DrawRecord>& records,
                             const std::vector<DrawMaskEntry>& masks, DrawAnalysisResult& result,
                             double& limit) {
    const MessageTable& m = state.messages;
    const double rowDrawDate = state.currentDraw.date;
    const TipRow& first = state.tips.row(0);
    const std::optional<NumberMask> row = rowMask(first);
    const DrawRecord* lastCounted = nullptr;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const DrawRecord& record = records[i];
        limit = record.date;
        if (record.date < state.scanFromDate || record.date >= state.selectedDate)
            continue;
        lastCounted = &record;
        const int hits = row && masks[i].distinct
                             ? (*row & masks[i].white).size()
                             : matchTip(record.drawNumbers(), first.fields).hits;
        ++result.earlier[tableIndex(hits)];
        ++result.earlierComparisons;
        if (hits < result.threshold)
            continue;
        result.hits.push_back({record.date, rowDrawDate, hits});
        state.currentDraw = {record.date, record.drawNumbers()};
        busy.set(false);
        if (!prompts.askYesNo(m.text(Msg::HitFoundCaption),
                              m.text(Msg::HitFoundAt) +
                                  state.textFormat().date(DrawCalendar::roundToDay(record.date)) +
                                  m.text(Msg::HitFoundGoOn)))
            return false;
        busy.set(true);
    }
    if (lastCounted)
        state.currentDraw = {lastCounted->date, lastCounted->drawNumbers()};
    return true;
}

// What random draws would give for the same number of comparisons.
void fillExpectations(DrawAnalysisResult& result) {
    for (std::size_t k = 0; k <= 5; ++k) {
        const double chance = ChanceBaseline::whiteHitChance(static_cast<int>(k));
        result.expectedEarlier[k] = static_cast<double>(result.earlierComparisons) * chance;
        result.expectedNext[k] = result.passes * chance;
    }
}

} // namespace

DrawAnalysisResult analyseDraws(AppState& state, const Ports& ports) {
    DrawAnalysisResult result;
    // One read for the whole analysis: every pass walks the same records.
    const DrawHistory history = state.drawHistory();
    const std::vector<DrawRecord> records =
        history.exists() ? history.readAll() : std::vector<DrawRecord>{};
    const std::optional<int> threshold = askToStart(state, ports, records);
    if (!threshold)
        return result;
    result.threshold = *threshold;
    result.ran = true;

    const std::vector<DrawMaskEntry> masks = masksOf(records);
    double limit = state.selectedDate + 10;
    {
        BusyScope busy(state);
        // Without draws no step would ever reach the limit.
        while (!records.empty() && state.currentDraw.date < limit) {
            startPass(state, ports, limit);
            if (!compareWithEarlierDraws(state, ports.userPrompts(), busy, records, masks, result,
                                         limit)) {
                result.endedByUser = true;
                return result;
            }
            DrawBrowser::next(state, ports, records);
            ++result.next[tableIndex(hitsLeftByCheck(state))];
            ++result.passes;
        }
    }

    fillExpectations(result);
    result.report = reportLines(state, result);
    result.reportFile = AnalysisReport::write(state, ports, result.report);
    return result;
}

} // namespace powerball
