#include "CliSession.h"
#include "Commands.h"
#include "JsonOutput.h"

#include "app/Settings.h"
#include "generator/GeneratorRun.h"
#include "generator/TipSheetEditing.h"

#include <iomanip>
#include <ostream>

namespace powerball::cli {

namespace {

// Answers the lucky-number box with the number of --seed.
class SeedPrompts : public StderrPrompts {
public:
    explicit SeedPrompts(std::string seed) : m_seed(std::move(seed)) {}
    std::string askText(const std::string&, const std::string&, const std::string&) override {
        return m_seed;
    }

private:
    std::string m_seed;
};

// Presses "Stoppen" once the run has drawn the given number of candidates.
class StopAfterPump : public EventPump {
public:
    StopAfterPump(AppState& state, const Ports& ports, int candidates)
        : m_state(state), m_ports(ports), m_candidates(candidates) {}
    void processEvents() override {
        if (!m_pressed && m_state.generator.runCounter >= m_candidates) {
            m_pressed = true;
            pressCalculate(m_state, m_ports);
        }
    }

private:
    AppState& m_state;
    const Ports& m_ports;
    int m_candidates;
    bool m_pressed = false;
};

Json generatedRowsJson(const AppState& state) {
    Json rows = Json::array();
    for (int r = 0; r < TipSheet::kRowCount; ++r) {
        const TipRow& row = state.tips.row(r);
        rows.push_back({{"fields", row.fields},
                        {"locked", row.locked},
                        {"cross_sum_text", row.crossSumText},
                        {"hit_text", row.hitText}});
    }
    return rows;
}

Json drawNumbersJson(const DrawNumbers& numbers) {
    return Json(numbers.slots);
}

void printRows(const AppState& state, std::ostream& out) {
    for (int r = 0; r < TipSheet::kRowCount; ++r) {
        const TipRow& row = state.tips.row(r);
        out << std::setw(9) << TipSheet::caption(r) << (row.locked ? " (locked)" : "         ");
        for (int f = 0; f < TipRow::kHiddenField; ++f)
            out << (f == TipRow::kPowerballField ? "  PB " : " ") << std::setw(2)
                << row.fields[static_cast<std::size_t>(f)];
        out << "  hits: " << row.hitText << "  cross sum: " << row.crossSumText << '\n';
    }
}

} // namespace

int runGenerate(const CliOptions& options, std::ostream& out) {
    CliSession session(options);
    AppState& state = session.state;
    ArgumentReader reader(options.arguments);
    std::optional<std::string> seed;
    std::optional<int> stopAfter;
    while (!reader.atEnd()) {
        const std::string option = reader.take();
        if (option == "--seed") {
            seed = std::to_string(reader.integerValue(option));
        } else if (option == "--rows") {
            const int rows = reader.integerValue(option);
            if (rows < 1 || rows > TipSheet::kRowCount)
                throw UsageError("--rows needs a count from 1 to 12");
            state.settings.rowCount.setValue(rows);
        } else if (option == "--start") {
            state.startDate = reader.dateValue(option);
        } else if (option == "--selected") {
            if (!state.setSelectedDate(reader.dateValue(option)))
                throw UsageError("--selected: the earliest date to select is " +
                                 DrawCalendar::isoDate(DrawCalendar::kMinimumDate));
        } else if (option == "--lock") {
            const std::string value = reader.value(option);
            const std::size_t equals = value.find('=');
            const std::optional<int> row = equals == std::string::npos
                                               ? std::nullopt
                                               : TipSheet::parseInteger(value.substr(0, equals));
            if (!row || *row < 1 || *row > TipSheet::kRowCount)
                throw UsageError("--lock needs ROW=LINE with a row from 1 to 12");
            state.tips.setLine(*row - 1, value.substr(equals + 1));
            state.tips.row(*row - 1).locked = true;
        } else if (option == "--stop-after") {
            stopAfter = reader.integerValue(option);
            if (*stopAfter < 0)
                throw UsageError("--stop-after needs a count of 0 or more");
        } else {
            throw UsageError("generate: unknown argument " + option);
        }
    }

    SeedPrompts prompts(seed.value_or(""));
    if (seed) {
        Ports withSeed = session.ports;
        withSeed.prompts = &prompts;
        setLuckyNumber(state, withSeed);
    }
    IdleEventPump idle;
    StopAfterPump stopper(state, session.ports, stopAfter.value_or(0));
    session.ports.events = stopAfter ? static_cast<EventPump*>(&stopper) : &idle;

    pressCalculate(state, session.ports);

    if (!options.json) {
        printRows(state, out);
        out << "Status: " << state.status[0] << " | " << state.status[1] << '\n'
            << "Candidates: " << state.generator.runCounter << " of " << state.maxRuns << '\n';
        return 0;
    }
    Json lastDraws = Json::array();
    for (const DrawNumbers& draw : state.generator.lastDraws)
        lastDraws.push_back(drawNumbersJson(draw));
    Json pool = Json::array();
    for (std::uint8_t entry : state.generator.pool)
        pool.push_back(entry);
    const CalculationSettings& settings = state.settings;
    Json result = {{"rows", generatedRowsJson(state)},
                   {"status", state.status},
                   {"run_counter", state.generator.runCounter},
                   {"max_runs", state.maxRuns},
                   {"pool", pool},
                   {"last_draws", lastDraws},
                   {"options_after",
                    {{"CheckBox8", settings.forcePair},
                     {"UpDown4", settings.maxLastDraw.value()},
                     {"UpDown5", settings.maxSecondLastDraw.value()},
                     {"UpDown6", settings.earlierWinClass.value()}}},
                   {"current_draw", currentDrawJson(state)}};
    out << result.dump() << '\n';
    return 0;
}

} // namespace powerball::cli
