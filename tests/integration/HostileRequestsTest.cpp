// powerball-server against requests written to break it: raw bytes on a socket, since a
// client library would mend the paths and the request lines first.
#include "LoopbackSocket.h"
#include "UpdateServerProcess.h"

#include "platform/http/CurlHttpClient.h"

#include <gtest/gtest.h>

#include <fstream>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

using namespace powerball;
using namespace powerball::testing;

namespace fs = std::filesystem;

namespace {

// Sends the bytes on a fresh connection and returns what came back until the server closed
// it or went quiet (a second before the answer, 200 ms within it).
std::string roundTrip(int port, const std::string& request) {
    const int socket = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    timeval limit{1, 0};
    ::setsockopt(socket, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
    ::setsockopt(socket, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
    std::string answer;
    if (::connect(socket, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
        // The server may cut a request off before it has all of it: a failed send is fine.
        for (std::size_t sent = 0; sent < request.size();) {
            const ssize_t n =
                ::send(socket, request.data() + sent, request.size() - sent, MSG_NOSIGNAL);
            if (n <= 0)
                break;
            sent += static_cast<std::size_t>(n);
        }
        char buffer[4096];
        for (ssize_t n; (n = ::recv(socket, buffer, sizeof buffer, 0)) > 0;) {
            answer.append(buffer, static_cast<std::size_t>(n));
            // The rest of an answer follows at once; the connection may be kept open after it.
            timeval rest{0, 200 * 1000};
            ::setsockopt(socket, SOL_SOCKET, SO_RCVTIMEO, &rest, sizeof rest);
        }
    }
    ::close(socket);
    return answer;
}

std::string get(const std::string& target) {
    return "GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n";
}

class HostileRequestsTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directory(folder.file("scripts"));
        fs::create_directory(folder.file("files"));
        std::ofstream(folder.file("scripts") / "Lotto.vks.txt") << "script";
        std::ofstream(folder.file("secret.txt")) << "secret";
        // Links out of the served folders: to a file, to a system file, to a folder.
        fs::create_symlink(folder.file("secret.txt"), folder.file("scripts") / "linked.txt");
        fs::create_symlink("/etc/passwd", folder.file("files") / "passwd");
        fs::create_symlink(folder.path(), folder.file("scripts") / "up.txt");
        fs::create_symlink(folder.path(), folder.file("files") / "up");
        writeDrawFile(folder, {draw("2015-10-07", {1, 2, 3, 4, 5}, 6, 2)});
        server = std::make_unique<UpdateServerProcess>(
            folder, folder.file("Powerball.dat"), "2015-10-21",
            std::vector<std::string>{"--scripts", folder.file("scripts").string(), "--files",
                                     folder.file("files").string()});
        port = std::stoi(server->base().substr(server->base().rfind(':') + 1));
    }
    // The server still answers an honest request.
    void expectServing() {
        const std::string answer =
            roundTrip(port, get("/zahlen/powerball.asp?Programm=PowerBall&Datum=20151007"));
        EXPECT_TRUE(answer.starts_with("HTTP/1.1 200 OK\r\n")) << answer;
        EXPECT_TRUE(answer.ends_with("\r\n\r\n1,2,3,4,5,6,2\r\n")) << answer;
    }

    TempFolder folder;
    std::unique_ptr<UpdateServerProcess> server;
    int port = 0;
};

TEST_F(HostileRequestsTest, NoPathLeadsOutOfTheServedFolders) {
    const std::vector<std::string> targets{
        "/scripts/../secret.txt",
        "/scripts/%2e%2e/secret.txt",
        "/scripts/..%2fsecret.txt",
        "/scripts/%2e%2e%2fsecret.txt",
        "/scripts/%252e%252e%252fsecret.txt", // encoded twice
        "/scripts/..%255csecret.txt",
        "/scripts/..%5csecret.txt",
        "/scripts/....//secret.txt",
        "/scripts/%2fsecret.txt",
        "/scripts/secret.txt%00.txt",
        "/scripts/%c0%ae%c0%ae%c0%afsecret.txt", // overlong UTF-8 dots and slash
        "/dateien/..%2f..%2f..%2f..%2f..%2f..%2fetc%2fpasswd",
        "/dateien/%2e%2e/%2e%2e/%2e%2e/%2e%2e/etc/passwd",
        "/dateien/..",
        "/scripts/linked.txt",
        "/dateien/passwd",
        "/scripts/up.txt",
        "/dateien/up",
        "/dateien/up%2fsecret.txt",
        "/zahlen/../secret.txt",
        "http://127.0.0.1/scripts/../secret.txt",
    };
    for (const std::string& target : targets) {
        SCOPED_TRACE(target);
        const std::string answer = roundTrip(port, get(target));
        // Refused one way or another, and nothing of the file in it.
        EXPECT_TRUE(answer.starts_with("HTTP/1.1 404") || answer.starts_with("HTTP/1.1 400"))
            << answer;
        EXPECT_EQ(answer.find("secret"), std::string::npos);
        EXPECT_EQ(answer.find("root:"), std::string::npos);
    }
    EXPECT_TRUE(roundTrip(port, get("/scripts/Lotto.vks.txt")).ends_with("\r\n\r\nscript"));
}

TEST_F(HostileRequestsTest, BrokenRequestsAreRefusedAndTheServerServesOn) {
    struct Case {
        const char* name;
        std::string request;
        const char* alsoAnswered = nullptr; // a refusal of its own kind, beside the 4xx
    };
    const std::vector<Case> cases{
        {"a word alone", "GARBAGE\r\n\r\n"},
        {"a method alone", "GET\r\n\r\n"},
        {"no version", "GET /zahlen/powerball.asp\r\n\r\n"},
        {"an unknown version", "GET / HTTP/9.9\r\n\r\n", "HTTP/1.1 505 "},
        {"four parts", "GET / HTTP/1.1 more\r\n\r\n"},
        {"empty lines", "\r\n\r\n\r\n\r\n"},
        {"NUL bytes", std::string("GET /\0/ HTTP/1.1\r\n\r\n", 20)},
        {"terminal escapes", "GET /\x1b[2J\x1b]0;owned\x07 HTTP/1.1\r\n\r\n"},
        {"binary noise", std::string("\x16\x03\x01\x02\x00\x01\x00\x01\xfc\x03\x03", 11)},
        {"a path of 64 KB", get("/" + std::string(64 * 1024, 'a'))},
        {"a header of 1 MB",
         "GET / HTTP/1.1\r\nX-Big: " + std::string(1024 * 1024, 'b') + "\r\n\r\n"},
        {"a header without a colon", "GET / HTTP/1.1\r\nno colon here\r\n\r\n"},
        {"a body length that lies",
         "POST /zahlen/powerball.asp HTTP/1.1\r\nContent-Length: 99999999999\r\n\r\nab"},
        {"a negative body length",
         "POST /zahlen/powerball.asp HTTP/1.1\r\nContent-Length: -5\r\n\r\n"},
        {"broken chunks",
         "POST / HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\nzz\r\nab\r\n0\r\n\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string answer = roundTrip(port, c.request);
        // A refusal, or the connection closed without an answer; never a crash.
        EXPECT_TRUE(answer.empty() || answer.starts_with("HTTP/1.1 4") ||
                    (c.alsoAnswered && answer.starts_with(c.alsoAnswered)))
            << answer.substr(0, 200);
        expectServing();
    }
}

// A header that never ends, in lines of 4 KB (each under the library's line limit): the
// server keeps what it reads, so it has to stop reading long before the 256 MiB on offer
// here have arrived.
TEST_F(HostileRequestsTest, AHeaderWithoutEndIsCutOff) {
    const int socket = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    timeval limit{2, 0}; // a send that waits this long: the server reads no more
    ::setsockopt(socket, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
    ASSERT_EQ(::connect(socket, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    std::string lines;
    for (int k = 0; k < 64; ++k)
        lines += "X-Padding: " + std::string(4080, 'p') + "\r\n";
    std::string request = "GET /zahlen/powerball.asp HTTP/1.1\r\n" + lines;
    constexpr std::size_t kOffered = 256u << 20;
    std::size_t sent = 0;
    while (sent < kOffered) {
        const ssize_t n = ::send(socket, request.data(), request.size(), MSG_NOSIGNAL);
        if (n <= 0)
            break;
        sent += static_cast<std::size_t>(n);
        request = lines;
    }
    ::close(socket);
    EXPECT_LT(sent, kOffered);
    expectServing();
}

// Overlapping byte ranges used to multiply the answer: each range a copy of the file.
TEST_F(HostileRequestsTest, ManyRangesGetTheFileOnce) {
    const std::string content(1024 * 1024, 'x');
    std::ofstream(folder.file("files") / "big.bin", std::ios::binary) << content;
    std::string ranges = "bytes=0-";
    for (int k = 0; k < 1500; ++k)
        ranges += ",0-";
    LoopbackSocket client(port);
    ASSERT_TRUE(client.connected());
    ASSERT_TRUE(client.send(getRequest("/dateien/big.bin", "Range: " + ranges + "\r\n")));
    const auto answers = client.readAnswers(1, std::chrono::seconds(10));
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers[0].status, 200);
    EXPECT_EQ(answers[0].body.size(), content.size());
    EXPECT_FALSE(client.readAnswers(1, std::chrono::milliseconds(200)).size()); // nothing more
    expectServing();
}

// Requests sent back to back before any answer, the last with the client's sending side
// already closed: each is answered, in the order asked.
TEST_F(HostileRequestsTest, PipelinedRequestsAreAnsweredInOrder) {
    writeDrawFile(folder, {draw("2015-10-07", {1, 2, 3, 4, 5}, 6, 2),
                           draw("2015-10-10", {7, 19, 33, 45, 60}, 12, 3)});
    const std::string day = "/zahlen/powerball.asp?Programm=PowerBall&Datum=";
    LoopbackSocket client(port);
    ASSERT_TRUE(client.connected());
    ASSERT_TRUE(client.send(getRequest(day + "20151010") + getRequest(day + "20151008") +
                            getRequest(day + "20151007") + getRequest("/scripts/Lotto.vks.txt")));
    client.closeSending();
    const auto answers = client.readAnswers(5, std::chrono::seconds(10));
    ASSERT_EQ(answers.size(), 4u);
    EXPECT_EQ(answers[0].body, "7,19,33,45,60,12,3\r\n");
    EXPECT_EQ(answers[1].status, 404);
    EXPECT_EQ(answers[2].body, "1,2,3,4,5,6,2\r\n");
    EXPECT_EQ(answers[3].body, "script");
}

} // namespace
