#include "app/draws/DrawUpdate.h"
#include "draws/DrawValidation.h"

#include "app/draws/DrawMaintenance.h"
#include "base/TextParsing.h"
#include "draws/DrawFileError.h"
#include "draws/UpdateAnswer.h"

#include "CallbackPump.h"
#include "ScriptedHttpClient.h"
#include "ScriptedPrompts.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>

using namespace powerball;
using powerball::testing::CallbackPump;
using powerball::testing::day;
using powerball::testing::draw;
using powerball::testing::httpAnswer;
using powerball::testing::iso;
using powerball::testing::ScriptedHttpClient;
using powerball::testing::ScriptedPrompts;
using powerball::testing::TempFolder;
using powerball::testing::writeDrawFile;

namespace {

class DrawUpdateTest : public ::testing::Test {
protected:
    void SetUp() override {
        DrawRecord newest = draw("2015-10-10", {7, 19, 33, 45, 60}, 12, 3);
        newest.tail[0] = 4; // a digit group the appended records carry over
        stored = {draw("2015-10-07", {1, 2, 3, 4, 5}, 6, 2), newest};
        writeDrawFile(folder, stored);
        state.programFolder = folder.path();
        state.internet.source = DrawSource::Server;
        state.checkEnabled = true;
        ports.http = &server;
        ports.events = &pump;
        ports.prompts = &prompts;
        setToday("2015-10-24");
    }
    void setToday(const char* isoDate) {
        clock = std::make_unique<FixedClock>(day(isoDate));
        ports.clock = clock.get();
    }
    std::vector<DrawRecord> fileRecords() const { return state.drawHistory().readAll(); }
    DrawUpdate::Result run() { return DrawUpdate::run(state, ports); }

    TempFolder folder;
    std::vector<DrawRecord> stored;
    AppState state;
    ScriptedHttpClient server;
    CallbackPump pump;
    ScriptedPrompts prompts;
    std::unique_ptr<FixedClock> clock;
    Ports ports;
};

TEST_F(DrawUpdateTest, WalksTheDrawCalendarFromTheNewestStoredDraw) {
    struct Case {
        std::vector<DrawRecord> file;
        const char* today;
        std::vector<std::string> requests;
    };
    const std::vector<Case> cases{
        {{draw("2015-10-10", {1, 2, 3, 4, 5}, 6)}, "2015-10-17", {"20151014", "20151017"}},
        // A Monday before Monday draws: Friday, Tuesday, then Saturday and Wednesday again.
        {{draw("2015-10-12", {1, 2, 3, 4, 5}, 6)},
         "2015-10-28",
         {"20151016", "20151020", "20151024", "20151028"}},
        {{}, "1997-11-12", {"19971108", "19971112"}},
        {{draw("2021-08-21", {1, 2, 3, 4, 5}, 6)},
         "2021-08-28",
         {"20210823", "20210825", "20210828"}},
        {{draw("2015-10-10", {1, 2, 3, 4, 5}, 6)}, "2015-10-13", {}},
        {{draw("2015-10-10", {1, 2, 3, 4, 5}, 6)}, "2015-10-10", {}}, // a draw of today
        // A draw after today does not hide the days before it.
        {{draw("2015-10-07", {1, 2, 3, 4, 5}, 6), draw("2015-10-24", {1, 2, 3, 4, 5}, 6)},
         "2015-10-10",
         {"20151010"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.today);
        writeDrawFile(folder, c.file);
        setToday(c.today);
        server.days.clear();
        const DrawUpdate::Result result = run();
        EXPECT_EQ(server.days, c.requests);
        EXPECT_EQ(result.requests.size(), c.requests.size());
        if (!c.file.empty()) { // the final locate shows the newest draw in every case
            EXPECT_EQ(state.currentDraw.date, c.file.back().date);
        }
    }
}

TEST_F(DrawUpdateTest, RequestCarriesAddressProxyAndLimits) {
    setToday("2015-10-14");
    state.internet.url = "http://update.example:8080/"; // the scripted client sends nothing
    run();
    ASSERT_EQ(server.requests.size(), 1u);
    const HttpRequest& request = server.requests[0];
    EXPECT_EQ(request.url,
              "http://update.example:8080/zahlen/powerball.asp?Programm=PowerBall&Datum=20151014");
    EXPECT_EQ(request.proxyHost, "");
    EXPECT_EQ(request.connectTimeout, std::chrono::milliseconds(5000));
    EXPECT_EQ(request.readTimeout, std::chrono::milliseconds(5000));
    EXPECT_EQ(request.maxRedirects, 15);

    writeDrawFile(folder, stored);
    state.internet.proxyHost = "127.0.0.1";
    state.internet.proxyPort = " 3128 ";
    run();
    EXPECT_EQ(server.requests.back().proxyHost, "127.0.0.1");
    EXPECT_EQ(server.requests.back().proxyPort, 3128);
}

TEST_F(DrawUpdateTest, BadProxyPortEndsTheUpdateBeforeAnyRequest) {
    state.internet.proxyHost = "127.0.0.1";
    for (const char* port : {"8o", "", "0", "65536", "99999999999"}) {
        SCOPED_TRACE(port);
        state.internet.proxyPort = port;
        EXPECT_THROW(run(), ProxyPortError);
        EXPECT_TRUE(server.requests.empty());
        EXPECT_FALSE(state.updateRunning());
        EXPECT_FALSE(state.stopButtonVisible());
    }
    state.internet.proxyHost.clear(); // without a proxy host the port is not read
    EXPECT_NO_THROW(run());
}

TEST_F(DrawUpdateTest, AppendsTheAnsweredDrawsAndShowsTheNewest) {
    server.answers["20151014"] = httpAnswer("1,2,3,4,5,6,2\r\n");
    server.answers["20151017"] = httpAnswer("10 , 20 ,30,40,50 , 7 , 3 \r\n");
    server.answers["20151021"] = httpAnswer("11,22,33,44,55,8,4\r\n12,23,34,45,56,9,5");
    state.tips.setLine(0, "10,20,30,1,2,7,");

    const DrawUpdate::Result result = run();

    EXPECT_EQ(server.days,
              (std::vector<std::string>{"20151014", "20151017", "20151021", "20151024"}));
    const std::vector<DrawRecord> records = fileRecords();
    ASSERT_EQ(records.size(), 6u);
    DrawRecord first = draw("2015-10-14", {1, 2, 3, 4, 5}, 6, 2);
    first.tail = stored.back().tail;
    EXPECT_EQ(records[2], first);
    EXPECT_EQ(records[3].drawNumbers().slots, (std::array<int, 8>{10, 20, 30, 40, 50, 0, 7, 3}));
    EXPECT_EQ(records[4].date, day("2015-10-21")); // two draws for one day: both stored
    EXPECT_EQ(records[5].date, day("2015-10-21"));
    EXPECT_EQ(result.appended, std::vector<DrawRecord>(records.begin() + 2, records.end()));
    EXPECT_FALSE(result.message);

    // The last status is the one of the last request; the final locate shows the newest
    // draw and checks the sheet against the shown draw.
    EXPECT_EQ(state.status[0], "HTTP/1.1 404 Not Found");
    EXPECT_EQ(state.status[1], "Keine Gewähr für die Richtigkeit der Zahlen!");
    EXPECT_EQ(iso(state.selectedDate), "2015-10-21");
    EXPECT_EQ(state.drawIndex, 5);
    EXPECT_EQ(state.currentDraw.numbers.powerball(), 9);
    EXPECT_EQ(state.panelDrawText, state.databaseDrawText);
    EXPECT_EQ(state.databaseDrawText, "Mi 21.10.15    12  23  34  45  56   PB: 9 PP: 5");
    EXPECT_FALSE(state.updateRunning());
    EXPECT_FALSE(state.stopButtonVisible());
}

TEST_F(DrawUpdateTest, DaysTheServerHasNothingForAreSkippedSilently) {
    server.answers["20151014"] = httpAnswer("", 404, "HTTP/1.1 404 Not Found");
    server.answers["20151017"] = httpAnswer("");

    const DrawUpdate::Result result = run();

    EXPECT_EQ(server.days.size(), 4u);
    EXPECT_TRUE(result.appended.empty());
    EXPECT_FALSE(result.error);
    EXPECT_EQ(fileRecords(), stored);
    EXPECT_TRUE(prompts.plainTexts.empty());
    EXPECT_EQ(iso(state.currentDraw.date), "2015-10-10");
}

TEST_F(DrawUpdateTest, AFailedRequestEndsTheWalkAtItsDayAndIsReported) {
    HttpResponse timedOut;
    timedOut.error = "Timeout was reached";
    HttpResponse brokenOff = httpAnswer("1,2,3,4,5,6,1"); // was "...,12" when the time ran out
    brokenOff.error = "Timeout was reached";
    HttpResponse reset;
    reset.error = "Connection reset by peer";
    const std::vector<std::pair<const char*, HttpResponse>> failures{
        {"time-out", timedOut},
        {"broken off", brokenOff},
        {"reset", reset},
        {"503", httpAnswer("1,2,3,4,5,6,2", 503, "HTTP/1.1 503 Service Unavailable")},
        {"500", httpAnswer("", 500, "HTTP/1.1 500 Oops")},
    };
    for (const auto& [what, failure] : failures) {
        SCOPED_TRACE(what);
        writeDrawFile(folder, stored);
        server.days.clear();
        prompts.plainTexts.clear();
        server.answers.clear();
        server.answers["20151014"] = failure;
        server.answers["20151017"] = httpAnswer("3,4,5,6,7,8,2");

        // Nothing could be fetched: the update says so in a box of its own.
        DrawUpdate::Result result = run();
        EXPECT_EQ(server.days, std::vector<std::string>{"20151014"});
        EXPECT_TRUE(result.appended.empty());
        ASSERT_TRUE(result.error);
        EXPECT_NE(result.error->find("2015-10-14"), std::string::npos) << *result.error;
        EXPECT_EQ(prompts.plainTexts, std::vector<std::string>{*result.error});
        EXPECT_EQ(fileRecords(), stored);
        EXPECT_FALSE(state.updateRunning());

        // A later day's draw does not close the gap: the failed day stays the next one asked.
        server.answers["20151014"] = httpAnswer("1,2,3,4,5,6,2");
        server.answers["20151017"] = failure;
        server.days.clear();
        prompts.plainTexts.clear();
        result = run();
        EXPECT_EQ(server.days, (std::vector<std::string>{"20151014", "20151017"}));
        EXPECT_EQ(result.appended.size(), 1u);
        EXPECT_TRUE(result.error);
        EXPECT_TRUE(prompts.plainTexts.empty()); // the status bar tells, draws came in
        server.days.clear();
        run();
        EXPECT_EQ(server.days.front(), "20151017");
    }
}

TEST_F(DrawUpdateTest, AnswersBreakingTheRuleOfADrawStoreNothingOfTheirDay) {
    // `count` different draws of one day.
    const auto draws = [](int count) {
        std::string lines;
        for (int k = 1; k <= count; ++k)
            lines += std::to_string(k) + ",60,61,62,63,1,2\r\n";
        return lines;
    };
    const std::vector<std::pair<std::string, const char*>> cases{
        {"0,0,255,255,70,200,99", "is not a valid draw"},
        {"1,2,3,4,5,6,2\r\n1,2,3,4,5,200,2", "is not a valid draw"},
        {draws(5), "more than 4 draws"}, // one more than a day has
        {draws(50), "more than 4 draws"},
    };
    for (const auto& [body, why] : cases) {
        SCOPED_TRACE(why);
        writeDrawFile(folder, stored);
        server.answers["20151014"] = httpAnswer(body);
        const DrawUpdate::Result result = run();
        ASSERT_TRUE(result.message);
        EXPECT_NE(result.message->find(why), std::string::npos) << *result.message;
        for (const DrawRecord& record : fileRecords())
            EXPECT_FALSE(DrawValidation::newDrawProblem(record));
        EXPECT_LE(fileRecords().size(), stored.size() + 1);
    }

    // As many draws as a day may have, four, are all stored.
    writeDrawFile(folder, stored);
    server.answers["20151014"] = httpAnswer(draws(4));
    const DrawUpdate::Result full = run();
    EXPECT_FALSE(full.message);
    EXPECT_EQ(full.appended.size(), 4u);
    EXPECT_EQ(fileRecords().size(), stored.size() + 4);

    // A line that repeats a draw of the same day is stored once.
    writeDrawFile(folder, stored);
    server.answers["20151014"] = httpAnswer("1,2,3,4,5,6,2\r\n5,4,3,2,1,6,2\r\n1,2,3,4,5,7,2\r\n");
    EXPECT_EQ(run().appended.size(), 2u);
    EXPECT_EQ(fileRecords().size(), stored.size() + 2);
}

TEST_F(DrawUpdateTest, FailedRequestShowsItsReasonInTheStatusBar) {
    setToday("2015-10-14");
    HttpResponse refused;
    refused.error = "Couldn't connect to server";
    server.answers["20151014"] = refused;
    std::vector<std::string> statusTexts;
    server.onGet = [&] { statusTexts.push_back(state.status[0]); };
    run();
    EXPECT_EQ(statusTexts, std::vector<std::string>{"Loading"});
    EXPECT_EQ(state.status[0], "Couldn't connect to server");
}

TEST_F(DrawUpdateTest, MessageAnswerEndsTheUpdate) {
    state.currentDraw = {stored.back().date, stored.back().drawNumbers()};
    state.databaseDrawText = "shown before";
    server.answers["20151014"] = httpAnswer("1,2,3,4,5,6,2\r\n");
    server.answers["20151017"] =
        httpAnswer("3,4,5,6,7,8,2\r\nDie Ziehung vom 17.10.2015 liegt <b>noch</b> nicht vor.\r\n");

    const DrawUpdate::Result result = run();

    const std::string text = "3,4,5,6,7,8,2\r\nDie Ziehung vom 17.10.2015 liegt <b>noch</b> "
                             "nicht vor.";
    EXPECT_EQ(prompts.plainTexts, std::vector<std::string>{text});
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(result.message, text);
    EXPECT_EQ(server.days, (std::vector<std::string>{"20151014", "20151017"}));
    // The line before the message line is stored, and the views follow the file: the last
    // draw received is shown in full, with its cross sum (it once kept the text of the
    // answer, without Powerball and Power Play, and the sum of the draw before).
    ASSERT_EQ(result.appended.size(), 2u);
    EXPECT_EQ(fileRecords().size(), 4u);
    EXPECT_EQ(state.databaseDrawText, "Sa 17.10.15    3  4  5  6  7   PB: 8 PP: 2");
    EXPECT_EQ(state.panelDrawText, state.databaseDrawText);
    EXPECT_EQ(state.panelCrossSumText, "Quersumme: 25");
    EXPECT_EQ(iso(state.currentDraw.date), "2015-10-17");
    EXPECT_EQ(state.currentDraw.numbers.powerball(), 8);
    EXPECT_EQ(state.drawIndex, 3);
    EXPECT_EQ(iso(state.selectedDate), "2015-10-17");
    EXPECT_FALSE(state.updateRunning());
    EXPECT_FALSE(state.stopButtonVisible());
}

TEST_F(DrawUpdateTest, StopTakesEffectBeforeTheNextRequest) {
    // Pressed while a day's lines come in: that answer is completed.
    server.answers["20151014"] = httpAnswer("1,2,3,4,5,6,2\r\n2,3,4,5,6,7,2\r\n");
    pump.onPump = [&] {
        if (state.currentDraw.date == day("2015-10-14"))
            DrawUpdate::stop(state);
    };
    DrawUpdate::Result result = run();
    EXPECT_TRUE(result.stopped);
    EXPECT_EQ(server.days, std::vector<std::string>{"20151014"});
    EXPECT_EQ(result.appended.size(), 2u);
    EXPECT_EQ(state.drawIndex, 3); // the final locate still runs
    EXPECT_EQ(iso(state.selectedDate), "2015-10-14");

    // Pressed during a run of empty answers: no answer line is needed for it to count.
    writeDrawFile(folder, stored);
    server.days.clear();
    server.answers.clear();
    pump.onPump = [&] {
        if (server.days.size() == 2)
            DrawUpdate::stop(state);
    };
    result = run();
    EXPECT_TRUE(result.stopped);
    EXPECT_EQ(server.days.size(), 2u);
}

// A draw dated after today (a typing error stored before imports refused such lines) used to
// make every update ask for nothing; the walk starts from the newest draw not after today
// and puts what it gets before the later draw.
TEST_F(DrawUpdateTest, ADrawAfterTodayHidesNoRealDraw) {
    const DrawRecord typo = draw("2062-08-09", {1, 2, 3, 4, 5}, 6, 2);
    writeDrawFile(folder, {stored[0], stored[1], typo});
    server.answers["20151014"] = httpAnswer("1,2,3,4,5,6,2\r\n");
    server.answers["20151017"] = httpAnswer("7,8,9,10,11,12,2\r\n");
    const DrawUpdate::Result result = run();
    EXPECT_EQ(server.days,
              (std::vector<std::string>{"20151014", "20151017", "20151021", "20151024"}));
    DrawRecord first = draw("2015-10-14", {1, 2, 3, 4, 5}, 6, 2);
    DrawRecord second = draw("2015-10-17", {7, 8, 9, 10, 11}, 12, 2);
    first.tail = second.tail = stored[1].tail;
    EXPECT_EQ(result.appended, (std::vector<DrawRecord>{first, second}));
    EXPECT_EQ(fileRecords(), (std::vector<DrawRecord>{stored[0], stored[1], first, second, typo}));
}

// The answer's numbers fit some era; whether they fit the era of the day asked for is
// known only to the walk.
TEST_F(DrawUpdateTest, AnAnswerOutsideTheRangesOfItsDayIsAMessage) {
    server.answers["20151014"] = httpAnswer("1,2,3,4,5,6,2\r\n1,2,3,4,5,42,2\r\n");
    const DrawUpdate::Result result = run();
    ASSERT_TRUE(result.message);
    EXPECT_NE(result.message->find("the Powerball 42 lies outside 1..26"), std::string::npos)
        << *result.message;
    EXPECT_EQ(result.appended.size(), 1u); // the line before it, as with any message
    EXPECT_EQ(server.days.size(), 1u);
}

// The walk's clock is the test's own: it moves only when the test moves it, so what the
// deadline decides is the same on any machine, however loaded.
TEST_F(DrawUpdateTest, TheWholeWalkEndsAtItsDeadlineAsIfStopped) {
    using std::chrono::milliseconds;
    setToday("2016-10-01"); // a year of draw days
    std::chrono::steady_clock::time_point now{};
    UpdateLimits limits;
    limits.now = [&now] { return now; };
    limits.overallDeadline = milliseconds(100);
    const auto timeOuts = [this] {
        std::vector<std::pair<milliseconds, milliseconds>> cut;
        for (const HttpRequest& request : server.requests)
            cut.emplace_back(request.connectTimeout, request.readTimeout);
        return cut;
    };

    // Each answer takes 40 ms: every request gets what is left of the 100 ms, and the third,
    // which ends after the deadline, ends the walk as the stop button would: its time-out is
    // the deadline's doing, no fault of the day.
    server.onGet = [&now] { now += milliseconds(40); };
    HttpResponse cutShort;
    cutShort.error = "Operation timed out after 20 milliseconds";
    server.answers["20151021"] = cutShort;
    DrawUpdate::Result result = DrawUpdate::run(state, ports, limits);
    EXPECT_TRUE(result.stopped);
    EXPECT_FALSE(result.error);
    EXPECT_EQ(result.requests.size(), 3u);
    EXPECT_EQ(timeOuts(), (std::vector<std::pair<milliseconds, milliseconds>>{
                              {milliseconds(100), milliseconds(100)},
                              {milliseconds(60), milliseconds(60)},
                              {milliseconds(20), milliseconds(20)}}));
    EXPECT_FALSE(state.updateRunning());

    // The time passes between the requests: no request starts once the deadline is over.
    writeDrawFile(folder, stored);
    server.requests.clear();
    server.days.clear();
    server.answers.clear();
    server.onGet = nullptr;
    now = {};
    pump.onPump = [&now] { now += milliseconds(30); };
    result = DrawUpdate::run(state, ports, limits);
    EXPECT_TRUE(result.stopped);
    EXPECT_FALSE(result.error);
    EXPECT_EQ(result.requests.size(), 3u);
    ASSERT_EQ(server.requests.size(), 3u);
    EXPECT_EQ(server.requests.back().readTimeout, milliseconds(10));
    EXPECT_FALSE(state.updateRunning());

    // Without the deadline the same walk asks for every draw day up to today.
    writeDrawFile(folder, stored);
    limits.overallDeadline = milliseconds(std::chrono::hours(1));
    result = DrawUpdate::run(state, ports, limits);
    EXPECT_FALSE(result.stopped);
    ASSERT_GT(result.requests.size(), 3u);
    EXPECT_EQ(iso(result.requests.back()), "2016-10-01");
}

TEST_F(DrawUpdateTest, NoSecondRunAndNoRewriteWhileTheFileIsOpenForAppending) {
    server.answers["20151014"] = httpAnswer("1,2,3,4,5,6,2\r\n");
    std::optional<DrawUpdate::Result> second;
    bool deleted = true;
    pump.onPump = [&] {
        if (second)
            return;
        EXPECT_TRUE(state.updateRunning());
        EXPECT_TRUE(state.stopButtonVisible());
        second = DrawUpdate::run(state, ports);
        deleted = DrawMaintenance::deleteShownDraw(state, ports);
    };
    const DrawUpdate::Result first = run();
    ASSERT_TRUE(second);
    EXPECT_TRUE(second->refused);
    EXPECT_TRUE(second->requests.empty());
    EXPECT_FALSE(deleted);
    EXPECT_EQ(first.requests.size(), 4u);
    EXPECT_EQ(fileRecords().size(), 3u);
    EXPECT_FALSE(DrawUpdate::run(state, ports).refused); // idle again afterwards
}

TEST_F(DrawUpdateTest, MissingOrDamagedFile) {
    std::filesystem::remove(folder.file("Powerball.dat"));
    setToday("1997-11-08");
    run();
    EXPECT_EQ(server.days, std::vector<std::string>{"19971108"});
    EXPECT_TRUE(std::filesystem::exists(folder.file("Powerball.dat")));

    // A newest date that no calendar holds: reported, nothing asked, nothing written.
    DrawRecord damaged = stored.back();
    damaged.date = std::nan("");
    writeDrawFile(folder, {stored.front(), damaged});
    const auto before = folder.readBytes("Powerball.dat");
    server.days.clear();
    EXPECT_THROW(run(), DrawFileError);
    EXPECT_TRUE(server.days.empty());
    EXPECT_EQ(folder.readBytes("Powerball.dat"), before);
    EXPECT_FALSE(state.updateRunning());
}

TEST(UpdateAnswer, LinesOfSevenNumbers) {
    using Numbers = std::array<std::uint8_t, 8>;
    const std::vector<std::pair<const char*, std::optional<Numbers>>> cases{
        {"1,2,3,4,5,6,2", Numbers{1, 2, 3, 4, 5, 0, 6, 2}},
        {" 10 , 20 ,30,40,50 , 7 , 3 ", Numbers{10, 20, 30, 40, 50, 0, 7, 3}},
        {"\t69,68,67,66,65,26,10", Numbers{69, 68, 67, 66, 65, 0, 26, 10}},
        {"0,0,0,0,255,0,0", std::nullopt}, // numbers no draw has
        {"1,2,3,4,5,43,2", std::nullopt},  // a Powerball above the largest drum
        {"1,2,3,4,1,6,2", std::nullopt},   // a white number twice
        {"1,2,3,4,5,6,12", std::nullopt},  // a Power Play above 11
        {"1,2,3,4,5,6,256", std::nullopt}, // not cut to its low 8 bits
        {"1,2,3,4,5,-1,2", std::nullopt},
        {"1,2,3,4,5,6,99999999999999999999", std::nullopt},
        {"1,2,3,4,5,6", std::nullopt},
        {"1,2,3,4,5,6,2,", std::nullopt},
        {"1,2,3,4,5,6,2,9", std::nullopt},
        {"1,2,,4,5,6,2", std::nullopt},
        {"1,2,3,4,5,6,2x", std::nullopt},
        {"1 2,3,4,5,6,7,2", std::nullopt},
        {"0x1,2,3,4,5,6,2", std::nullopt},
        {"", std::nullopt},
        {"Die Ziehung liegt noch nicht vor", std::nullopt},
    };
    for (const auto& [line, expected] : cases) {
        SCOPED_TRACE(line);
        EXPECT_EQ(UpdateAnswer::parseLine(line), expected);
    }
}

TEST(UpdateAnswer, SplitsAtEveryKindOfLineBreak) {
    using Lines = std::vector<std::string_view>;
    EXPECT_EQ(splitLines("a\r\nb\nc\rd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(splitLines("a\r\n"), Lines{"a"});
    EXPECT_EQ(splitLines("a\n\nb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(splitLines(""), Lines{});

    // An empty line among draws is not a draw: the answer becomes a message.
    const UpdateAnswer answer = UpdateAnswer::parse("1,2,3,4,5,6,2\r\n\r\n2,3,4,5,6,7,2\r\n");
    EXPECT_EQ(answer.draws.size(), 1u);
    EXPECT_TRUE(answer.message);
    EXPECT_FALSE(UpdateAnswer::parse("").message);
}

TEST(UpdateAnswer, BinaryAndEscapesNeverShowAsTheyCame) {
    for (const std::string& body :
         {std::string("\x1f\x8b\x08\0\0\0\0\0\0\x03", 10), std::string("Hallo\0Welt", 11),
          std::string("\x1b]0;owned\x07\x1b[2J Bitte warten")}) {
        const UpdateAnswer answer = UpdateAnswer::parse(body);
        ASSERT_TRUE(answer.message);
        EXPECT_NE(answer.message->find("not a text answer"), std::string::npos) << *answer.message;
    }
    EXPECT_EQ(decodeAnswerText("HTTP/1.1 200 \x1b[2JOK"), "HTTP/1.1 200 \\x1B[2JOK");
}

TEST(UpdateAnswer, MessageTextIsReadableAndBounded) {
    EXPECT_EQ(UpdateAnswer::messageText("Keine Gew\xe4hr \x80"), "Keine Gewähr €");
    EXPECT_EQ(UpdateAnswer::messageText("Keine Gewähr\r\n\r\n"), "Keine Gewähr");
    EXPECT_EQ(decodeAnswerText("\xed\xa0\x80"), "í\u00a0€"); // a surrogate is no UTF-8
    EXPECT_EQ(decodeAnswerText("\x81"), "\ufffd");

    const std::string endless(3 * UpdateAnswer::kMaxMessageBytes, 'x');
    const std::string shown = UpdateAnswer::messageText(endless + "ä");
    EXPECT_EQ(shown, std::string(UpdateAnswer::kMaxMessageBytes, 'x') + " …");
    // Cut inside a two-byte character: the whole character goes.
    const std::string umlauts = std::string(UpdateAnswer::kMaxMessageBytes - 1, 'x') + "ää";
    EXPECT_EQ(UpdateAnswer::messageText(umlauts),
              std::string(UpdateAnswer::kMaxMessageBytes - 1, 'x') + " …");
}

} // namespace
