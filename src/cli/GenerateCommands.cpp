#include "CheckOutput.h"
#include "CliProgress.h"
#include "CliSession.h"
#include "Commands.h"
#include "JsonOutput.h"
#include "base/TextParsing.h"
#include "options/OptionChecks.h"

#include "app/Settings.h"
#include "app/generator/GeneratorRun.h"
#include "app/generator/TipSheetEditing.h"

#include <iomanip>
#include <memory>
#include <ostream>

namespace powerball::cli {

namespace {

// Answers the lucky-number box with the number of --seed.
class SeedPrompts : public StderrPrompts {
public:
    explicit SeedPrompts(std::string seed) : m_seed(std::move(seed)) {}
    std::optional<std::string> askText(const std::string&, const std::string&,
                                       const std::string&) override {
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

// "ROW=LINE": the row number from 1 to 12, or none.
std::optional<int> lockedRow(const std::string& text) {
    const std::size_t equals = text.find('=');
    const std::optional<int> row = equals == std::string::npos
                                       ? std::nullopt
                                       : powerball::parseInteger(text.substr(0, equals));
    if (!row || *row < 1 || *row > TipSheet::kRowCount)
        return std::nullopt;
    return row;
}

CLI::Validator rowAndLine() {
    return CLI::Validator(
        [](std::string& text) -> std::string {
            return lockedRow(text) ? "" : "needs ROW=LINE with a row from 1 to 12";
        },
        "");
}

struct GenerateArguments {
    std::optional<int> seed;
    std::optional<int> rows;
    std::optional<int> start;
    std::optional<int> selected;
    std::vector<std::string> locks;
    std::optional<int> stopAfter;
};

int runGenerate(const CliOptions& options, const GenerateArguments& arguments, std::ostream& out) {
    CliSession session(options);
    AppState& state = session.state;
    const std::optional<std::string> seed =
        arguments.seed ? std::optional(std::to_string(*arguments.seed)) : std::nullopt;
    if (arguments.rows)
        state.settings.rowCount.setValue(*arguments.rows);
    if (arguments.start)
        state.startDate = *arguments.start;
    if (arguments.selected && !state.setSelectedDate(*arguments.selected))
        throw UsageError(beforeEarliestDate(state, "--selected"));
    for (const std::string& lock : arguments.locks) {
        const int row = *lockedRow(lock) - 1;
        state.tips.setLine(row, lock.substr(lock.find('=') + 1));
        state.tips.row(row).locked = true;
    }

    SeedPrompts prompts(seed.value_or(""));
    if (seed) {
        Ports withSeed = session.ports;
        withSeed.prompts = &prompts;
        setLuckyNumber(state, withSeed);
    }
    StopAfterPump stopper(state, session.ports, arguments.stopAfter.value_or(0));
    CliProgress progress(
        options, state, [&] { pressCalculate(state, session.ports); },
        arguments.stopAfter ? &stopper : nullptr);
    session.ports.events = &progress;

    pressCalculate(state, session.ports);
    const int exitCode = progress.interrupted() ? CliProgress::kInterruptedExit : 0;

    if (!options.json) {
        printRows(state, {.verbose = options.verbose, .locks = true}, out);
        for (const std::string& status : state.status)
            if (options.verbose || !status.empty())
                out << said(state, Msg::CliStatus, {status}) << '\n';
        const TextFormat format = state.textFormat();
        out << said(state, Msg::CliRuns,
                    {format.count(state.generator.runCounter), format.count(state.maxRuns)})
            << '\n';
        return exitCode;
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
    return exitCode;
}

} // namespace

void addGenerateCommand(CommandLine& commandLine) {
    auto generate = std::make_shared<GenerateArguments>();
    CLI::App* verb = commandLine.add("generate", "run the tip generator",
                                     [generate](const CliOptions& options, std::ostream& out) {
                                         return runGenerate(options, *generate, out);
                                     });
    verb->add_option("--seed", generate->seed, "the lucky number")->transform(wholeNumber());
    verb->add_option("--rows", generate->rows, "the number of rows to fill")
        ->transform(wholeNumber())
        ->check(countFromTo(1, TipSheet::kRowCount));
    verb->add_option("--start", generate->start, "the first day of the history")
        ->transform(isoDate())
        ->type_name("YYYY-MM-DD");
    verb->add_option("--selected", generate->selected, "the selected day")
        ->transform(isoDate())
        ->type_name("YYYY-MM-DD");
    verb->add_option("--lock", generate->locks, "fill row ROW with LINE and lock it")
        ->type_name("ROW=LINE")
        ->check(rowAndLine())
        ->allow_extra_args(false);
    verb->add_option("--stop-after", generate->stopAfter, "stop after N candidates")
        ->transform(wholeNumber())
        ->check(countAtLeast(0));
}

} // namespace powerball::cli
