#include "app/evaluation/SettingsAnalysis.h"

#include "app/evaluation/AnalysisReport.h"
#include "app/evaluation/TipCheck.h"
#include "app/generator/GeneratorRun.h"
#include "base/TextParsing.h"
#include "rules/evaluation/PrizeTexts.h"

#include <algorithm>
#include <exception>

namespace powerball {

namespace {

// Where "evaluate for the chosen date" lands: the first draw on or after the date, else the
// newest; the date itself when there are no draws.
double landing(const std::vector<DrawRecord>& records, double date) {
    for (const DrawRecord& record : records)
        if (record.date >= DrawCalendar::roundToDay(date))
            return record.date;
    return records.empty() ? date : records.back().date;
}

// Keeps the list dialog off for the run and the analysis phase set, however it ends.
class AnalysisScope {
public:
    explicit AnalysisScope(AppState& state)
        : m_state(state), m_showNumberList(state.settings.showNumberList) {
        m_state.settings.showNumberList = false;
        m_state.analysis = RunPhase::Running;
    }
    ~AnalysisScope() {
        m_state.settings.showNumberList = m_showNumberList;
        m_state.analysis = RunPhase::Idle;
        m_state.changed();
    }
    AnalysisScope(const AnalysisScope&) = delete;
    AnalysisScope& operator=(const AnalysisScope&) = delete;

private:
    AppState& m_state;
    bool m_showNumberList;
};

std::string countText(long long value) {
    return std::to_string(value);
}

std::vector<std::string> reportLines(const AppState& state, const SettingsAnalysisResult& r) {
    const MessageTable& m = state.messages;
    const TextFormat format = state.textFormat();
    const int rows = state.settings.rowCount.value();
    std::vector<std::string> lines;
    lines.push_back(m.text(Msg::SettingsReportTitle));
    lines.emplace_back(); // the title's own line feed
    lines.push_back(m.text(Msg::CountWithout) + " " + m.text(Msg::PowerballWord) + "\t1x " +
                    m.text(Msg::PowerballWord));
    for (std::size_t k = 0; k < r.sums.size(); ++k)
        lines.push_back(std::to_string(k) + "x\t=> " + countText(r.sums[k][0]) + "\t\t=> " +
                        countText(r.sums[k][1]));
    lines.emplace_back();
    lines.push_back(fillPlaceholders(
        m.text(Msg::ReportRowCount),
        {std::to_string(r.steps), std::to_string(rows), std::to_string(rows * r.steps)}));
    if (r.stopped && !r.checkedDraws.empty())
        lines.push_back(m.text(Msg::StoppedAfter) +
                        format.date(DrawCalendar::roundToDay(r.checkedDraws.back())));
    const PrizeBalance& b = r.balance;
    const std::string jackpot = b.jackpots > 0 ? " + " + m.text(Msg::Jackpot) : std::string();
    lines.push_back(m.text(Msg::BalanceDraws) + std::to_string(b.steps) + m.text(Msg::BalanceCost) +
                    PrizeTexts::dollars(format, b.costUsd) + m.text(Msg::BalanceWon) +
                    PrizeTexts::dollars(format, b.wonUsd) + jackpot + m.text(Msg::BalanceExpected) +
                    PrizeTexts::dollars(format, b.expectedUsd));
    lines.push_back(
        m.text(Msg::BalancePowerPlay) + PrizeTexts::dollars(format, b.costPowerPlayUsd) +
        m.text(Msg::BalanceWon) + PrizeTexts::dollars(format, b.wonPowerPlayUsd) + jackpot +
        m.text(Msg::BalanceExpected) + PrizeTexts::dollars(format, b.expectedPowerPlayUsd));

    lines.emplace_back();
    lines.push_back(m.text(Msg::ChanceHeading));
    lines.push_back(m.text(Msg::CountWithout) + " " + m.text(Msg::PowerballWord) + "\t1x " +
                    m.text(Msg::PowerballWord));
    for (std::size_t k = 0; k < r.expected.size(); ++k)
        lines.push_back(std::to_string(k) + "x\t=> " +
                        AnalysisReport::decimal(format, r.expected[k][0]) + "\t\t=> " +
                        AnalysisReport::decimal(format, r.expected[k][1]));
    lines.push_back(
        m.text(Msg::VerdictRows) + countText(r.observedThreeOrMore) + m.text(Msg::VerdictExpected) +
        AnalysisReport::decimal(format, r.expectedThreeOrMore) + "; " + m.text(Msg::VerdictChance) +
        AnalysisReport::percent(format, r.chanceAtLeastAsGood));
    return lines;
}

// A step against a draw of today's prize table: what its checked rows cost and won, and what
// as many random rows would be expected to win against the same draw.
void addToBalance(const AppState& state, PrizeBalance& balance) {
    if (state.currentDraw.date < PrizeTiers::kTableFrom)
        return;
    std::int64_t rows = 0;
    for (const auto& prize : state.prizes.rows)
        rows += prize ? 1 : 0;
    ++balance.steps;
    balance.rows += rows;
    balance.costUsd += rows * PrizeTiers::kRowCostUsd;
    balance.costPowerPlayUsd += rows * (PrizeTiers::kRowCostUsd + PrizeTiers::kPowerPlayCostUsd);
    balance.wonUsd += state.prizes.totalUsd;
    balance.wonPowerPlayUsd += state.prizes.totalPowerPlayUsd;
    balance.jackpots += state.prizes.jackpots;
    const auto count = static_cast<double>(rows);
    balance.expectedUsd += count * PrizeTiers::expectedWinUsd();
    balance.expectedPowerPlayUsd +=
        count * PrizeTiers::expectedPowerPlayWinUsd(state.currentDraw.numbers.powerPlay());
}

void addBaseline(const AppState& state, const std::vector<int>& drawnPowerballs,
                 SettingsAnalysisResult& result) {
    result.expected =
        ChanceBaseline::expectedRows(drawnPowerballs, state.settings.rowCount.value());
    for (std::size_t k = 3; k < result.sums.size(); ++k) {
        result.observedThreeOrMore += result.sums[k][0] + result.sums[k][1];
        result.expectedThreeOrMore += result.expected[k][0] + result.expected[k][1];
    }
    result.chanceAtLeastAsGood = ChanceBaseline::poissonAtLeast(
        static_cast<int>(std::min<long long>(result.observedThreeOrMore, 1 << 30)),
        result.expectedThreeOrMore);
}

} // namespace

int plannedSettingsSteps(const std::vector<DrawRecord>& records, double selectedDate,
                         DayNumber today) {
    if (records.empty())
        return 0;
    double selected = landing(records, selectedDate);
    double current = selectedDate;
    double previous = today;
    int steps = 0;
    while (previous != current) {
        previous = current;
        selected = landing(records, selected + 7);
        ++steps;
        current = selected;
    }
    return steps;
}

// Steps 6 to 10: seed, the weekly steps and the report.
void runSettingsSteps(AppState& state, const Ports& ports, int lucky, double current,
                      SettingsAnalysisResult& result);

SettingsAnalysisResult analyseSettings(AppState& state, const Ports& ports) {
    SettingsAnalysisResult result;
    const MessageTable& m = state.messages;
    UserPrompts& prompts = ports.userPrompts();
    const std::string day = state.textFormat().date(DrawCalendar::roundToDay(state.selectedDate));
    if (!prompts.askYesNo(m.text(Msg::SettingsAnalysisCaption),
                          m.text(Msg::SettingsAnalysisAsk) + day +
                              m.text(Msg::SettingsAnalysisAskEnd)))
        return result;

    const AnalysisScope scope(state);
    double current = state.selectedDate;
    evaluateSelectedDate(state, ports);

    // The box asks for a number from 1 to 99999999: it proposes one of them, derived from the
    // seed, and takes no other.
    const std::optional<std::string> answer =
        prompts.askText(m.text(Msg::LuckyNumberCaption), m.text(Msg::LuckyNumberPrompt),
                        std::to_string(proposedLuckyNumber(state.random.seed())));
    if (!answer)
        return result;
    const std::optional<int> lucky = parseInteger(trimmed(*answer));
    if (!lucky || *lucky < kLuckyNumberMin || *lucky > kLuckyNumberMax) {
        prompts.showMessage(m.text(Msg::LuckyNumberError));
        return result;
    }
    try {
        runSettingsSteps(state, ports, *lucky, current, result);
    } catch (const std::exception& failure) {
        // Any failure of the steps or the report is the analysis' own error, with its cause.
        result.report.clear();
        result.reportFile.clear();
        prompts.showMessage(m.text(Msg::LuckyNumberError) + "\n\n" + failure.what());
    }
    return result;
}

void runSettingsSteps(AppState& state, const Ports& ports, int lucky, double current,
                      SettingsAnalysisResult& result) {
    const MessageTable& m = state.messages;
    const auto seed = static_cast<std::uint32_t>(lucky);
    state.random.setSeed(seed);
    state.status[1] =
        m.text(Msg::LuckyNumberSet) + std::to_string(lucky) + m.text(Msg::LuckyNumberSetEnd);
    result.ran = true;

    const std::vector<DrawRecord> records = state.drawHistory().readAll();
    const DayNumber today = ports.systemClock().today();
    result.plannedSteps = plannedSettingsSteps(records, current, today);
    std::vector<int> drawnPowerballs;
    // Without draws no evaluation moves the date, and the steps would never end.
    double previous = records.empty() ? current : static_cast<double>(today);
    while (previous != current) {
        if (state.analysis != RunPhase::Running) {
            result.stopped = true;
            break;
        }
        previous = current;
        state.random.setSeed(seed);
        runTipGenerator(state, ports);
        state.setSelectedDate(state.selectedDate + 7);
        evaluateSelectedDate(state, ports);
        ++result.steps;
        for (std::size_t k = 0; k < result.sums.size(); ++k)
            for (std::size_t pb = 0; pb < 2; ++pb)
                result.sums[k][pb] += state.histogram.cells[k][pb];
        result.checkedDraws.push_back(state.currentDraw.date);
        addToBalance(state, result.balance);
        drawnPowerballs.push_back(state.currentDraw.numbers.powerball());
        current = state.selectedDate;
        state.status[0] = m.text(Msg::StepWord) + std::to_string(result.steps) +
                          m.text(Msg::StepOf) + std::to_string(result.plannedSteps);
        state.status[1] = state.textFormat().date(DrawCalendar::roundToDay(current));
        state.changed();
        ports.eventPump().processEvents();
    }

    addBaseline(state, drawnPowerballs, result);
    result.report = reportLines(state, result);
    result.reportFile = AnalysisReport::write(state, ports, result.report);
}

int proposedLuckyNumber(std::uint32_t seed) {
    return static_cast<int>(seed % static_cast<std::uint32_t>(kLuckyNumberMax)) + 1;
}

} // namespace powerball
