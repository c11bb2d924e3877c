// powerball-cli update against powerball-server.
#include "ChildProcess.h"
#include "ClosedPort.h"
#include "FakeHttpServer.h"
#include "UpdateServerProcess.h"

#include "draws/DrawHistory.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using nlohmann::json;
using namespace powerball;
using namespace powerball::testing;

namespace {

TEST(CliUpdate, EmptyFolderGetsTheWholeHistoryFromNovember1997On) {
    TempFolder serverFolder;
    TempFolder client;
    std::vector<DrawRecord> expected;
    for (const DrawRecord& record : realHistory())
        if (record.date >= day("1997-11-08"))
            expected.push_back(record);
    const std::string newest = iso(expected.back().date);
    const UpdateServerProcess server(serverFolder, realHistoryCsv(), newest);

    const ProgramRun run =
        runProgram(POWERBALL_CLI, {"--folder", client.path().string(), "--today", newest, "--json",
                                   "update", "--base", server.base()});

    ASSERT_EQ(run.exitCode, 0) << run.err;
    const json result = json::parse(run.out);
    EXPECT_EQ(result["requests"].front(), "19971108");
    EXPECT_EQ(result["requests"].back(),
              DrawCalendar::yyyymmdd(static_cast<int>(expected.back().date)));
    EXPECT_EQ(result["requests"].size(), expected.size()); // a draw on every draw day
    EXPECT_EQ(result["appended"].size(), expected.size());
    EXPECT_EQ(result["appended"][0], json::parse(R"({"index":0,"date":"1997-11-08",
        "white":[7,17,21,40,49],"powerball":37,"power_play":0})"));
    EXPECT_TRUE(result["message"].is_null());
    EXPECT_EQ(result["current_draw"]["date"], newest);
    EXPECT_EQ(result["current_draw"]["index"], expected.size() - 1);
    EXPECT_EQ(DrawHistory::inFolder(client.path()).readAll(), expected);
    std::size_t mondays = 0;
    for (const DrawRecord& record : expected)
        mondays += DrawCalendar::weekday(static_cast<int>(record.date)) == 1;
    EXPECT_GT(mondays, 0u);
}

TEST(CliUpdate, ProxyMessageAndErrors) {
    TempFolder serverFolder;
    TempFolder client;
    const UpdateServerProcess server(serverFolder, realHistoryCsv(), "2099-12-31");
    writeDrawFile(client, {draw("2026-08-05", {14, 20, 59, 60, 61}, 25, 2)});
    const std::vector<std::string> common{"--folder", client.path().string(), "--today",
                                          "2026-08-12", "--json"};
    const auto cli = [&](std::vector<std::string> more) {
        std::vector<std::string> arguments = common;
        arguments.insert(arguments.end(), more.begin(), more.end());
        return runProgram(POWERBALL_CLI, arguments);
    };

    const ProgramRun run = cli({"update", "--base", server.base()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const json result = json::parse(run.out);
    EXPECT_EQ(result["requests"], json::parse(R"(["20260808"])"));
    EXPECT_EQ(result["appended"], json::array());
    EXPECT_EQ(result["message"], "Die Ziehung vom 08.08.2026 liegt noch nicht vor.");
    EXPECT_EQ(run.err, "Die Ziehung vom 08.08.2026 liegt noch nicht vor.\n");

    EXPECT_EQ(cli({"update", "--proxy", "127.0.0.1:80x"}).exitCode, 2);
    EXPECT_EQ(cli({"update", "--proxy", ":8080"}).exitCode, 1);
    EXPECT_EQ(cli({"update", "--port", "1"}).exitCode, 1);
}

TEST(CliUpdate, AFailedRequestIsReportedWithItsOwnExitCode) {
    TempFolder client;
    writeDrawFile(client, {draw("2015-10-10", {7, 19, 33, 45, 60}, 12, 3)});
    FakeHttpServer unavailable;
    unavailable.routes().Get(
        ".*", [](const httplib::Request&, httplib::Response& response) { response.status = 503; });
    unavailable.start();
    const ClosedPort nothingListens;
    for (const std::string& base : {unavailable.base(), nothingListens.base()}) {
        SCOPED_TRACE(base);
        const ProgramRun run =
            runProgram(POWERBALL_CLI, {"--folder", client.path().string(), "--today", "2015-10-24",
                                       "--json", "update", "--base", base});
        EXPECT_EQ(run.exitCode, 3);
        const json result = json::parse(run.out);
        EXPECT_EQ(result["requests"], json::parse(R"(["20151014"])"));
        ASSERT_TRUE(result["error"].is_string());
        EXPECT_NE(run.err.find(result["error"].get<std::string>()), std::string::npos);
    }
}

} // namespace
