#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace powerball {

// The folder the program keeps its draw file, reports, tip files and languages in.
struct ProgramFolder {
    enum class Source {
        Option,        // --folder DIR
        BesideProgram, // the executable's folder already holds the draw file (a build tree
                       // or a portable copy)
        PerUser,       // the user's own data folder, seeded from the installed data
    };

    std::filesystem::path folder;
    Source source = Source::PerUser;
    // Where an installed program keeps what it ships: `<prefix>/share/velmar-powerball`
    // beside `<prefix>/bin`.
    std::filesystem::path installedData;

    static constexpr std::string_view kDataFolderName = "velmar-powerball";

    // The two environment values the choice reads; the faces pass the process's own.
    struct Environment {
        std::optional<std::string> xdgDataHome;
        std::optional<std::string> home;
        static Environment ofProcess();
    };

    // --folder when given, else the executable's folder when it holds "Powerball.dat", else
    // $XDG_DATA_HOME/Velmar/PowerBall (~/.local/share/Velmar/PowerBall when that is unset
    // or not absolute, as the XDG rules say). Throws std::runtime_error when the per-user
    // folder is needed and there is no home folder to put it in.
    static ProgramFolder choose(const std::optional<std::filesystem::path>& option,
                                const std::filesystem::path& executableFolder,
                                const Environment& environment);

    // Seeds the per-user folder from the installed data (see UserFolderSeed); the other
    // folders are used as they are. Returns the message of a failed seeding: the program
    // still starts, on what the folder holds.
    std::optional<std::string> prepare() const;

    static std::filesystem::path perUserFolder(const Environment& environment);
    static std::string_view sourceName(Source source);
};

} // namespace powerball
