#include "CliSession.h"
#include "Commands.h"
#include "JsonOutput.h"

#include "app/evaluation/AnalysisReport.h"
#include "rules/language/LanguageFiles.h"
#include "rules/output/TipListing.h"

#include <iomanip>
#include <ostream>
#include <system_error>
#include <utility>
#include <vector>

namespace powerball::cli {

namespace {

int runPaths(const CliOptions& options, std::ostream& out) {
    CliSession session(options);
    const ProgramFolder& folder = session.programFolder;
    const AppState& state = session.state;
    std::error_code error;
    const bool installed = std::filesystem::is_directory(folder.installedData, error);
    const std::vector<std::pair<const char*, std::filesystem::path>> places{
        {"program_folder", folder.folder},
        {"draw_file", state.drawHistory().path()},
        {"settings_file", session.settingsStore().path()},
        {"sound_file", state.soundPath()},
        {"language_folder", LanguageFiles::folder(folder.folder)},
        {"tip_folder", state.tipFolder()},
        {"script_folder", state.scriptFolder()},
        {"listing_file", folder.folder / TipListing::kFileName},
        {"report_file", folder.folder / AnalysisReport::kFileName},
        {"installed_data", folder.installedData},
    };
    const std::string source(ProgramFolder::sourceName(folder.source));
    if (options.json) {
        Json paths = {{"source", source}, {"installed_data_found", installed}};
        for (const auto& [name, path] : places)
            paths[name] = path.string();
        out << paths.dump() << '\n';
        return 0;
    }
    for (const auto& [name, path] : places) {
        out << std::left << std::setw(16) << name << path.string();
        if (path == folder.folder)
            out << " (" << source << ")";
        if (path == folder.installedData && !installed)
            out << ' ' << state.messages.text(Msg::CliMissing);
        out << '\n';
    }
    return 0;
}

} // namespace

void addFolderCommands(CommandLine& commandLine) {
    commandLine.add(
        "paths", "print the folders and files the program uses",
        [](const CliOptions& options, std::ostream& out) { return runPaths(options, out); });
}

} // namespace powerball::cli
