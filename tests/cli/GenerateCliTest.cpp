// The generator verb: a run with a lucky number, a locked row and a stop, as JSON.
#include "CliRun.h"
#include "TempFolder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using nlohmann::json;
using powerball::testing::draw;
using powerball::testing::jsonOf;
using powerball::testing::ProgramRun;
using powerball::testing::runCli;
using powerball::testing::TempFolder;
using powerball::testing::writeDrawFile;

namespace {

class GenerateCliTest : public ::testing::Test {
protected:
    void SetUp() override {
        writeDrawFile(folder, {draw("2015-10-07", {1, 2, 3, 4, 5}, 6, 2),
                               draw("2015-10-10", {10, 20, 30, 40, 50}, 7, 3),
                               draw("2015-10-14", {28, 29, 33, 31, 51}, 8, 4)});
    }

    // The generator verb on the test's folder, from a fixed start to a fixed draw.
    ProgramRun cli(const std::vector<std::string>& more) const {
        return runCli({"--folder", folder.path().string(), "--settings",
                       folder.file("settings.reg").string(), "--today", "2016-01-01", "--json",
                       "generate", "--start", "2015-10-01", "--selected", "2015-10-14"},
                      more);
    }

    json generate(const std::vector<std::string>& arguments) const {
        return jsonOf(cli(arguments));
    }

    TempFolder folder;
};

TEST_F(GenerateCliTest, SeededRunWithALockedRow) {
    const json result = generate(
        {"--seed", "4711", "--rows", "4", "--lock", "2=3,17,22,45,61,9,", "--set", "CheckBox8=1"});
    EXPECT_EQ(result, generate({"--seed", "4711", "--rows", "4", "--lock", "2=3,17,22,45,61,9,",
                                "--set", "CheckBox8=1"}));

    ASSERT_EQ(result["rows"].size(), 12u);
    EXPECT_EQ(result["rows"][1]["fields"], json::parse(R"(["3","17","22","45","61","9",""])"));
    EXPECT_EQ(result["rows"][1]["locked"], true);
    for (int r : {0, 2, 3}) {
        EXPECT_NE(result["rows"][r]["fields"][0], "") << r;
        EXPECT_NE(result["rows"][r]["hit_text"], "") << r;
    }
    EXPECT_EQ(result["rows"][4]["fields"][0], "");
    EXPECT_EQ(result["rows"][4]["cross_sum_text"], "0");
    EXPECT_EQ(result["status"], json::parse(R"(["", "Tipps wurden neu berechnet"])"));
    EXPECT_EQ(result["max_runs"], 50000);
    EXPECT_GE(result["run_counter"].get<int>(), 3);
    EXPECT_EQ(result["last_draws"], json::parse(
                                        R"([[28,29,33,31,51,0,8,4],[10,20,30,40,50,0,7,3],
                                            [1,2,3,4,5,0,6,2]])"));
    // The last draw's white numbers are taken out of the pool.
    for (const json& entry : result["pool"])
        EXPECT_TRUE(entry != 28 && entry != 29 && entry != 33 && entry != 31 && entry != 51);
    EXPECT_EQ(result["options_after"],
              json::parse(R"({"CheckBox8": true, "UpDown4": 0, "UpDown5": 0, "UpDown6": 4})"));
    EXPECT_EQ(result["current_draw"]["date"], "2015-10-14");
}

TEST_F(GenerateCliTest, StopAfterAndUsage) {
    const json stopped = generate({"--stop-after", "0"});
    // Pressed while the pool is built, before the first candidate.
    EXPECT_EQ(stopped["run_counter"], 0);
    EXPECT_EQ(stopped["status"][0], "Stoppen");
    EXPECT_EQ(stopped["rows"][1]["fields"][0], "");

    EXPECT_EQ(cli({"--rows", "13"}).exitCode, 1);
    EXPECT_EQ(cli({"--lock", "2"}).exitCode, 1);
}

} // namespace
