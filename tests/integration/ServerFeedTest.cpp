// powerball-server --feed: the draw file kept current from the public results, as a feed
// served on a loopback port gives them.
#include "ChildProcess.h"
#include "FakeHttpServer.h"
#include "UpdateServerProcess.h"

#include "draws/DrawHistory.h"
#include "platform/http/CurlHttpClient.h"

#include <gtest/gtest.h>

#include <atomic>
#include <csignal>
#include <mutex>
#include <thread>

using namespace powerball;
using namespace powerball::testing;

namespace {

// Waits (10 s at most) until the log holds `text` `times` times.
bool logShows(const UpdateServerProcess& server, const std::string& text, int times = 1) {
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < giveUp) {
        const std::string log = server.log();
        int found = 0;
        for (auto at = log.find(text); at != std::string::npos; at = log.find(text, at + 1))
            ++found;
        if (found >= times)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

class ServerFeedTest : public ::testing::Test {
protected:
    void SetUp() override {
        writeDrawFile(folder, {draw("2015-10-07", {1, 2, 3, 4, 5}, 6, 2)});
        feed.routes().Get("/rows.csv", [this](const httplib::Request& request,
                                              httplib::Response& response) {
            const std::lock_guard lock(mutex);
            conditions.push_back(request.get_header_value("If-None-Match"));
            if (failing) {
                response.status = 500;
                return;
            }
            response.set_header("ETag", "\"v1\"");
            if (request.get_header_value("If-None-Match") == "\"v1\"") {
                response.status = 304;
                return;
            }
            response.set_content("Draw Date,Winning Numbers,Multiplier\n"
                                 "10/24/2015,09 10 11 12 13 14,2\n" // after the server's today
                                 "10/14/2015,11 21 31 41 51 08,10\n"
                                 "10/10/2015,07 19 33 45 60 12,3\n"
                                 "10/07/2015,01 02 03 04 05 26,2\n" // differs from the stored draw
                                 "not a draw\n",
                                 "text/csv");
        });
        feed.start();
    }
    std::string get(const std::string& base, const std::string& day) {
        HttpRequest request;
        request.url = base + "/zahlen/powerball.asp?Programm=PowerBall&Datum=" + day;
        return client.get(request).body;
    }

    TempFolder folder;
    FakeHttpServer feed;
    std::mutex mutex;
    std::vector<std::string> conditions; // the If-None-Match of each request
    bool failing = false;
    CurlHttpClient client;
};

TEST_F(ServerFeedTest, NewDrawsOfTheFeedAreServedAndTheFeedIsAskedConditionally) {
    const UpdateServerProcess server(folder, folder.file("Powerball.dat"), "2015-10-21",
                                     {"--feed", feed.base() + "/rows.csv"});
    ASSERT_TRUE(logShows(server, "powerball-server: feed: 2 new draws of 3, skipped 1 line "
                                 "(line 6: "))
        << server.log();
    EXPECT_TRUE(logShows(server, ", 1 dated after today left out")) << server.log();
    EXPECT_EQ(get(server.base(), "20151010"), "7,19,33,45,60,12,3\r\n");
    EXPECT_EQ(get(server.base(), "20151014"), "11,21,31,41,51,8,10\r\n");
    EXPECT_EQ(get(server.base(), "20151007"), "1,2,3,4,5,6,2\r\n"); // a stored draw stays
    EXPECT_EQ(DrawHistory(folder.file("Powerball.dat")).readAll().size(), 3u);

    server.signal(SIGHUP); // refresh now: the feed has not changed
    EXPECT_TRUE(logShows(server, "powerball-server: feed: not modified")) << server.log();

    {
        const std::lock_guard lock(mutex);
        failing = true;
    }
    server.signal(SIGHUP);
    EXPECT_TRUE(logShows(server, "powerball-server: feed: failed: the answer was \"HTTP/1.1 500 "
                                 "Internal Server Error\"; serving the draws it has"))
        << server.log();
    EXPECT_EQ(get(server.base(), "20151014"), "11,21,31,41,51,8,10\r\n");
    const std::lock_guard lock(mutex);
    ASSERT_EQ(conditions.size(), 3u);
    EXPECT_EQ(conditions[0], "");
    EXPECT_EQ(conditions[1], "\"v1\"");
}

TEST_F(ServerFeedTest, TheFeedNeedsADrawFile) {
    const auto csv = writeCsv(folder, "draws.csv", {draw("2015-10-07", {1, 2, 3, 4, 5}, 6, 2)});
    const ProgramRun run = runProgram(POWERBALL_SERVER, {"--draws", csv.string(), "--port", "0",
                                                         "--feed", feed.base() + "/rows.csv"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("--feed merges into a draw file"), std::string::npos) << run.err;
}

} // namespace
