// powerball-server as a client sees it.
#include "Eventually.h"
#include "LoopbackSocket.h"
#include "UpdateServerProcess.h"

#include "draws/DrawHistory.h"
#include "platform/http/CurlHttpClient.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <fstream>
#include <thread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace powerball;
using namespace powerball::testing;

namespace {

class UpdateServerTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directory(folder.file("scripts"));
        std::filesystem::create_directory(folder.file("files"));
        std::ofstream(folder.file("scripts") / "Lotto.vks.txt") << "script";
        std::ofstream(folder.file("scripts") / ".hidden.txt") << "hidden";
        std::ofstream(folder.file("files") / "pilotexp.exe") << "MZ";
        std::ofstream(folder.file("secret.txt")) << "secret";
        // Links inside a served folder: to a file outside it, and to one inside it.
        std::filesystem::create_symlink(folder.file("secret.txt"),
                                        folder.file("scripts") / "linked.txt");
        std::filesystem::create_symlink("/etc/passwd", folder.file("files") / "passwd");
        std::filesystem::create_symlink(folder.file("scripts") / "Lotto.vks.txt",
                                        folder.file("scripts") / "Alias.txt");
        // A draw file serves as well as a CSV.
        writeDrawFile(folder, {draw("2015-10-07", {1, 2, 3, 4, 5}, 6, 2),
                               draw("2015-10-10", {7, 19, 33, 45, 60}, 12, 3),
                               draw("2015-10-10", {8, 20, 34, 46, 61}, 13, 4)});
        server = std::make_unique<UpdateServerProcess>(
            folder, folder.file("Powerball.dat"), "2015-10-21",
            std::vector<std::string>{"--scripts", folder.file("scripts").string(), "--files",
                                     folder.file("files").string()});
    }
    HttpResponse get(const std::string& path) {
        HttpRequest request;
        request.url = server->base() + path;
        return client.get(request);
    }

    TempFolder folder;
    std::unique_ptr<UpdateServerProcess> server;
    CurlHttpClient client;
};

TEST_F(UpdateServerTest, AnswersTheDrawsOfADay) {
    struct Case {
        const char* query;
        int status;
        const char* body;
    };
    const std::vector<Case> cases{
        {"Programm=PowerBall&Datum=20151007", 200, "1,2,3,4,5,6,2\r\n"},
        {"Programm=PowerBall&Datum=20151010", 200, "7,19,33,45,60,12,3\r\n8,20,34,46,61,13,4\r\n"},
        {"Programm=PowerBall&Datum=20151008", 404, ""}, // no draw day
        {"Programm=PowerBall&Datum=20151003", 404, ""}, // before the history
        {"Programm=PowerBall&Datum=20151014", 200,
         "Die Ziehung vom 14.10.2015 liegt noch nicht vor.\r\n"},
        {"Programm=PowerBall&Datum=20151021", 200,
         "Die Ziehung vom 21.10.2015 liegt noch nicht vor.\r\n"},
        {"Programm=PowerBall&Datum=20151015", 404, ""}, // after the newest, but no draw day
        {"Programm=PowerBall&Datum=20151024", 404, ""}, // after today
        {"Programm=PowerBall&Datum=20151301", 400, nullptr},
        {"Programm=PowerBall&Datum=2015107", 400, nullptr},
        {"Programm=Lotto&Datum=20151007", 400, nullptr},
        {"Datum=20151007", 400, nullptr},
        {"Programm=PowerBall&Datum=20151007&Datum=20151010", 400, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.query);
        const HttpResponse response = get(std::string("/zahlen/powerball.asp?") + c.query);
        EXPECT_FALSE(response.failed()) << response.error;
        EXPECT_EQ(response.statusCode, c.status);
        if (c.body) {
            EXPECT_EQ(response.body, c.body);
        }
    }
    // One log line per request, after the start line. The server logs after it answered:
    // wait for the lines to come.
    const auto lineCount = [this] {
        const std::string log = server->log();
        return std::count(log.begin(), log.end(), '\n');
    };
    const long expected = 1 + static_cast<long>(cases.size());
    EXPECT_TRUE(eventually([&] { return lineCount() >= expected; }));
    EXPECT_EQ(lineCount(), expected);
    const std::string log = server->log();
    EXPECT_NE(log.find("GET /zahlen/powerball.asp?Programm=PowerBall&Datum=20151010 200"),
              std::string::npos);
}

TEST_F(UpdateServerTest, NewDrawsAreServedWithoutARestart) {
    EXPECT_EQ(get("/zahlen/powerball.asp?Programm=PowerBall&Datum=20151014").body,
              "Die Ziehung vom 14.10.2015 liegt noch nicht vor.\r\n");
    DrawHistory(folder.file("Powerball.dat"))
        .insertOrReplace(draw("2015-10-14", {11, 21, 31, 41, 51}, 8, 10));
    EXPECT_EQ(get("/zahlen/powerball.asp?Programm=PowerBall&Datum=20151014").body,
              "11,21,31,41,51,8,10\r\n");
}

TEST_F(UpdateServerTest, HandsOutFilesOfItsFoldersOnly) {
    const HttpResponse script = get("/scripts/Lotto.vks.txt");
    EXPECT_EQ(script.statusCode, 200);
    EXPECT_EQ(script.body, "script");
    EXPECT_TRUE(script.lastModified);
    const HttpResponse installer = get("/dateien/pilotexp.exe");
    EXPECT_EQ(installer.statusCode, 200);
    EXPECT_EQ(installer.body, "MZ");
    EXPECT_EQ(get("/scripts/Alias.txt").body, "script"); // a link that stays inside

    for (const char* path :
         {"/scripts/..%2Fsecret.txt", "/scripts/%2E%2E%2Fsecret.txt", "/scripts/.hidden.txt",
          "/scripts/..%5Csecret.txt", "/dateien/..%2Fsecret.txt", "/dateien/%2Fetc%2Fpasswd",
          "/scripts/Lotto.vks", "/dateien/missing.exe", "/secret.txt", "/scripts/linked.txt",
          "/dateien/passwd"}) {
        SCOPED_TRACE(path);
        const HttpResponse response = get(path);
        EXPECT_EQ(response.statusCode, 404);
        EXPECT_EQ(response.body.find("secret"), std::string::npos);
        EXPECT_EQ(response.body.find("root:"), std::string::npos);
    }
}

// What a cache may keep and for how long: a past day's draws, and the 404 of a day without
// a draw, never change; the message that a draw is not in yet, and today's and later
// answers, hold for five minutes; the files for an hour. Each has a tag, and naming it
// gets 304.
TEST_F(UpdateServerTest, AnswersTellCachesHowLongTheyHold) {
    const std::string final = "public, max-age=31536000, immutable";
    const std::string fresh = "public, max-age=300";
    struct Case {
        std::string target;
        int status;
        std::string cacheControl;
    };
    const std::string day = "/zahlen/powerball.asp?Programm=PowerBall&Datum=";
    const std::vector<Case> cases{
        {day + "20151007", 200, final},
        {day + "20151008", 404, final}, // no draw day
        {day + "20151014", 200, fresh}, // a past draw day whose draw is not in yet
        {day + "20151021", 200, fresh}, // today
        {day + "20151024", 404, fresh}, // after today
        {"/scripts/Lotto.vks.txt", 200, "public, max-age=3600"},
        {"/dateien/pilotexp.exe", 200, "public, max-age=3600"},
    };
    const int port = server->port();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target);
        LoopbackSocket client(port);
        ASSERT_TRUE(client.send(getRequest(c.target)));
        const auto first = client.readAnswers(1, std::chrono::seconds(5));
        ASSERT_EQ(first.size(), 1u);
        EXPECT_EQ(first[0].status, c.status);
        EXPECT_EQ(first[0].header("Cache-Control"), c.cacheControl);
        const auto tag = first[0].header("ETag");
        ASSERT_TRUE(tag && tag->size() > 2 && tag->front() == '"') << first[0].head;
        if (c.target.starts_with("/scripts") || c.target.starts_with("/dateien")) {
            EXPECT_TRUE(first[0].header("Last-Modified"));
        }

        // The same connection: the tag alone, among others, weak; then another tag.
        ASSERT_TRUE(client.send(getRequest(c.target, "If-None-Match: " + *tag + "\r\n") +
                                getRequest(c.target, "If-None-Match: \"x\", W/" + *tag + "\r\n") +
                                getRequest(c.target, "If-None-Match: \"x\"\r\n")));
        const auto again = client.readAnswers(3, std::chrono::seconds(5));
        ASSERT_EQ(again.size(), 3u);
        for (int k : {0, 1}) {
            EXPECT_EQ(again[k].status, 304);
            EXPECT_EQ(again[k].body, "");
            EXPECT_EQ(again[k].header("ETag"), tag);
            EXPECT_EQ(again[k].header("Cache-Control"), c.cacheControl);
        }
        EXPECT_EQ(again[2].status, c.status);
        EXPECT_EQ(again[2].body, first[0].body);
    }

    // A new draw is a new answer with a new tag.
    const auto tagOf = [&](const std::string& target) {
        LoopbackSocket client(port);
        client.send(getRequest(target));
        const auto answers = client.readAnswers(1, std::chrono::seconds(5));
        return answers.empty() ? std::string() : answers[0].header("ETag").value_or("");
    };
    const std::string before = tagOf(day + "20151014");
    DrawHistory(folder.file("Powerball.dat"))
        .insertOrReplace(draw("2015-10-14", {11, 21, 31, 41, 51}, 8, 10));
    EXPECT_NE(tagOf(day + "20151014"), before);
}

// A client that sends its request a byte at a time and never ends it.
class DrippingClient {
public:
    explicit DrippingClient(int port) : m_socket(::socket(AF_INET, SOCK_STREAM, 0)) {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<std::uint16_t>(port));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        m_connected =
            ::connect(m_socket, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    }
    ~DrippingClient() { ::close(m_socket); }
    DrippingClient(const DrippingClient&) = delete;
    DrippingClient& operator=(const DrippingClient&) = delete;

    bool connected() const { return m_connected; }
    void drip() { ::send(m_socket, "G", 1, MSG_NOSIGNAL | MSG_DONTWAIT); }
    bool closedByServer() const {
        char byte = 0;
        const ssize_t got = ::recv(m_socket, &byte, 1, MSG_DONTWAIT);
        return got == 0 || (got < 0 && errno != EAGAIN && errno != EWOULDBLOCK);
    }

private:
    int m_socket;
    bool m_connected = false;
};

TEST_F(UpdateServerTest, SlowClientsDoNotKeepOthersWaiting) {
    const int port = std::stoi(server->base().substr(server->base().rfind(':') + 1));
    std::vector<std::unique_ptr<DrippingClient>> slow;
    for (int k = 0; k < 16; ++k) {
        slow.push_back(std::make_unique<DrippingClient>(port));
        ASSERT_TRUE(slow.back()->connected());
    }
    // Each slow client sends a byte of its request now and then: the pause between two is
    // how slow it is, not a wait of the test.
    std::atomic<bool> dripping = true;
    std::atomic<int> rounds = 0;
    std::thread dripper([&] {
        while (dripping) {
            for (const auto& client : slow)
                client->drip();
            ++rounds;
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
        }
    });
    // Every slow one has begun its request, and was taken before the requests below (the
    // server takes connections in the order they came), so each holds a worker meanwhile.
    EXPECT_TRUE(eventually([&] { return rounds > 0; }));

    for (int k = 0; k < 5; ++k) {
        const HttpResponse answer = get("/zahlen/powerball.asp?Programm=PowerBall&Datum=20151007");
        EXPECT_EQ(answer.statusCode, 200) << answer.error;
        EXPECT_EQ(answer.body, "1,2,3,4,5,6,2\r\n");
    }

    // However they drip, their time to send a request runs out.
    const auto allClosed = [&] {
        return std::all_of(slow.begin(), slow.end(),
                           [](const auto& client) { return client->closedByServer(); });
    };
    EXPECT_TRUE(eventually(allClosed));
    dripping = false;
    dripper.join();
}

} // namespace
