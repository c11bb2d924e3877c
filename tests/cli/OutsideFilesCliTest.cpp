// Files that are not what they seem, given to the command line where it reads a file: a FIFO
// or a folder is refused at once with what it is, and a long walk through the draws reads the
// file once.
#include "ChildProcess.h"
#include "TempFolder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sys/stat.h>

using nlohmann::json;
using powerball::testing::draw;
using powerball::testing::ProgramRun;
using powerball::testing::runProgram;
using powerball::testing::TempFolder;
using powerball::testing::writeDrawFile;
using powerball::testing::writeText;

namespace fs = std::filesystem;

namespace {

enum class Kind { Fifo, Folder };

struct OddFile {
    const char* name;
    const char* place; // relative to the program folder
    Kind kind;
    std::vector<std::string> arguments; // after the common ones; "@" stands for the place
    int exitCode;
    const char* said; // on stderr
};

class OddFiles : public ::testing::TestWithParam<OddFile> {};

// Every reader used to wait for a writer of the FIFO for good; a folder given to the import
// said "basic_filebuf::underflow error reading the file", as the click script said "is
// missing". A settings file that cannot be read leaves the defaults and saves nothing.
INSTANTIATE_TEST_SUITE_P(
    Cases, OddFiles,
    ::testing::Values(
        OddFile{"TipFileFifo", "tips.vlt", Kind::Fifo, {"tips", "load", "@"}, 2, "FIFO"},
        OddFile{"ImportFifo", "draws.csv", Kind::Fifo, {"import", "@"}, 2, "FIFO"},
        OddFile{"ImportFolder", "draws.csv", Kind::Folder, {"import", "@"}, 2, "a folder"},
        OddFile{
            "SettingsFifo", "settings.reg", Kind::Fifo, {"--settings", "@", "draws"}, 0, "FIFO"},
        OddFile{"DrawFileFifo", "Powerball.dat", Kind::Fifo, {"draws"}, 2, "FIFO"},
        OddFile{"MessageFileFifo",
                "Land/Power_en.txt.meld",
                Kind::Fifo,
                {"--lang", "2", "draws"},
                2,
                "FIFO"},
        OddFile{"CaptionIndexFifo",
                "Land/powerball.txt",
                Kind::Fifo,
                {"--lang", "2", "draws"},
                2,
                "FIFO"},
        OddFile{"ClickScriptFifo",
                "Script/mine.vks",
                Kind::Fifo,
                {"handover", "--no-start", "--script", "@"},
                2,
                "ist eine FIFO (benannte Pipe), keine Datei"},
        OddFile{"ClickScriptFolder",
                "Script/mine.vks",
                Kind::Folder,
                {"handover", "--no-start", "--script", "@"},
                2,
                "ist ein Ordner, keine Datei"}),
    [](const auto& info) { return info.param.name; });

TEST_P(OddFiles, AreRefusedAtOnceWithWhatTheyAre) {
    const OddFile& odd = GetParam();
    TempFolder folder;
    writeDrawFile(folder, {draw("2015-10-07", {1, 2, 3, 4, 5}, 6, 2)});
    writeText(folder.file("Land") / "powerball.txt", "mainWindow\r\nx\r\ny\r\nz\r\n0\r\n");
    writeText(folder.file("Land") / "Power_en.txt", "Caption\r\nHint\r\n");
    writeText(folder.file("Land") / "Power_en.txt.meld", "message\r\n");
    const fs::path place = folder.path() / odd.place;
    fs::create_directories(place.parent_path());
    fs::remove(place);
    if (odd.kind == Kind::Fifo)
        ASSERT_EQ(::mkfifo(place.c_str(), 0644), 0);
    else
        fs::create_directory(place);

    std::vector<std::string> arguments{
        // A reader that blocks would hang the test: the limit turns that into a failure.
        "60", POWERBALL_CLI, "--folder", folder.path().string(), "--today", "2016-01-01"};
    if (odd.arguments.front() != "--settings")
        arguments.insert(arguments.end(), {"--settings", folder.file("other.reg").string()});
    for (const std::string& argument : odd.arguments)
        arguments.push_back(argument == "@" ? place.string() : argument);
    const ProgramRun run = runProgram("/usr/bin/timeout", arguments);

    EXPECT_EQ(run.exitCode, odd.exitCode) << run.err;
    EXPECT_NE(run.err.find(odd.said), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(place.string()), std::string::npos) << run.err;
}

// `browse --next N` read the whole file again for every step and took any N, so a large N
// ran for hours; the walk now reads the file once and ends at the last draw.
TEST(BrowseCli, AHugeStepCountEndsAtTheLastDraw) {
    TempFolder folder;
    writeDrawFile(folder, {draw("2015-10-07", {1, 2, 3, 4, 5}, 6, 2),
                           draw("2015-10-10", {7, 19, 33, 45, 60}, 12, 3),
                           draw("2015-10-14", {11, 21, 31, 41, 51}, 8, 4)});
    const auto browse = [&](const char* direction) {
        const ProgramRun run = runProgram(
            POWERBALL_CLI, {"--folder", folder.path().string(), "--settings",
                            folder.file("settings.reg").string(), "--today", "2016-01-01", "--json",
                            "browse", "--date", "2015-10-10", direction, "2147483647"});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        return run.exitCode == 0 ? json::parse(run.out) : json();
    };
    EXPECT_EQ(browse("--next")["selected_date"], "2015-10-14");
    EXPECT_EQ(browse("--previous")["selected_date"], "2015-10-07");
}

} // namespace
