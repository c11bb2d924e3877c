#include "app/generator/GeneratorRun.h"

#include "app/draws/DrawBrowser.h"
#include "app/evaluation/TipCheck.h"
#include "app/generator/AcceptanceFilters.h"
#include "app/generator/PoolBuilder.h"
#include "app/generator/PowerballStatistics.h"
#include "base/TextParsing.h"
#include "rules/generator/HistorySnapshot.h"

#include <charconv>

namespace powerball {

namespace {

void appendNumber(std::string& text, int value) {
    char buffer[16];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    text.append(buffer, end);
}

// The four options the run may relax, as they stood when it began.
struct RelaxedOptions {
    bool forcePair;
    int maxLastDraw;
    int maxSecondLastDraw;
    int earlierWinClass;

    static RelaxedOptions of(const CalculationSettings& options) {
        return {options.forcePair, options.maxLastDraw.value(), options.maxSecondLastDraw.value(),
                options.earlierWinClass.value()};
    }
    void restore(CalculationSettings& options) const {
        options.forcePair = forcePair;
        options.maxLastDraw.setValue(maxLastDraw);
        options.maxSecondLastDraw.setValue(maxSecondLastDraw);
        options.earlierWinClass.setValue(earlierWinClass);
    }
};

// A locked row's fields as numbers; a field that holds no number reads as 0.
TipCandidate readRow(const TipRow& row) {
    TipCandidate candidate;
    for (std::size_t f = 0; f < 7; ++f)
        candidate.values[f] = parseInteger(row.fields[f]).value_or(0);
    return candidate;
}

// The generator's values pass the fields' range: a 0 it leaves in a field it did not fill
// empties the field.
void writeRow(AppState& state, int rowIndex, const TipCandidate& candidate) {
    for (int f = 0; f < TipRow::kFieldCount; ++f)
        state.tips.setField(
            rowIndex, f,
            TipSheet::validated(f, std::to_string(candidate.values[static_cast<std::size_t>(f)])));
}

class Run {
public:
    Run(AppState& state, const Ports& ports)
        : m_state(state), m_ports(ports), m_options(RelaxedOptions::of(state.settings)),
          m_history(state.drawHistory().path()) {}

    // Restores the caption, the check and the options when a command fails in the middle
    // of the run, so that the window does not stay in a run that no longer goes on.
    ~Run() {
        if (!m_finished) {
            m_options.restore(m_state.settings);
            m_state.checkEnabled = true;
            m_state.generatorRunning = false;
            m_state.generator.busy = false;
            m_state.generator.phase = RunPhase::Idle;
            m_state.changed();
        }
    }

    void execute() {
        GeneratorState& generator = m_state.generator;
        generator.phase = RunPhase::Running;
        generator.busy = true;
        m_state.checkEnabled = false;
        m_state.maxRuns = m_state.settings.maxRuns();
        generator.runCounter = 0;
        generator.pool.clear();
        m_state.changed();

        prepareLastDraws();
        m_state.tips.clearUnlocked();

        const std::optional<NumberPool> pool =
            buildNumberPool(m_state, m_ports, generator.lastDraws);
        if (!pool) {
            m_finished = true;
            m_state.checkEnabled = true;
            generator.busy = false;
            generator.phase = RunPhase::Idle;
            m_state.changed();
            return;
        }
        generator.pool = pool->entries();
        computeRows(*pool);
        finish();
    }

private:
    bool running() const { return m_state.generator.phase == RunPhase::Running; }

    void prepareLastDraws() {
        auto& last = m_state.generator.lastDraws;
        const double selected = m_state.selectedDate;
        evaluateSelectedDate(m_state, m_ports);
        last[0] = m_state.currentDraw.numbers;
        DrawBrowser::previous(m_state, m_ports);
        last[1] = m_state.currentDraw.numbers;
        DrawBrowser::previous(m_state, m_ports);
        last[2] = m_state.currentDraw.numbers;
        m_state.setSelectedDate(selected);
        evaluateSelectedDate(m_state, m_ports);
    }

    void computeRows(const NumberPool& pool) {
        GeneratorState& generator = m_state.generator;
        m_state.status[1] = m_state.messages.text(Msg::RunStarted);
        m_state.generatorRunning = true;
        generator.runCounter = 0;
        m_state.pageInFront = Page::TipOverview;
        m_state.changed();

        // A pool that cannot give five different numbers ends the run as the limit does.
        if (pool.distinctCount() < 5)
            generator.runCounter = m_state.maxRuns;

        const PowerballChoice powerball = powerballChoiceFromStatistics(m_state);
        AcceptanceFilters filters(m_state.settings, m_state, m_state.chart, m_history,
                                  generator.lastDraws);
        m_state.pageInFront = Page::TipOverview;

        for (int row = 1; row <= TipSheet::kRowCount; ++row) {
            const int rowIndex = row - 1;
            TipCandidate candidate;
            if (m_state.tips.row(rowIndex).locked) {
                candidate = readRow(m_state.tips.row(rowIndex));
            } else {
                if (row <= m_state.settings.rowCount.value())
                    candidateLoop(row, pool, powerball, filters, candidate);
                if (generator.runCounter >= m_state.maxRuns)
                    candidate.clear();
                candidate.sortWhite();
                m_state.tips.row(rowIndex).crossSumText = std::to_string(candidate.crossSum());
            }
            writeRow(m_state, rowIndex, candidate);
            filters.addEarlierRow({candidate.values[0], candidate.values[1], candidate.values[2],
                                   candidate.values[3], candidate.values[4]});
            m_state.changed();
        }
    }

    void candidateLoop(int row, const NumberPool& pool, const PowerballChoice& powerball,
                       AcceptanceFilters& filters, TipCandidate& candidate) {
        GeneratorState& generator = m_state.generator;
        CalculationSettings& options = m_state.settings;
        const int maxRuns = m_state.maxRuns;
        int nextSlot = 1;
        while (nextSlot <= 5 && generator.runCounter < maxRuns && running()) {
            m_ports.eventPump().processEvents();
            const int count = ++generator.runCounter;
            if (count == maxRuns / 2)
                options.forcePair = false;
            if (row >= 3) {
                if (count == maxRuns - 20000)
                    options.earlierWinClass.setValue(6);
                if (count == maxRuns - 10000) {
                    options.maxSecondLastDraw.setValue(2);
                    options.maxLastDraw.setValue(1);
                }
                if (count == maxRuns - 5000) {
                    options.maxSecondLastDraw.setValue(3);
                    options.maxLastDraw.setValue(2);
                }
            }
            while (candidate.values[4] == 0) {
                const auto slot = static_cast<std::size_t>(nextSlot - 1);
                candidate.values[slot] = pool.pick(m_state.random);
                for (std::size_t other = 0; other < slot; ++other)
                    if (candidate.values[other] == candidate.values[slot])
                        candidate.values[slot] = 0;
                if (candidate.values[slot] != 0)
                    ++nextSlot;
            }
            if (running()) {
                candidate.values[5] = powerball.choose(options, m_state.random);
                candidate.values[6] = 0;
            }
            candidate.sortWhite();
            m_state.status[1] = candidateStatus(m_state.messages, row, candidate);
            if (filters.firstFailing(candidate) != AcceptanceFilters::Accepted) {
                candidate.clear();
                nextSlot = 1;
            }
        }
    }

    void finish() {
        m_finished = true;
        m_state.checkEnabled = true;
        checkSheet(m_state, m_ports.soundPlayer());
        m_state.generator.busy = false;
        if (m_state.generator.phase == RunPhase::StopRequested)
            m_state.status[0] = m_state.messages.text(Msg::Stop);
        m_state.status[1] = m_state.messages.text(m_state.generator.runCounter >= m_state.maxRuns
                                                      ? Msg::RunLimitReached
                                                      : Msg::RowsComputed);
        m_options.restore(m_state.settings);
        m_state.generatorRunning = false;
        m_state.generator.phase = RunPhase::Idle;
        m_state.changed();
    }

    AppState& m_state;
    const Ports& m_ports;
    RelaxedOptions m_options;
    HistorySnapshot m_history;
    bool m_finished = false;
};

} // namespace

std::string candidateStatus(const MessageTable& messages, int row, const TipCandidate& candidate) {
    std::string text;
    text.reserve(64);
    appendNumber(text, row);
    text += '.';
    text += messages.text(Msg::Tip);
    text += ":  ";
    const auto& w = candidate.values;
    appendNumber(text, w[0]);
    text += ' ';
    appendNumber(text, w[1]);
    for (std::size_t i = 2; i < 5; ++i) {
        text += "  ";
        appendNumber(text, w[i]);
    }
    if (row == 7 || row == 9) {
        text += "  ";
        appendNumber(text, w[5]);
    }
    text += row == 3 ? "    CS: " : (row == 2 || row == 4) ? "   CS: " : "  CS: ";
    appendNumber(text, candidate.crossSum());
    return text;
}

const std::string& calculateCaption(const AppState& state) {
    if (state.analysis == RunPhase::Running)
        return state.messages.text(Msg::Stop);
    return state.generator.caption(state.messages.text(Msg::Stop));
}

void pressCalculate(AppState& state, const Ports& ports) {
    GeneratorState& generator = state.generator;
    // During an analysis the button only stops: the analysis and its current run.
    if (state.analysis != RunPhase::Idle) {
        if (state.analysis == RunPhase::Running)
            state.analysis = RunPhase::StopRequested;
        if (generator.phase == RunPhase::Running)
            generator.phase = RunPhase::StopRequested;
        state.changed();
        return;
    }
    if (generator.phase == RunPhase::Running) {
        generator.phase = RunPhase::StopRequested;
        state.changed();
        return;
    }
    // A press that comes after the stop but before the stopped run has wound down would
    // start a second run inside the first, whose end then empties the new rows.
    if (state.generatorRunning || generator.busy)
        return;
    Run(state, ports).execute();
}

void runTipGenerator(AppState& state, const Ports& ports) {
    if (state.generatorRunning || state.generator.busy || state.generator.phase != RunPhase::Idle)
        return;
    Run(state, ports).execute();
}

} // namespace powerball
