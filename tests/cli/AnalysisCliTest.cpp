// The history search and both analyses on the command line: every dialog answered from the
// options, the reports as files.
#include "CliRun.h"
#include "TempFolder.h"
#include "TerminalRun.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

using nlohmann::json;
using powerball::testing::draw;
using powerball::testing::jsonOf;
using powerball::testing::ProgramRun;
using powerball::testing::readText;
using powerball::testing::runCli;
using powerball::testing::TempFolder;
using powerball::testing::TerminalRun;
using powerball::testing::writeDrawFile;

namespace fs = std::filesystem;

namespace {

class AnalysisCliTest : public ::testing::Test {
protected:
    void SetUp() override {
        // The 14th repeats the white numbers of the 7th.
        writeDrawFile(folder, {draw("2015-10-07", {1, 2, 3, 4, 5}, 6, 2),
                               draw("2015-10-10", {7, 19, 33, 45, 60}, 12, 3),
                               draw("2015-10-14", {1, 2, 3, 4, 5}, 8, 4),
                               draw("2015-10-17", {1, 2, 3, 40, 50}, 9, 2)});
    }

    // powerball-cli on the test's folder and settings, on a fixed day, as JSON.
    ProgramRun cli(const std::vector<std::string>& more) const {
        return runCli({"--folder", folder.path().string(), "--settings",
                       folder.file("settings.reg").string(), "--today", "2016-01-01", "--json"},
                      more);
    }

    json run(const std::vector<std::string>& arguments) const { return jsonOf(cli(arguments)); }

    TempFolder folder;
};

TEST_F(AnalysisCliTest, SearchAnswersEveryFindOrStopsAtTheFirst) {
    // Without the Powerball counted the preset threshold is 5: row 3 hits five on the 7th
    // and five with the Powerball on the 14th, row 1 five on the 10th.
    const std::vector<std::string> search{
        "search",      "--start",         "2015-10-01",  "--selected",   "2015-10-31",
        "--row",       "7,19,33,45,60,1", "--row",       "1,2,3,4,50,6", "--row",
        "1,2,3,4,5,8", "--set",           "CheckBox31=0"};
    const json all = run(search);
    EXPECT_EQ(all["threshold"], 5);
    EXPECT_EQ(all["reached_end"], true);
    EXPECT_EQ(all["hits"], json::parse(R"([
        {"date": "2015-10-07", "row": 3, "hits": 5, "pb": false},
        {"date": "2015-10-10", "row": 1, "hits": 5, "pb": false},
        {"date": "2015-10-14", "row": 3, "hits": 5, "pb": true}])"));
    // The rows as they stand against the last draw searched.
    ASSERT_EQ(all["rows"].size(), 12u);
    EXPECT_EQ(all["rows"][0], "0");
    EXPECT_EQ(all["rows"][1], "4");
    EXPECT_EQ(all["rows"][2], "3");
    EXPECT_EQ(all["current_draw"]["date"], "2015-10-17");

    std::vector<std::string> higher = search;
    higher.insert(higher.end(), {"--threshold", "6"});
    const json none = run(higher);
    EXPECT_EQ(none["threshold"], 6);
    EXPECT_EQ(none["hits"], json::array());

    std::vector<std::string> first = search;
    first.push_back("--first");
    const json stopped = run(first);
    EXPECT_EQ(stopped["reached_end"], false);
    EXPECT_EQ(stopped["hits"], json::parse(R"([
        {"date": "2015-10-07", "row": 3, "hits": 5, "pb": false}])"));
    // The rows below the one that asked were not compared yet.
    EXPECT_EQ(stopped["rows"][1], "4 + PB");
    EXPECT_EQ(stopped["rows"][2], "5");
    EXPECT_EQ(stopped["rows"][3], "");
    EXPECT_EQ(stopped["current_draw"]["date"], "2015-10-07");
}

TEST_F(AnalysisCliTest, DrawAnalysisAfterTheNewestDrawHasNothingToCompare) {
    // A draw is never compared with itself: without a later draw the analysis says so and
    // writes no report.
    const ProgramRun result = cli({"analyse", "draws", "--from", "2015-10-20", "--threshold", "5"});
    EXPECT_NE(result.exitCode, 0);
    EXPECT_NE(result.err.find("Nach der Ziehung vom 17.10.2015 gibt es keine weitere Ziehung"),
              std::string::npos)
        << result.err;
    EXPECT_FALSE(fs::exists(folder.file("Test.rtf")));
}

TEST_F(AnalysisCliTest, DrawAnalysisStoppedAtTheFirstFindWritesNoReport) {
    const fs::path copy = folder.file("copy.txt");
    const json result = run({"analyse", "draws", "--from", "2015-10-07", "--start", "2015-10-07",
                             "--threshold", "5", "--first", "--report", copy.string()});
    EXPECT_EQ(result["ended_by_user"], true);
    EXPECT_EQ(result["hits"], json::parse(R"([
        {"earlier_date": "2015-10-07", "draw_date": "2015-10-14", "hits": 5}])"));
    EXPECT_EQ(result["report_file"], nullptr);
    EXPECT_FALSE(fs::exists(folder.file("Test.rtf")));
    EXPECT_FALSE(fs::exists(copy));

    // Answered Yes, the find is counted and the analysis goes on to its report.
    const json all = run({"analyse", "draws", "--from", "2015-10-07", "--start", "2015-10-07",
                          "--threshold", "5", "--report", copy.string()});
    EXPECT_EQ(all["ended_by_user"], false);
    EXPECT_EQ(all["passes"], 3);
    EXPECT_EQ(all["earlier"][5], 1);
    EXPECT_EQ(readText(copy), readText(folder.file("Test.rtf")));
}

TEST_F(AnalysisCliTest, SettingsAnalysisStartedTodayAndItsReportCopy) {
    const fs::path copy = folder.file("copy.txt");
    const json result = run({"analyse", "settings", "--from", "2016-01-01", "--lucky", "4711",
                             "--report", copy.string()});
    EXPECT_EQ(result["steps"], 0);
    EXPECT_EQ(result["planned_steps"], 0);
    EXPECT_EQ(result["stopped"], false);
    EXPECT_EQ(result["sums"], json::parse("[[0,0],[0,0],[0,0],[0,0],[0,0],[0,0]]"));
    EXPECT_EQ(result["expected"], json::parse("[[0,0],[0,0],[0,0],[0,0],[0,0],[0,0]]"));
    EXPECT_EQ(result["verdict"], json::parse(R"({"observed_three_or_more": 0,
        "expected_three_or_more": 0, "chance_at_least_as_good": 1})"));
    EXPECT_EQ(result["report_file"], folder.file("Test.rtf").string());
    EXPECT_EQ(result["report_copy"], copy.string());

    std::string lines;
    for (const json& line : result["report"])
        lines += line.get<std::string>() + "\r\n";
    EXPECT_EQ(lines.substr(0, 31), "Aktuelle Einstellung brachten\r\n");
    EXPECT_EQ(readText(copy), lines);
    EXPECT_EQ(readText(folder.file("Test.rtf")), lines);
}

TEST_F(AnalysisCliTest, WrongValuesAreUsageErrors) {
    const std::vector<std::vector<std::string>> lines{
        {"search", "--threshold", "fünf"},
        {"analyse", "draws", "--from", "2015-10-07", "--threshold", "5x"},
        {"analyse", "draws", "--threshold", "5"},
        {"analyse", "settings", "--from", "2015-10-07", "--lucky", "Glück"},
        {"analyse", "settings", "--from", "1997-11-04", "--lucky", "1"},
    };
    for (const std::vector<std::string>& line : lines) {
        const ProgramRun result = cli(line);
        EXPECT_EQ(result.exitCode, 1) << line[1] << ' ' << result.err;
    }
    EXPECT_FALSE(fs::exists(folder.file("Test.rtf")));
}

// A heavy settings analysis from 1997 takes hours. On a terminal it shows its progress on
// stderr, and Ctrl+C ends it after the current step with the report of the steps done, as
// the window's stop does; before, it ran without a sign of life and Ctrl+C lost everything.
TEST_F(AnalysisCliTest, ALongAnalysisOnATerminalShowsProgressAndStopsOnCtrlC) {
    TerminalRun run(POWERBALL_CLI,
                    {"--folder", folder.path().string(), "--settings",
                     folder.file("settings.reg").string(), "--today", "2016-01-01", "--json",
                     "analyse", "settings", "--from", "1997-11-05", "--lucky", "4711", "--set",
                     "UpDown1=279", "--set", "UpDown2=21", "--set", "UpDown7=30000"});
    const std::string shown =
        run.readTerminalUntil([](const std::string& text) { return !text.empty(); });
    ASSERT_FALSE(shown.empty()) << "no progress on the terminal";
    run.interrupt();
    std::string out;
    EXPECT_EQ(run.finish(out), 130);
    const json result = json::parse(out);
    EXPECT_EQ(result["stopped"], true);
    EXPECT_LT(result["steps"].get<int>(), result["planned_steps"].get<int>());
    EXPECT_EQ(readText(folder.file("Test.rtf")).substr(0, 29), "Aktuelle Einstellung brachten");
}

} // namespace
