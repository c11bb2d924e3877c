#include "CliSession.h"
#include "Commands.h"
#include "JsonOutput.h"

#include "draws/DrawImport.h"

#include <memory>
#include <ostream>
#include <stdexcept>

namespace powerball::cli {

namespace {

int runImport(const CliOptions& options, const std::filesystem::path& file, std::ostream& out) {
    CliSession session(options);
    const DrawHistory history = session.state.drawHistory();
    std::vector<DrawRecord> draws = readDrawCsv(file);
    if (draws.empty())
        throw std::runtime_error(file.string() + " holds no draws: nothing was stored");
    const std::size_t imported = draws.size();
    importDraws(history, std::move(draws));
    const auto count = history.readAll().size();
    if (options.json)
        out << Json{{"imported", imported}, {"records", count}}.dump() << '\n';
    else
        out << imported << " draws imported, " << count << " records in " << history.path().string()
            << '\n';
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
        ->add_option("FILE.csv", *file, "date,white1,..,white5,powerball,power_play")
        ->required();
    commandLine.add("draws", "list every stored draw", runDraws);
}

} // namespace powerball::cli
