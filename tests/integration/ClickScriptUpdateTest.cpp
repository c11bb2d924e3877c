// The click-script update against powerball-server: the server dates its scripts with the
// file's time, and the program replaces only a local script older than that.
#include "FakeHttpServer.h"
#include "TempFolder.h"
#include "UpdateServerProcess.h"

#include "app/handover/ClickScriptStart.h"
#include "platform/http/CurlHttpClient.h"

#include <httplib.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

using namespace powerball;
using namespace powerball::testing;

namespace fs = std::filesystem;

namespace {

// Saturday, 1 February 2020, 12:34:56 UTC.
const std::chrono::sys_seconds kServerTime{std::chrono::seconds(1580560496)};

void writeFile(const fs::path& file, const std::string& bytes, std::chrono::sys_seconds time) {
    std::ofstream(file, std::ios::binary) << bytes;
    fs::last_write_time(file, std::chrono::file_clock::from_sys(time));
}

class ClickScriptUpdateTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directory(folder.file("scripts"));
        fs::create_directory(folder.file("Script"));
        writeFile(folder.file("scripts") / "Lotto.vks.txt", "server copy\r\n", kServerTime);
        writeDrawFile(folder, {draw("2015-10-07", {1, 2, 3, 4, 5}, 6, 2)});
        server = std::make_unique<UpdateServerProcess>(
            folder, folder.file("Powerball.dat"), "2015-10-21",
            std::vector<std::string>{"--scripts", folder.file("scripts").string()});
        internet.url = server->base();
    }

    TempFolder folder;
    std::unique_ptr<UpdateServerProcess> server;
    InternetOptions internet;
};

TEST_F(ClickScriptUpdateTest, TheAnswerIsDatedWithTheFilesTime) {
    httplib::Client client(server->base());
    const httplib::Result answer = client.Get("/scripts/Lotto.vks.txt");
    ASSERT_TRUE(answer) << httplib::to_string(answer.error());
    EXPECT_EQ(answer->status, 200);
    EXPECT_EQ(answer->get_header_value("Last-Modified"), "Sat, 01 Feb 2020 12:34:56 GMT");
}

TEST_F(ClickScriptUpdateTest, OnlyAnOlderLocalScriptIsReplaced) {
    struct Case {
        const char* name;
        std::chrono::seconds localAge; // how much older the local script is than the server's
        bool replaced;
    };
    const std::vector<Case> cases{
        {"a day older", std::chrono::hours(24), true},
        {"a second older", std::chrono::seconds(1), true},
        {"of the same second", std::chrono::seconds(0), false},
        {"a second newer", std::chrono::seconds(-1), false},
        {"a day newer", std::chrono::hours(-24), false},
    };
    CurlHttpClient http;
    const fs::path local = folder.file("Script") / "Lotto.vks";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeFile(local, "local copy\r\n", kServerTime - c.localAge);

        EXPECT_EQ(updateClickScript(internet, http, local), c.replaced);

        EXPECT_EQ(readText(local), c.replaced ? "server copy\r\n" : "local copy\r\n");
    }
}

// Answers the honest server would never give: no body, or a Last-Modified that lies ahead.
// None of them may replace the local script; before, each one did.
TEST(ClickScriptUpdate, AnEmptyBodyOrAFutureDateReplacesNothing) {
    struct Case {
        const char* name;
        std::string body;
        std::optional<std::string> lastModified;
        std::optional<std::string> date;
        bool replaced;
    };
    const std::vector<Case> cases{
        {"an empty body", "", "Sat, 01 Feb 2020 12:34:56 GMT", "Sat, 01 Feb 2020 13:00:00 GMT",
         false},
        {"a date in 2099 without the server's Date", "server copy\r\n",
         "Thu, 01 Jan 2099 00:00:00 GMT", std::nullopt, false},
        {"a date after the server's own Date", "server copy\r\n", "Sat, 01 Feb 2020 12:34:56 GMT",
         "Sat, 01 Feb 2020 12:00:00 GMT", false},
        {"a date in 2099 under a Date of 2099", "server copy\r\n", "Thu, 01 Jan 2099 00:00:00 GMT",
         "Thu, 01 Jan 2099 00:00:01 GMT", false},
        {"an honest answer", "server copy\r\n", "Sat, 01 Feb 2020 12:34:56 GMT",
         "Sat, 01 Feb 2020 13:00:00 GMT", true},
    };
    TempFolder folder;
    const fs::path local = folder.file("Lotto.vks");
    CurlHttpClient http;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeHttpServer server;
        server.routes().Get("/scripts/Lotto.vks.txt",
                            [&c](const httplib::Request&, httplib::Response& answer) {
                                if (c.lastModified)
                                    answer.set_header("Last-Modified", *c.lastModified);
                                if (c.date)
                                    answer.set_header("Date", *c.date);
                                answer.set_content(c.body, "text/plain");
                            });
        server.start();
        InternetOptions internet;
        internet.url = server.base();
        writeFile(local, "my own edit\r\n", kServerTime - std::chrono::hours(24));

        EXPECT_EQ(updateClickScript(internet, http, local), c.replaced);

        EXPECT_EQ(readText(local), c.replaced ? "server copy\r\n" : "my own edit\r\n");
    }
}

} // namespace
