// The filters verb: what the acceptance filters cost, as JSON and as the window's line.
#include "CliRun.h"
#include "TempFolder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using nlohmann::json;
using powerball::testing::draw;
using powerball::testing::ProgramRun;
using powerball::testing::runCli;
using powerball::testing::TempFolder;
using powerball::testing::writeDrawFile;

namespace {

class FilterCliTest : public ::testing::Test {
protected:
    void SetUp() override {
        writeDrawFile(folder, {draw("2015-12-30", {11, 21, 31, 44, 55}, 9),
                               draw("2016-01-02", {1, 2, 3, 4, 5}, 6),
                               draw("2016-01-06", {10, 20, 30, 40, 50}, 7),
                               draw("2016-01-09", {10, 20, 51, 41, 30}, 7)});
    }

    ProgramRun cli(const std::vector<std::string>& more) const {
        return runCli({"--folder", folder.path().string(), "--settings",
                       folder.file("settings.reg").string(), "--today", "2016-01-20"},
                      more);
    }

    TempFolder folder;
};

TEST_F(FilterCliTest, JsonOfTheHistoryFreeFiltersIsExact) {
    const ProgramRun run = cli({"--json", "filters", "--start", "2016-01-02", "--set",
                                "CheckBox9=0", "--set", "CheckBox28=0", "--set", "UpDown2=239"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const json result = json::parse(run.out);
    EXPECT_EQ(result["exact"], true);
    // Cross sums 50..239 without a run of three or a pair at the top.
    const double share = result["share"];
    EXPECT_GT(share, 0.5);
    EXPECT_LT(share, 1.0);
    EXPECT_EQ(result["interval"], json::array({share, share}));
    EXPECT_EQ(result["draws_judged"], 3);
    EXPECT_EQ(result["draws_kept"], 2);
    EXPECT_EQ(result["per_filter"], json::parse(R"([{"name":"no_groups","draws_rejected":1},
                                                     {"name":"cross_sum","draws_rejected":1}])"));
}

TEST_F(FilterCliTest, HistoryFiltersSampleAndTheLineIsGerman) {
    const ProgramRun run = cli({"--json", "filters", "--start", "2016-01-02"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const json result = json::parse(run.out);
    EXPECT_EQ(result["exact"], false);
    EXPECT_EQ(result["sample_rows"], 200000);
    EXPECT_LE(result["interval"][0], result["share"]);
    EXPECT_GE(result["interval"][1], result["share"]);
    EXPECT_EQ(result["draws_kept"], 1);
    EXPECT_EQ(result["per_filter"].back(),
              json::parse(R"({"name":"recent_win","draws_rejected":1})"));

    const ProgramRun text = cli({"filters", "--start", "2016-01-02"});
    ASSERT_EQ(text.exitCode, 0) << text.err;
    EXPECT_NE(text.out.find(" aller Reihen zu und hätten 1 der 3 Ziehungen seit 02.01.2016 "
                            "zugelassen (33,3 %)"),
              std::string::npos)
        << text.out;
}

} // namespace
