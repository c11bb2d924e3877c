// powerball-cli enter and delete, as a user runs them.
#include "CliRun.h"
#include "TempFolder.h"

#include "draws/DrawHistory.h"

#include <cmath>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using nlohmann::json;
using namespace powerball;
using namespace powerball::testing;

namespace {

class MaintenanceCliTest : public ::testing::Test {
protected:
    void SetUp() override {
        writeDrawFile(folder, {draw("2015-10-07", {1, 2, 3, 4, 5}, 6, 2),
                               draw("2015-10-10", {7, 19, 33, 45, 60}, 12, 3),
                               draw("2015-10-14", {11, 21, 31, 41, 51}, 8, 10)});
    }
    ProgramRun cli(const std::vector<std::string>& more) const {
        return runCli({"--folder", folder.path().string(), "--today", "2016-01-01", "--json"},
                      more);
    }
    std::size_t recordCount() const {
        return DrawHistory::inFolder(folder.path()).readAll().size();
    }

    TempFolder folder;
};

TEST_F(MaintenanceCliTest, EnterStoresSortedAndShowsTheOpenedDraw) {
    ProgramRun run = cli(
        {"enter", "--date", "2015-10-17", "--white", "45,3,67,12,8", "--pb", "26", "--pp", "0"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    json result = json::parse(run.out);
    EXPECT_EQ(result["stored"], json::parse(R"({"index":3,"date":"2015-10-17",
        "white":[3,8,12,45,67],"powerball":26,"power_play":0})"));
    EXPECT_EQ(result["current_draw"]["date"], "2015-10-14"); // the newest, as the dialog opened

    // A stored date is replaced, and then shown.
    run =
        cli({"enter", "--date", "2015-10-10", "--white", "1,2,3,4,69", "--pb", "1", "--pp", "11"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    result = json::parse(run.out);
    EXPECT_EQ(result["stored"]["index"], 1);
    EXPECT_EQ(result["current_draw"]["white"], json::parse("[1,2,3,4,69]"));
    EXPECT_EQ(recordCount(), 4u);
}

TEST_F(MaintenanceCliTest, DeleteRemovesTheDrawOfTheDateOnly) {
    ProgramRun run = cli({"delete", "--date", "2015-10-10"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    json result = json::parse(run.out);
    EXPECT_EQ(result["removed"], 1);
    EXPECT_EQ(result["current_draw"]["date"], "2015-10-14");
    EXPECT_EQ(result["current_draw"]["index"], 1);

    // No draw on that date: nothing goes, the next later draw least of all.
    run = cli({"delete", "--date", "2015-10-10"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("Für den 10.10.2015 ist keine Ziehung gespeichert."), std::string::npos);
    EXPECT_EQ(recordCount(), 2u);
}

TEST_F(MaintenanceCliTest, WrongArgumentsChangeNothing) {
    const std::vector<std::vector<std::string>> wrong{
        {"enter", "--date", "2015-10-17", "--white", "1,2,3,4,70", "--pb", "1", "--pp", "0"},
        {"enter", "--date", "2015-10-17", "--white", "1,2,3,4", "--pb", "1", "--pp", "0"},
        {"enter", "--date", "2015-10-17", "--white", "1,2,3,4,5,", "--pb", "1", "--pp", "0"},
        {"enter", "--date", "2015-10-17", "--white", "1,2,3,4,5", "--pb", "40", "--pp", "0"},
        {"enter", "--date", "2015-10-17", "--white", "1,2,3,4,5", "--pb", "1", "--pp", "12"},
        {"enter", "--date", "2015-10-17", "--white", "1,2,3,4,5", "--pb", "1"},
        {"enter", "--date", "2015-10-17", "--white", "5,2,3,4,5", "--pb", "1", "--pp", "0"},
        {"delete"},
        {"delete", "--date", "1997-11-04"},
    };
    const auto before = folder.readBytes("Powerball.dat");
    for (const auto& arguments : wrong) {
        SCOPED_TRACE(arguments.size());
        EXPECT_EQ(cli(arguments).exitCode, 1);
    }
    EXPECT_EQ(folder.readBytes("Powerball.dat"), before);
}

TEST_F(MaintenanceCliTest, ADamagedDrawFileIsReportedAndLeftAsItIs) {
    auto records = threeOctoberDraws();
    records[1].date = std::nan("");
    writeDrawFile(folder, records);
    auto bytes = folder.readBytes("Powerball.dat");
    const std::vector<std::string> enter{"enter", "--date", "2015-10-17", "--white", "1,2,3,4,5",
                                         "--pb",  "6",      "--pp",       "2"};
    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {"draws"}, enter, {"delete", "--date", "2015-10-07"}}) {
        const ProgramRun run = cli(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.front();
        EXPECT_NE(run.err.find("record 2 of"), std::string::npos) << run.err;
    }
    EXPECT_EQ(folder.readBytes("Powerball.dat"), bytes);

    // A partial record at the end is reported, not dropped.
    writeDrawFile(folder, threeOctoberDraws());
    bytes = folder.readBytes("Powerball.dat");
    bytes.resize(bytes.size() + 5);
    folder.writeBytes("Powerball.dat", bytes);
    const ProgramRun run = cli(enter);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("not a multiple of 32"), std::string::npos) << run.err;
    EXPECT_EQ(folder.readBytes("Powerball.dat"), bytes);
}

} // namespace
