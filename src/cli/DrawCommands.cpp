#include "CheckOutput.h"
#include "CliSession.h"
#include "Commands.h"
#include "JsonOutput.h"

#include "app/draws/DrawMaintenance.h"
#include "draws/DrawImport.h"
#include "options/OptionChecks.h"

#include <iostream>
#include <memory>
#include <ostream>
#include <stdexcept>

namespace powerball::cli {

namespace {

int runImport(const CliOptions& options, const std::filesystem::path& file, std::ostream& out) {
    CliSession session(options);
    const AppState& state = session.state;
    const DrawHistory history = state.drawHistory();
    DrawCsvContent content = readAnyDrawCsv(file, session.ports.systemClock().today());
    // Skipped lines go to stderr, so that the JSON on stdout stays one document.
    for (const SkippedLine& skipped : content.skipped)
        std::cerr << file.string() << ": " << state.messages.text(Msg::ImportLine) << skipped.line
                  << ": " << DrawMaintenance::skipReason(state.messages, skipped) << '\n';
    if (content.draws.empty())
        throw std::runtime_error(failure(state, Msg::CliFileHoldsNoDraws, {file.string()}));
    const ImportPlan plan =
        planImport(history.exists() ? history.readAll() : std::vector<DrawRecord>{}, content.draws);
    const std::size_t imported = content.draws.size();
    importDraws(history, std::move(content.draws));
    const auto count = history.readAll().size();
    if (options.json) {
        Json skipped = Json::array();
        for (const SkippedLine& line : content.skipped)
            skipped.push_back(Json{{"line", line.line}, {"reason", line.reason}});
        out << Json{{"imported", imported},
                    {"records", count},
                    {"form", content.form == DrawCsvForm::PublicResults ? "public" : "own"},
                    {"new", plan.added.size()},
                    {"changed", plan.changed.size()},
                    {"unchanged", plan.unchanged},
                    {"skipped", skipped}}
                   .dump()
            << '\n';
    } else {
        const TextFormat format = state.textFormat();
        out << said(state, Msg::DrawsImported, {format.count(static_cast<long long>(imported))})
            << " (" << DrawMaintenance::importSummary(state.messages, format, plan) << ")\n"
            << state.messages.text(Msg::ImportSkipped) << ' '
            << format.count(static_cast<long long>(content.skipped.size())) << '\n'
            << said(state, Msg::CliDrawsInFile,
                    {history.path().string(), format.count(static_cast<long long>(count))})
            << '\n';
    }
    return 0;
}

struct DrawsArguments {
    std::optional<int> from;
    std::optional<int> to;
    std::optional<int> last;
};

// The indexes of the draws from..to (days, both included), of those the last N; each draw
// keeps its index in the file.
std::vector<std::size_t> chosenDraws(const std::vector<DrawRecord>& records,
                                     const DrawsArguments& arguments) {
    std::vector<std::size_t> chosen;
    for (std::size_t k = 0; k < records.size(); ++k) {
        const DayNumber day = DrawCalendar::roundToDay(records[k].date);
        if ((!arguments.from || day >= *arguments.from) && (!arguments.to || day <= *arguments.to))
            chosen.push_back(k);
    }
    if (arguments.last && chosen.size() > static_cast<std::size_t>(*arguments.last))
        chosen.erase(chosen.begin(), chosen.end() - static_cast<std::ptrdiff_t>(*arguments.last));
    return chosen;
}

int runDraws(const CliOptions& options, const DrawsArguments& arguments, std::ostream& out) {
    if (arguments.from && arguments.to && *arguments.from > *arguments.to)
        throw UsageError("draws: --from is after --to");
    CliSession session(options);
    const std::vector<DrawRecord> records = session.state.drawHistory().readAll();
    const std::vector<std::size_t> chosen = chosenDraws(records, arguments);
    if (options.json) {
        Json draws = Json::array();
        for (const std::size_t k : chosen)
            draws.push_back(drawJson(records[k], static_cast<int>(k)));
        out << Json{{"draws", draws}}.dump() << '\n';
        return 0;
    }
    const TextFormat format = session.state.textFormat();
    for (const std::size_t k : chosen)
        out << k << ' ' << drawLine(format, records[k]) << '\n';
    return 0;
}

} // namespace

void addDrawCommands(CommandLine& commandLine) {
    auto file = std::make_shared<std::filesystem::path>();
    commandLine
        .add("import", "store the draws of a CSV file, replacing by date",
             [file](const CliOptions& options, std::ostream& out) {
                 return runImport(options, *file, out);
             })
        ->add_option("FILE.csv", *file,
                     "date,white1,..,white5,powerball,power_play, or the public results: "
                     "Draw Date,Winning Numbers,Multiplier")
        ->required();
    auto draws = std::make_shared<DrawsArguments>();
    CLI::App* list = commandLine.add("draws", "list the stored draws",
                                     [draws](const CliOptions& options, std::ostream& out) {
                                         return runDraws(options, *draws, out);
                                     });
    list->add_option("--from", draws->from, "the first day")
        ->transform(isoDate())
        ->type_name("YYYY-MM-DD");
    list->add_option("--to", draws->to, "the last day")
        ->transform(isoDate())
        ->type_name("YYYY-MM-DD");
    list->add_option("--last", draws->last, "only the newest N of them")
        ->check(CLI::PositiveNumber)
        ->type_name("N");
}

} // namespace powerball::cli
