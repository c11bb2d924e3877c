// The wheel verb: a proven wheel as JSON, its rows against a stored draw, its tip files.
#include "CliRun.h"
#include "TempFolder.h"
#include "TerminalRun.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>
#include <sstream>

using nlohmann::json;
using powerball::testing::draw;
using powerball::testing::ProgramRun;
using powerball::testing::runCli;
using powerball::testing::TempFolder;
using powerball::testing::TerminalRun;
using powerball::testing::writeDrawFile;

namespace {

class WheelCliTest : public ::testing::Test {
protected:
    void SetUp() override { writeDrawFile(folder, {draw("2016-01-06", {3, 5, 8, 40, 50}, 7, 2)}); }

    ProgramRun cli(const std::vector<std::string>& more) const {
        return runCli({"--folder", folder.path().string(), "--settings",
                       folder.file("settings.reg").string(), "--today", "2016-01-08"},
                      more);
    }

    TempFolder folder;
};

TEST_F(WheelCliTest, JsonHoldsTheProvenWheelItsBoundAndItsCheck) {
    const ProgramRun run = cli({"--json", "wheel", "--numbers", "1,2,3,4,5,6,7,8", "--guarantee",
                                "3if3", "--powerballs", "7,9", "--seconds", "1", "--seed", "5",
                                "--check", "2016-01-06", "--out", folder.file("wheel").string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const json result = json::parse(run.out);
    EXPECT_EQ(result["guarantee"], json::parse(R"({"t":3,"m":3,"proven":true})"));
    EXPECT_EQ(result["seed"], 5);
    EXPECT_GE(result["count"], result["lower_bound"]);
    ASSERT_EQ(result["rows"].size(), result["count"]);
    EXPECT_EQ(result["rows"][0].size(), 6u);
    EXPECT_EQ(result["rows"][0][5], 7);
    EXPECT_EQ(result["rows"][1][5], 9);
    // 3 and 5 and 8 were drawn: some row holds all three, as the guarantee promises.
    const json& checked = result["check"];
    EXPECT_EQ(checked["date"], "2016-01-06");
    int best = 0;
    for (const json& row : checked["rows"])
        best = std::max(best, row["hits"].get<int>());
    EXPECT_GE(best, 3);
    ASSERT_EQ(result["files"].size(), 1u); // up to 12 rows: one tip file
    std::ifstream file(result["files"][0].get<std::string>(), std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    EXPECT_EQ(bytes.str().find(","), result["rows"][0][0].dump().size());
}

TEST_F(WheelCliTest, WrongInputIsAUsageErrorAndAMissingDrawADataError) {
    const struct {
        std::vector<std::string> arguments;
        int exitCode;
        std::string says = {};
    } cases[] = {
        {{"wheel", "--numbers", "1,2,3,4,5", "--guarantee", "3if3"}, 1},
        {{"wheel", "--numbers", "1,2,3,4,5,70", "--guarantee", "3if3"}, 1},
        {{"wheel", "--numbers", "1,2,3,4,5,6", "--guarantee", "4if3"}, 1},
        {{"wheel", "--numbers", "1,2,3,4,5,6"}, 1},
        {{"wheel", "--numbers", "1,2,3,4,5,6", "--full", "--powerball", "27"}, 1},
        {{"wheel", "--numbers", "1,2,3,4,5,6", "--full", "--check", "2016-01-09"},
         2,
         "Für den 2016-01-09 ist keine Ziehung gespeichert."},
    };
    for (const auto& c : cases) {
        const ProgramRun run = cli(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
        EXPECT_FALSE(run.err.empty());
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
    }
}

// The text speaks the language of --lang, money written as that language writes it.
TEST_F(WheelCliTest, TheFullWheelIsEveryRowOfFiveInTheLanguageInUse) {
    const struct {
        std::vector<std::string> language;
        std::vector<std::string> lines;
    } cases[] = {
        {{"--lang", "1"},
         {"21 Reihen, mindestens 21 möglich", "Kosten: 42 $, mit Power Play 63 $",
          "Der Powerball gehört nicht zur Garantie.", "Treffer: 5 + PB  Gewinnklasse: 5 + PB"}},
        {{"--lang", "2"},
         {"21 plays, at least 21 possible", "Cost: $42, with Power Play $63",
          "The Powerball is not part of the guarantee.", "Hits: 5 + PB  Prize tier: 5 + PB"}},
    };
    std::filesystem::copy(std::filesystem::path(POWERBALL_SOURCE_DIR) / "data" / "Land",
                          folder.file("Land"));
    for (const auto& c : cases) {
        std::vector<std::string> arguments = c.language;
        for (const char* more : {"wheel", "--numbers", "3,5,8,40,50,1,2", "--full", "--powerball",
                                 "7", "--check", "2016-01-06"})
            arguments.emplace_back(more);
        const ProgramRun run = cli(arguments);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        for (const std::string& line : c.lines)
            EXPECT_NE(run.out.find(line), std::string::npos) << line << "\n" << run.out;
    }
}

// A search of ten minutes on a terminal: the status line shows the smallest wheel so far, and
// Ctrl+C ends the search with the best proven wheel, printed, and the exit code of a stop.
TEST_F(WheelCliTest, CtrlCStopsALongSearchWithTheBestWheelSoFar) {
    TerminalRun run(POWERBALL_CLI,
                    {"--folder", folder.path().string(), "--settings",
                     folder.file("settings.reg").string(), "--json", "wheel", "--numbers",
                     "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25",
                     "--guarantee", "4if4", "--seconds", "600"});
    const std::string shown = run.readTerminalUntil([](const std::string& text) {
        return text.find("bestes Rad bisher") != std::string::npos;
    });
    ASSERT_NE(shown.find("Suche läuft – bestes Rad bisher: "), std::string::npos) << shown;
    run.interrupt();
    std::string out;
    EXPECT_EQ(run.finish(out), 130);
    const json result = json::parse(out);
    EXPECT_EQ(result["stopped"], true);
    EXPECT_EQ(result["guarantee"]["proven"], true);
    EXPECT_EQ(result["rows"].size(), result["count"]);
    EXPECT_LT(result["seconds"].get<double>(), 600.0);
}

} // namespace
