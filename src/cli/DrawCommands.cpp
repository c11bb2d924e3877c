#include "CliSession.h"
#include "Commands.h"
#include "JsonOutput.h"

#include "draws/DrawImport.h"

#include <iostream>
#include <memory>
#include <ostream>
#include <stdexcept>

namespace powerball::cli {

namespace {

int runImport(const CliOptions& options, const std::filesystem::path& file, std::ostream& out) {
    CliSession session(options);
    const DrawHistory history = session.state.drawHistory();
    DrawCsvContent content = readAnyDrawCsv(file, session.ports.systemClock().today());
    // Skipped lines go to stderr, so that the JSON on stdout stays one document.
    for (const SkippedLine& skipped : content.skipped)
        std::cerr << file.string() << ", line " << skipped.line << " skipped: " << skipped.reason
                  << '\n';
    if (content.draws.empty())
        throw std::runtime_error(file.string() + " holds no draws: nothing was stored");
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
        out << imported << " draws imported (" << plan.added.size() << " new, "
            << plan.changed.size() << " changed, " << plan.unchanged << " unchanged), "
            << content.skipped.size() << " lines skipped, " << count << " records in "
            << history.path().string() << '\n';
    }
    return 0;
}

int runDraws(const CliOptions& options, std::ostream& out) {
    CliSession session(options);
    const std::vector<DrawRecord> records = session.state.drawHistory().readAll();
    if (options.json) {
        Json draws = Json::array();
        for (std::size_t k = 0; k < records.size(); ++k)
            draws.push_back(drawJson(records[k], static_cast<int>(k)));
        out << Json{{"draws", draws}}.dump() << '\n';
        return 0;
    }
    for (std::size_t k = 0; k < records.size(); ++k) {
        const DrawNumbers numbers = records[k].drawNumbers();
        out << k << ' ' << isoDay(records[k].date);
        for (int w = 1; w <= 5; ++w)
            out << ' ' << numbers.white(w);
        out << " PB " << numbers.powerball() << " PP " << numbers.powerPlay() << '\n';
    }
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
    commandLine.add("draws", "list every stored draw", runDraws);
}

} // namespace powerball::cli
