#include "app/ProgramFolder.h"

#include "app/UserFolderSeed.h"
#include "draws/DrawHistory.h"

#include <cstdlib>
#include <stdexcept>
#include <system_error>

namespace powerball {

namespace {

std::optional<std::string> environmentValue(const char* name) {
    const char* value = std::getenv(name);
    if (!value || !*value)
        return std::nullopt;
    return std::string(value);
}

} // namespace

ProgramFolder::Environment ProgramFolder::Environment::ofProcess() {
    return {environmentValue("XDG_DATA_HOME"), environmentValue("HOME")};
}

std::filesystem::path ProgramFolder::perUserFolder(const Environment& environment) {
    std::filesystem::path data;
    if (environment.xdgDataHome && std::filesystem::path(*environment.xdgDataHome).is_absolute())
        data = *environment.xdgDataHome;
    else if (environment.home && !environment.home->empty())
        data = std::filesystem::path(*environment.home) / ".local" / "share";
    else
        throw std::runtime_error("Es gibt keinen Benutzerordner für die Daten des Programms "
                                 "(weder XDG_DATA_HOME noch HOME ist gesetzt).");
    return data / "Velmar" / "PowerBall";
}

ProgramFolder ProgramFolder::choose(const std::optional<std::filesystem::path>& option,
                                    const std::filesystem::path& executableFolder,
                                    const Environment& environment) {
    ProgramFolder chosen;
    chosen.installedData =
        (executableFolder.parent_path() / "share" / kDataFolderName).lexically_normal();
    if (option) {
        chosen.folder = std::filesystem::absolute(*option);
        chosen.source = Source::Option;
        return chosen;
    }
    std::error_code error;
    if (std::filesystem::is_regular_file(executableFolder / DrawHistory::kFileName, error)) {
        chosen.folder = executableFolder;
        chosen.source = Source::BesideProgram;
        return chosen;
    }
    chosen.folder = perUserFolder(environment);
    chosen.source = Source::PerUser;
    return chosen;
}

std::optional<std::string> ProgramFolder::prepare() const {
    if (source != Source::PerUser)
        return std::nullopt;
    try {
        UserFolderSeed::seed(folder, installedData);
    } catch (const std::exception& failure) {
        return std::string("Der Datenordner ") + folder.string() +
               " konnte nicht vollständig eingerichtet werden: " + failure.what();
    }
    return std::nullopt;
}

std::string_view ProgramFolder::sourceName(Source source) {
    switch (source) {
    case Source::Option:
        return "option";
    case Source::BesideProgram:
        return "program";
    case Source::PerUser:
        break;
    }
    return "user";
}

} // namespace powerball
