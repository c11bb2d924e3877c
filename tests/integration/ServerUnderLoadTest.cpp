// powerball-server when many clients hold connections: kept-alive clients, idle connections
// and more connection attempts than it has descriptors for. What counts is that every
// client is answered, and answered in time, not how fast.
#include "ChildProcess.h"
#include "LoopbackSocket.h"
#include "UpdateServerProcess.h"

#include "platform/http/CurlHttpClient.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <iostream>
#include <thread>

#include <sys/resource.h>

using namespace powerball;
using namespace powerball::testing;

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

const std::string kDayTarget = "/zahlen/powerball.asp?Programm=PowerBall&Datum=20151007";
const std::string kDayAnswer = "1,2,3,4,5,6,2\r\n";

class ServerUnderLoadTest : public ::testing::Test {
protected:
    void SetUp() override {
        raiseOpenFileLimit();
        rlimit files{};
        getrlimit(RLIMIT_NOFILE, &files);
        if (files.rlim_cur < 4096)
            GTEST_SKIP() << "the test holds 2,200 connections, the open-file limit is "
                         << files.rlim_cur;
        writeDrawFile(folder, {draw("2015-10-07", {1, 2, 3, 4, 5}, 6, 2)});
    }

    // Sends one request on the client's connection and reads its answer.
    static bool askKept(LoopbackSocket& client) {
        if (!client.send(getRequest(kDayTarget)))
            return false;
        const auto answers = client.readAnswers(1, std::chrono::seconds(10));
        return answers.size() == 1 && answers[0].status == 200 && answers[0].body == kDayAnswer;
    }

    TempFolder folder;
};

// The kept-alive clients take turns without pause on one thread, so one of their requests
// is always on its way while the normal client asks.
TEST_F(ServerUnderLoadTest, KeptAndIdleConnectionsLeaveRoomForANormalClient) {
    // Long enough that the held connections stay open for the whole test.
    const UpdateServerProcess server(folder, folder.file("Powerball.dat"), "2015-10-21",
                                     {"--request-timeout", "60", "--idle-timeout", "60"});
    std::vector<std::unique_ptr<LoopbackSocket>> idle;
    for (int k = 0; k < 2000; ++k) {
        idle.push_back(std::make_unique<LoopbackSocket>(server.port(), clientAddress(1, k, 100)));
        ASSERT_TRUE(idle.back()->connected()) << "idle connection " << k;
    }
    std::vector<std::unique_ptr<LoopbackSocket>> kept;
    for (int k = 0; k < 200; ++k) {
        kept.push_back(std::make_unique<LoopbackSocket>(server.port(), clientAddress(2, k, 100)));
        ASSERT_TRUE(kept.back()->connected()) << "kept-alive client " << k;
        ASSERT_TRUE(askKept(*kept.back())) << "kept-alive client " << k;
    }

    std::atomic<bool> running = true;
    std::atomic<int> keptAnswered = 0;
    std::atomic<int> keptFailed = 0;
    std::thread keptClients([&] {
        // Every kept-alive client asks at least once more while the normal client asks.
        for (std::size_t turn = 0; running || turn < kept.size(); ++turn)
            ++(askKept(*kept[turn % kept.size()]) ? keptAnswered : keptFailed);
    });

    CurlHttpClient client;
    HttpRequest request;
    request.url = server.base() + kDayTarget;
    std::vector<double> latencies;
    int answered = 0;
    for (int k = 0; k < 100; ++k) {
        const auto start = Clock::now();
        const HttpResponse response = client.get(request);
        latencies.push_back(
            std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        answered += response.statusCode == 200 && response.body == kDayAnswer;
    }
    running = false;
    keptClients.join();

    EXPECT_EQ(answered, 100);
    EXPECT_GE(keptAnswered, 200);
    EXPECT_EQ(keptFailed, 0);
    std::sort(latencies.begin(), latencies.end());
    const double p99 = latencies[98];
    RecordProperty("p99_ms", std::to_string(p99));
    std::cout << "normal client: p50 " << latencies[49] << " ms, p99 " << p99 << " ms; "
              << keptAnswered << " kept-alive answers meanwhile\n";
    // The goal is 50 ms; the bound leaves room for a machine busy with other builds, and
    // still fails a server whose workers are all taken (it answered after seconds).
    EXPECT_LT(p99, 500.0) << "p50 " << latencies[49] << " ms";
    const auto stillOpen = std::count_if(
        idle.begin(), idle.end(), [](const auto& socket) { return !socket->closedByServer(); });
    EXPECT_EQ(stillOpen, 2000);
}

// 64 clients that keep their connections, as many as the old server had workers: the
// program's update still gets every day it asks for.
TEST_F(ServerUnderLoadTest, AnUpdateSucceedsWhileSixtyFourClientsKeepTheirConnections) {
    TempFolder serverFolder;
    writeDrawFile(serverFolder, {draw("2015-10-07", {1, 2, 3, 4, 5}, 6, 2),
                                 draw("2015-10-10", {7, 19, 33, 45, 60}, 12, 3),
                                 draw("2015-10-14", {11, 21, 31, 41, 51}, 8, 10)});
    const UpdateServerProcess server(serverFolder, serverFolder.file("Powerball.dat"),
                                     "2015-10-14");
    std::vector<std::unique_ptr<LoopbackSocket>> kept;
    for (int k = 0; k < 64; ++k) {
        kept.push_back(std::make_unique<LoopbackSocket>(server.port()));
        ASSERT_TRUE(askKept(*kept.back())) << "kept-alive client " << k;
    }
    const ProgramRun run =
        runProgram(POWERBALL_CLI, {"--folder", folder.path().string(), "--settings",
                                   folder.file("registry.reg").string(), "--today", "2015-10-14",
                                   "update", "--base", server.base()});
    EXPECT_EQ(run.exitCode, 0) << run.out << run.err;
    // No Land/ beside the draws: the built-in German texts.
    EXPECT_NE(run.out.find("Abgefragte Tage: 2, angefügte Ziehungen: 2"), std::string::npos)
        << run.out;
    for (const auto& client : kept)
        EXPECT_TRUE(askKept(*client)); // and the kept connections still serve
}

// Under a limit of 1,024 open files, 1,500 connection attempts from many addresses: the
// excess is refused at once, the rest are cut when their time for a request runs out, and
// a normal client is answered again from then on.
TEST_F(ServerUnderLoadTest, MoreConnectionsThanDescriptorsAreRefusedAndServingGoesOn) {
    constexpr int kAttempts = 1500;
    constexpr int kRequestSeconds = 4;
    const UpdateServerProcess server(folder, folder.file("Powerball.dat"), "2015-10-21",
                                     {"--request-timeout", std::to_string(kRequestSeconds)}, 1024);
    // The start line names the limit the server chose under the descriptor limit.
    const std::string started = server.log();
    const auto limitAt = started.find("at most ");
    const int maxConnections =
        limitAt == std::string::npos ? 1024 : std::stoi(started.substr(limitAt + 8));
    ASSERT_LE(maxConnections, 1024);

    const auto attempted = Clock::now();
    std::vector<std::unique_ptr<LoopbackSocket>> attempts;
    for (int k = 0; k < kAttempts; ++k)
        attempts.push_back(std::make_unique<LoopbackSocket>(server.port(), clientAddress(3, k, 100),
                                                            milliseconds(0)));
    const auto refusedCount = [&] {
        return std::count_if(attempts.begin(), attempts.end(),
                             [](const auto& socket) { return socket->closedByServer(); });
    };
    // The excess is closed long before any request time has run out.
    const auto excess = kAttempts - maxConnections;
    while (refusedCount() < excess &&
           Clock::now() < attempted + std::chrono::seconds(kRequestSeconds - 1))
        std::this_thread::sleep_for(milliseconds(20));
    EXPECT_GE(refusedCount(), excess);

    CurlHttpClient client;
    HttpRequest request;
    request.url = server.base() + kDayTarget;
    request.connectTimeout = request.readTimeout = std::chrono::seconds(2);
    const auto giveUp = Clock::now() + std::chrono::seconds(kRequestSeconds + 10);
    HttpResponse response;
    while ((response = client.get(request)).statusCode != 200 && Clock::now() < giveUp)
        std::this_thread::sleep_for(milliseconds(50)); // refused: asks again a little later
    EXPECT_EQ(response.statusCode, 200) << response.error;
    EXPECT_EQ(response.body, kDayAnswer);
    for (int k = 0; k < 20; ++k)
        EXPECT_EQ(client.get(request).body, kDayAnswer);
}

} // namespace
