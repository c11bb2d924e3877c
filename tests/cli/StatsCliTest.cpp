// The statistics verb: the chart as JSON.
#include "CliRun.h"
#include "TempFolder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using nlohmann::json;
using powerball::testing::draw;
using powerball::testing::jsonOf;
using powerball::testing::ProgramRun;
using powerball::testing::runCli;
using powerball::testing::runProgram;
using powerball::testing::TempFolder;
using powerball::testing::writeDrawFile;

namespace {

class StatsCliTest : public ::testing::Test {
protected:
    void SetUp() override {
        writeDrawFile(folder, {draw("2015-10-07", {1, 2, 3, 4, 5}, 6),
                               draw("2015-10-10", {10, 20, 30, 40, 50}, 7),
                               draw("2015-10-14", {28, 29, 30, 31, 50}, 7)});
    }

    // The statistics verb on the test's folder, on a fixed day.
    ProgramRun cli(const std::vector<std::string>& more) const {
        return runCli(
            {"--folder", folder.path().string(), "--today", "2016-01-01", "--json", "stats"}, more);
    }

    json chart(const std::vector<std::string>& arguments) const { return jsonOf(cli(arguments)); }

    TempFolder folder;
};

TEST_F(StatsCliTest, FrequencyChartAsJson) {
    const json result = chart({"frequency", "--start", "2015-10-07", "--selected", "2015-10-12"});
    EXPECT_EQ(result["caption"], "Zahlenverteilung     Ziehungen: 2    Quersumme: 82");
    EXPECT_EQ(result["axis"], json::parse(R"({"automatic": false, "min": 0, "max": 1})"));
    ASSERT_EQ(result["bars"].size(), 69u);
    EXPECT_EQ(result["bars"][0], json::parse(R"({"x": 1, "value": 1, "color": "#008000"})"));
    EXPECT_EQ(result["bars"][1], json::parse(R"({"x": 2, "value": 1, "color": "#ff0000"})"));
    EXPECT_EQ(result["bars"][29]["value"], 1); // 30 of the second draw; the third is after
    EXPECT_EQ(result["bars"].dump().find("28,"), std::string::npos);
}

TEST_F(StatsCliTest, EveryKind) {
    struct Case {
        const char* kind;
        std::size_t bars;
        const char* caption;
        bool automatic;
    };
    const Case cases[] = {
        {"frequency", 69, "Zahlenverteilung     Ziehungen: 3    Quersumme: 111", false},
        {"overdue", 69,
         "Welche Zahl ist überfällig, wurde als seit wievielen Ziehungen nicht gezogen?", false},
        {"powerball", 26, "Wie oft wurden die einzelnen Sternenzahlen gezogen?", false},
        {"powerball-overdue", 26, "Welche Powerballzahl wurde am längsten nicht gezogen?", false},
        {"pairs", 68, "Ziehungen: 2   Paare gefunden:3", false},
        {"triples", 67, "Ziehungen: 2   Dreier gefunden:2", false},
        {"quads", 69, "Ziehungen: 2   Vierer gefunden:1", true},
        {"cross-sums", 19, "Quersummenverteilung     Ziehungen: 2    Quersumme: 159", true},
    };
    for (const Case& c : cases) {
        const json result = chart({c.kind, "--start", "2015-10-07", "--selected", "2015-10-14"});
        EXPECT_EQ(result["bars"].size(), c.bars) << c.kind;
        EXPECT_EQ(result["caption"], c.caption) << c.kind;
        EXPECT_EQ(result["axis"]["automatic"], c.automatic) << c.kind;
    }
}

TEST_F(StatsCliTest, TipDistributionTakesRows) {
    const json result = chart({"tips", "--row", "1,2,3,4,5,6,", "--row", "5,6,7,8,47,1,"});
    EXPECT_EQ(result["caption"], "Zahlenverteilung des Tippes");
    EXPECT_EQ(result["bars"][4]["value"], 2);
    EXPECT_EQ(result["bars"][46], json::parse(R"({"x": 47, "value": 1, "color": "#ff0000"})"));
    EXPECT_EQ(result["axis"], json::parse(R"({"automatic": false, "min": 0, "max": 2})"));
}

TEST_F(StatsCliTest, EmptyWindowLeavesTheCaptionEmpty) {
    const json result = chart({"frequency", "--start", "2015-11-01", "--selected", "2015-12-01"});
    EXPECT_EQ(result["caption"], "");
    EXPECT_EQ(result["axis"], json::parse(R"({"automatic": false, "min": 0, "max": 0})"));
    EXPECT_EQ(chart({"cross-sums", "--start", "2015-11-01", "--selected", "2015-12-01"})["bars"],
              json::array());
}

TEST_F(StatsCliTest, ExitCodes) {
    struct Case {
        std::vector<std::string> arguments;
        int exitCode;
    };
    const Case cases[] = {
        {{}, 1},
        {{"medians"}, 1},
        {{"pairs", "--row", "1,2,3,4,5,6,"}, 1},
        {{"pairs", "--start", "1997-11-04"}, 1},
        {{"pairs", "--selected", "2015-02-30"}, 1},
        {{"pairs", "--start"}, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(cli(c.arguments).exitCode, c.exitCode) << ::testing::PrintToString(c.arguments);

    TempFolder empty;
    EXPECT_EQ(
        runProgram(POWERBALL_CLI, {"--folder", empty.path().string(), "stats", "pairs"}).exitCode,
        2);
}

} // namespace
