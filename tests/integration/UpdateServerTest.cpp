// powerball-server as a client sees it.
#include "UpdateServerProcess.h"

#include "draws/DrawHistory.h"
#include "http/CurlHttpClient.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <thread>

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
    // give it a moment.
    const auto lineCount = [this] {
        const std::string log = server->log();
        return std::count(log.begin(), log.end(), '\n');
    };
    const long expected = 1 + static_cast<long>(cases.size());
    for (int k = 0; k < 200 && lineCount() < expected; ++k)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
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

} // namespace
