// The whole update: DrawUpdate with the libcurl client against powerball-server and against
// servers inside the test, all on loopback ports.
#include "CallbackPump.h"
#include "ClosedPort.h"
#include "FakeHttpServer.h"
#include "ScriptedPrompts.h"
#include "UpdateServerProcess.h"

#include "app/draws/DrawUpdate.h"
#include "draws/DrawImport.h"
#include "platform/http/CurlHttpClient.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

using namespace powerball;
using namespace powerball::testing;
using namespace std::chrono_literals;

using powerball::testing::day;

namespace {

std::vector<std::string> yyyymmdd(const std::vector<DayNumber>& days) {
    std::vector<std::string> texts;
    for (const DayNumber d : days)
        texts.push_back(DrawCalendar::yyyymmdd(d));
    return texts;
}

std::vector<DrawRecord> historyBetween(const char* from, const char* to) {
    std::vector<DrawRecord> records;
    for (const DrawRecord& record : realHistory())
        if (record.date >= day(from) && record.date <= day(to))
            records.push_back(record);
    return records;
}

class UpdateIntegrationTest : public ::testing::Test {
protected:
    void SetUp() override {
        state.programFolder = client.path();
        state.internet.source = DrawSource::Server;
        state.checkEnabled = true;
        ports.http = &http;
        ports.prompts = &prompts;
        ports.events = &pump;
    }
    DrawUpdate::Result update(const std::string& base, const char* today,
                              const UpdateLimits& limits = {}) {
        const FixedClock clock(day(today));
        ports.clock = &clock;
        state.internet.url = base;
        return DrawUpdate::run(state, ports, limits);
    }
    std::vector<DrawRecord> stored() const { return state.drawHistory().readAll(); }
    const UpdateServerProcess& startServer(const std::filesystem::path& draws, const char* today) {
        server = std::make_unique<UpdateServerProcess>(serverFolder, draws, today);
        return *server;
    }

    TempFolder serverFolder;
    TempFolder client;
    // Goes after the client below: a connection the client keeps open would hold up the
    // server's end.
    std::unique_ptr<UpdateServerProcess> server;
    AppState state;
    CurlHttpClient http;
    ScriptedPrompts prompts;
    CallbackPump pump;
    Ports ports;
};

TEST_F(UpdateIntegrationTest, FetchesFromTheUpdateServerUntilItsMessage) {
    const std::vector<DrawRecord> served{
        draw("2015-10-07", {1, 2, 3, 4, 5}, 6, 2),
        draw("2015-10-10", {7, 19, 33, 45, 60}, 12, 3),
        draw("2015-10-14", {1, 2, 3, 4, 5}, 6, 2),
        // 17 October is missing: 404, skipped
        draw("2015-10-21", {11, 22, 33, 44, 55}, 8, 4),
        draw("2015-10-21", {12, 23, 34, 45, 56}, 9, 5),
        draw("2015-10-24", {69, 1, 40, 2, 30}, 26, 10),
    };
    startServer(writeCsv(serverFolder, "draws.csv", served), "2015-10-31");
    writeDrawFile(client, {served[0], served[1]});

    const DrawUpdate::Result result = update(server->base(), "2015-10-31");

    // 28 October is a draw day after the server's newest draw: its message ends the update.
    EXPECT_EQ(
        yyyymmdd(result.requests),
        (std::vector<std::string>{"20151014", "20151017", "20151021", "20151024", "20151028"}));
    EXPECT_EQ(result.message, "Die Ziehung vom 28.10.2015 liegt noch nicht vor.");
    EXPECT_EQ(prompts.plainTexts, std::vector<std::string>{*result.message});
    EXPECT_EQ(stored(), served);
    EXPECT_EQ(result.appended, std::vector<DrawRecord>(served.begin() + 2, served.end()));
    EXPECT_EQ(state.status[0], "HTTP/1.1 200 OK");
    EXPECT_EQ(state.status[1], "Keine Gewähr für die Richtigkeit der Zahlen!");
    // The views follow the file: the newest draw in full, as after any locate.
    EXPECT_EQ(state.databaseDrawText, "Sa 24.10.15    69  1  40  2  30   PB: 26 PP: 10");
    EXPECT_FALSE(state.updateRunning());
    EXPECT_EQ(server->log().find("Datum=20151031"), std::string::npos);
}

TEST_F(UpdateIntegrationTest, CalendarFromAStoredMondayIntoTheMondayDraws) {
    startServer(realHistoryCsv(), "2021-09-01");
    writeDrawFile(client, {draw("2021-08-16", {1, 2, 3, 4, 5}, 6)}); // a Monday, by hand

    const DrawUpdate::Result result = update(server->base(), "2021-09-01");

    EXPECT_EQ(yyyymmdd(result.requests),
              (std::vector<std::string>{"20210820", "20210823", "20210825", "20210828", "20210830",
                                        "20210901"}));
    EXPECT_EQ(result.appended, historyBetween("2021-08-22", "2021-09-01"));
    EXPECT_EQ(result.appended.size(), 5u);
    EXPECT_FALSE(result.message);
    EXPECT_EQ(DrawCalendar::isoDate(static_cast<int>(state.currentDraw.date)), "2021-09-01");
    EXPECT_EQ(state.drawIndex, 5);
}

TEST_F(UpdateIntegrationTest, AnswerFormsFromAnotherServer) {
    const std::map<std::string, std::string> bodies{
        {"20151014", " 10 , 20 ,30,40,50 , 7 , 3 \r\n"},
        {"20151017", "1,2,3,4,5,6,2\r\n2,3,4,5,6,7,3\r\n"},
        // 21 October: 404
        {"20151024", "4,5,6,7,8,9,2\r\n1,2,3,4,5,6,256\r\n"},
        {"20151028", "1,2,3,4,5,6,2\r\n"},
    };
    FakeHttpServer fake;
    fake.routes().Get("/zahlen/powerball.asp",
                      [&bodies](const httplib::Request& request, httplib::Response& response) {
                          const auto found = bodies.find(request.get_param_value("Datum"));
                          if (found == bodies.end())
                              response.status = 404;
                          else
                              response.set_content(found->second, "text/plain");
                      });
    fake.start();
    writeDrawFile(client, {draw("2015-10-10", {7, 19, 33, 45, 60}, 12, 3)});

    const DrawUpdate::Result result = update(fake.base(), "2015-10-31");

    EXPECT_EQ(result.requests.size(), 4u); // the bad line ends it before 28 October
    EXPECT_EQ(result.message, "4,5,6,7,8,9,2\r\n1,2,3,4,5,6,256");
    EXPECT_EQ(prompts.plainTexts.size(), 1u);
    const std::vector<DrawRecord> records = stored();
    ASSERT_EQ(records.size(), 5u);
    EXPECT_EQ(records[1].drawNumbers().slots, (std::array<int, 8>{10, 20, 30, 40, 50, 0, 7, 3}));
    EXPECT_EQ(records[2].date, day("2015-10-17"));
    EXPECT_EQ(records[3].date, day("2015-10-17"));
    EXPECT_EQ(records[4].drawNumbers().slots, (std::array<int, 8>{4, 5, 6, 7, 8, 0, 9, 2}));
}

TEST_F(UpdateIntegrationTest, StopEndsTheWalkAfterTheCurrentAnswer) {
    startServer(realHistoryCsv(), "2016-01-01");
    writeDrawFile(client, historyBetween("2015-10-01", "2015-10-10"));
    pump.onPump = [this] {
        if (state.currentDraw.date == day("2015-10-14"))
            DrawUpdate::stop(state);
    };

    const DrawUpdate::Result result = update(server->base(), "2015-12-31");

    EXPECT_TRUE(result.stopped);
    EXPECT_EQ(yyyymmdd(result.requests), std::vector<std::string>{"20151014"});
    EXPECT_EQ(result.appended, historyBetween("2015-10-14", "2015-10-14"));
    EXPECT_EQ(DrawCalendar::isoDate(static_cast<int>(state.selectedDate)), "2015-10-14");
    EXPECT_FALSE(state.stopButtonVisible());
}

TEST_F(UpdateIntegrationTest, ServerThatNeverAnswersCostsOneTimeOutAndIsReported) {
    FakeHttpServer silent;
    silent.routes().Get(".*",
                        [&silent](const httplib::Request&, httplib::Response&) { silent.hang(); });
    silent.start();
    writeDrawFile(client, {draw("2015-10-10", {7, 19, 33, 45, 60}, 12, 3)});
    UpdateLimits limits;
    limits.connectTimeout = 150ms;
    limits.readTimeout = 150ms;

    const DrawUpdate::Result result = update(silent.base(), "2015-10-17", limits);

    EXPECT_EQ(result.requests.size(), 1u); // the walk stops at the day that failed
    EXPECT_TRUE(result.appended.empty());
    ASSERT_TRUE(result.error);
    EXPECT_EQ(prompts.plainTexts, std::vector<std::string>{*result.error});
    EXPECT_NE(state.status[0].find("timed out"), std::string::npos) << state.status[0];
    EXPECT_EQ(stored().size(), 1u);
}

TEST_F(UpdateIntegrationTest, RedirectChainLeadsToTheUpdateServer) {
    startServer(realHistoryCsv(), "2016-01-01");
    FakeHttpServer hops;
    const std::string target = server->base();
    hops.routes().Get(R"(/(zahlen|hop1|hop2)/powerball.asp)",
                      [target](const httplib::Request& request, httplib::Response& response) {
                          const std::string query = request.target.substr(request.target.find('?'));
                          const std::string step = request.matches[1].str();
                          if (step == "zahlen")
                              response.set_redirect("/hop1/powerball.asp" + query, 301);
                          else if (step == "hop1")
                              response.set_redirect("/hop2/powerball.asp" + query, 302);
                          else
                              response.set_redirect(target + "/zahlen/powerball.asp" + query, 307);
                      });
    hops.start();
    writeDrawFile(client, historyBetween("2015-10-01", "2015-10-10"));

    const DrawUpdate::Result result = update(hops.base(), "2015-10-17");

    EXPECT_EQ(result.appended, historyBetween("2015-10-14", "2015-10-17"));
    EXPECT_EQ(state.status[0], "HTTP/1.1 200 OK");
}

TEST_F(UpdateIntegrationTest, GoesThroughTheProxyOfTheInternetOptions) {
    startServer(realHistoryCsv(), "2016-01-01");
    FakeHttpServer proxy; // forwards to the update server whatever host was asked for
    std::vector<std::string> targets;
    const std::string forwardTo = server->base();
    CurlHttpClient forwarder;
    proxy.routes().Get(".*", [&](const httplib::Request& request, httplib::Response& response) {
        targets.push_back(request.target);
        HttpRequest forwarded;
        forwarded.url = forwardTo + request.target.substr(request.target.find("/zahlen/"));
        const HttpResponse answer = forwarder.get(forwarded);
        response.status = answer.statusCode;
        response.set_content(answer.body, "text/plain");
    });
    proxy.start();
    writeDrawFile(client, historyBetween("2015-10-01", "2015-10-10"));
    state.internet.proxyHost = "127.0.0.1";
    state.internet.proxyPort = std::to_string(proxy.port());

    // Asked directly, the address would refuse: only the proxy can answer for it.
    const ClosedPort nothingListens;
    const DrawUpdate::Result result = update(nothingListens.base(), "2015-10-14");

    EXPECT_EQ(targets, std::vector<std::string>{nothingListens.base() +
                                                "/zahlen/powerball.asp?Programm=PowerBall&"
                                                "Datum=20151014"});
    EXPECT_EQ(result.appended, historyBetween("2015-10-14", "2015-10-14"));
}

} // namespace
