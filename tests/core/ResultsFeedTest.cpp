// The public results file as the update's source, and the draw rule it shares with every
// other way a draw gets in: draw days and number ranges of each era, no date after today.
#include "draws/ResultsFeed.h"

#include "app/draws/DrawUpdate.h"
#include "base/MessageTable.h"
#include "draws/DrawImport.h"
#include "draws/DrawValidation.h"

#include "CallbackPump.h"
#include "ScriptedHttpClient.h"
#include "ScriptedPrompts.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace powerball;
using namespace powerball::testing;

namespace {

std::string m(int index) {
    return MessageTable().text(index);
}

std::string publicFile(const std::vector<std::string>& lines) {
    std::string text = "Draw Date,Winning Numbers,Multiplier\n";
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

TEST(DrawRule, DrawDaysAndNumberRangesOfEachEra) {
    struct Case {
        const char* date;
        std::array<int, 5> white;
        int powerball;
        bool valid;
    };
    const Case cases[] = {
        // Today's game since 7 October 2015: white 1..69, Powerball 1..26. A Powerball of
        // 42 in 2020 used to pass, since the rule knew only the widest drum.
        {"2020-09-26", {11, 21, 27, 36, 62}, 24, true},
        {"2020-09-26", {11, 21, 27, 36, 62}, 42, false},
        {"2020-09-26", {11, 21, 27, 36, 62}, 27, false},
        {"2015-10-07", {18, 30, 40, 48, 52}, 9, true},
        {"2015-10-03", {65, 30, 40, 48, 52}, 9, false}, // a white number of the next era
        {"2015-10-03", {18, 30, 40, 48, 52}, 35, true},
        {"2013-06-05", {18, 30, 40, 48, 59}, 36, false}, // 2012..2015: Powerball 1..35
        {"2010-05-05", {18, 30, 40, 48, 59}, 39, true},  // 2009..2012: 1..59 and 1..39
        {"2010-05-05", {18, 30, 40, 48, 60}, 39, false},
        {"2007-03-03", {1, 2, 3, 4, 55}, 42, true}, // 2005..2009: 1..55 and 1..42
        {"2007-03-03", {1, 2, 3, 4, 56}, 42, false},
        {"2003-03-01", {1, 2, 3, 4, 53}, 42, true}, // 2002..2005: 1..53
        {"1998-01-03", {1, 2, 3, 4, 49}, 42, true}, // from 1997: 1..49 and 1..42
        {"1998-01-03", {1, 2, 3, 4, 50}, 42, false},
        // Draw days: Wednesday and Saturday, Monday too from 23 August 2021.
        {"2020-09-27", {11, 21, 27, 36, 62}, 24, false}, // a Sunday
        {"2020-09-25", {11, 21, 27, 36, 62}, 24, false}, // a Friday
        {"2021-08-16", {11, 21, 27, 36, 62}, 24, false}, // a Monday before the first
        {"2021-08-23", {11, 21, 27, 36, 62}, 24, true},  // the first Monday draw
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.date) + " PB " + std::to_string(c.powerball));
        EXPECT_EQ(!DrawValidation::newDrawProblem(draw(c.date, c.white, c.powerball)), c.valid);
    }
    const auto sunday = DrawValidation::newDrawProblem(draw("2020-09-27", {1, 2, 3, 4, 5}, 6));
    ASSERT_TRUE(sunday);
    EXPECT_NE(sunday->find("Sunday, no draw day"), std::string::npos) << *sunday;
}

TEST(DrawRule, TheBundledHistoryKeepsIt) {
    const std::vector<DrawRecord> history = realHistory(); // read through the rule
    for (const DrawRecord& record : history)
        ASSERT_FALSE(DrawValidation::newDrawProblem(record)) << iso(record.date);
    EXPECT_EQ(history.size(), 3261u);
}

TEST(DrawRule, AnImportSkipsNoDrawDaysAndDaysAfterToday) {
    std::istringstream input("date,white1,white2,white3,white4,white5,powerball,power_play\n"
                             "2026-08-05,14,20,59,60,61,25,2\n"
                             "2026-08-09,1,2,3,4,5,6,2\n"    // a Sunday
                             "2062-08-09,1,2,3,4,5,6,2\n"    // a Wednesday, after today
                             "2026-08-08,1,2,3,4,5,42,2\n"); // a Powerball of another era
    const DrawCsvContent content = readAnyDrawCsv(input, "draws.csv", day("2026-12-11"));
    ASSERT_EQ(content.draws.size(), 1u);
    ASSERT_EQ(content.skipped.size(), 3u);
    EXPECT_EQ(content.skipped[0].kind, SkipKind::NoDrawDay);
    EXPECT_EQ(content.skipped[0].excerpt, "\"2026-08-09\"");
    EXPECT_EQ(content.skipped[1].kind, SkipKind::AfterToday);
    EXPECT_EQ(content.skipped[1].line, 4);
    EXPECT_EQ(content.skipped[2].kind, SkipKind::InvalidDraw);
    EXPECT_NE(content.skipped[2].reason.find("1..26"), std::string::npos);
}

TEST(ResultsFeedRead, OnlyThePublicFormIsRead) {
    const std::string good = publicFile({"08/05/2026,14 20 59 60 61 25,2"});
    struct Case {
        const char* name;
        std::string body;
        bool publicForm;
    };
    const Case cases[] = {
        {"the public form", good, true},
        {"a byte-order mark, quotes and CR LF",
         "\xEF\xBB\xBF\"Draw Date\",\"Winning Numbers\",\"Multiplier\"\r\n"
         "\"08/05/2026\",\"14 20 59 60 61 25\",\"2\"\r\n",
         true},
        {"an HTML page", "<!DOCTYPE html>\n<html><body>Sign in to the Wi-Fi</body></html>\n",
         false},
        {"JSON", R"([{"draw_date":"2026-08-05","winning_numbers":"14 20 59 60 61 25"}])", false},
        {"another game's columns",
         "Draw Date,Winning Numbers,Mega Ball,Multiplier\n08/05/2026,14 20 59 60 61,25,2\n", false},
        {"the program's own form", "date,white1,white2,white3,white4,white5,powerball,power_play\n",
         false},
        {"nothing", "", false},
        {"a line no file of draws has",
         "Draw Date,Winning Numbers,Multiplier\n" + std::string(5000, '9') + "\n", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ResultsFeed::read(c.body, day("2026-12-11")).has_value(), c.publicForm);
    }
}

TEST(ResultsFeedRead, ADateGivenTwiceWithDifferentNumbersIsBelievedInNeitherLine) {
    const auto content =
        ResultsFeed::read(publicFile({
                              "08/05/2026,14 20 59 60 61 25,2", "08/03/2026,8 30 41 48 54 04,2",
                              "08/05/2026,14 20 59 60 61 26,2", "08/01/2026,1 2 3 4 5 06,3",
                              "08/01/2026,5 4 3 2 1 06,3", // the same draw
                          }),
                          day("2026-12-11"));
    ASSERT_TRUE(content);
    ASSERT_EQ(content->draws.size(), 3u);
    EXPECT_EQ(iso(content->draws[0].date), "2026-08-03");
    ASSERT_EQ(content->skipped.size(), 1u);
    EXPECT_EQ(content->skipped[0].line, 4);
    EXPECT_EQ(content->skipped[0].kind, SkipKind::DateTwice);
    EXPECT_EQ(content->skipped[0].excerpt, "\"08/05/2026\"");
}

TEST(ResultsFeedValidators, WrittenAndReadBackAndDamagedOnesCountAsNone) {
    ResultsFeed::Validators validators;
    validators.url = "https://example.invalid/rows.csv";
    validators.etag = "W/\"1f-abc\"";
    validators.lastModified = std::chrono::sys_seconds(std::chrono::seconds(1786000000));
    validators.drawCount = 3261;
    validators.newestDraw = day("2026-08-05");
    EXPECT_EQ(ResultsFeed::parseValidators(ResultsFeed::formatValidators(validators)), validators);
    for (const char* damaged : {"url=x\ndraws=12\n", "url=x\ndraws=-1\nnewest=2026-08-05\n",
                                "newest=2026-02-30\n", "garbage", "\0\0\0"})
        EXPECT_EQ(ResultsFeed::parseValidators(damaged), ResultsFeed::Validators{}) << damaged;
}

// An HTTP client that answers every request with the next scripted answer and records it.
class FeedClient : public HttpClient {
public:
    HttpResponse get(const HttpRequest& request) override {
        requests.push_back(request);
        if (request.progress)
            for (std::uint64_t received : {1000u, 2000u})
                if (!request.progress(received)) {
                    HttpResponse stopped;
                    stopped.error = "the transfer was stopped";
                    stopped.stopped = true;
                    return stopped;
                }
        HttpResponse response = answers.front();
        if (answers.size() > 1)
            answers.erase(answers.begin());
        return response;
    }
    std::vector<HttpResponse> answers;
    std::vector<HttpRequest> requests;
};

HttpResponse notModified() {
    HttpResponse response = httpAnswer("", 304, "HTTP/1.1 304 Not Modified");
    response.notModified = true;
    return response;
}

class FeedUpdateTest : public ::testing::Test {
protected:
    void SetUp() override {
        stored = {draw("2026-07-29", {6, 12, 26, 35, 50}, 10, 3),
                  draw("2026-08-01", {8, 20, 33, 41, 48}, 4, 2),
                  draw("2026-08-03", {8, 30, 41, 48, 54}, 4, 2)};
        stored.back().tail[0] = 7; // the digit groups new records carry over
        writeDrawFile(folder, stored);
        state.programFolder = folder.path();
        state.internet.source = DrawSource::Feed;
        state.internet.feedUrl = "http://127.0.0.1:9/rows.csv";
        ports.http = &client;
        ports.events = &pump;
        ports.prompts = &prompts;
        ports.clock = &clock;
    }
    std::vector<DrawRecord> fileRecords() const { return state.drawHistory().readAll(); }

    // Newest first, as the export comes: two new draws, one that differs from the stored
    // one (Powerball 5 instead of 4), two equal ones.
    HttpResponse exportAnswer() const {
        HttpResponse answer = httpAnswer(publicFile({
            "08/08/2026,03 17 29 44 68 11,2",
            "08/05/2026,14 20 59 60 61 25,2",
            "08/03/2026,08 30 41 48 54 04,2",
            "08/01/2026,08 20 33 41 48 05,2",
            "07/29/2026,06 12 26 35 50 10,3",
        }));
        answer.etag = "\"export-1\"";
        return answer;
    }

    TempFolder folder;
    std::vector<DrawRecord> stored;
    AppState state;
    FeedClient client;
    CallbackPump pump;
    ScriptedPrompts prompts;
    FixedClock clock{day("2026-08-10")};
    Ports ports;
};

TEST_F(FeedUpdateTest, AddsTheNewDrawsNamesTheChangedOnesAndAsksConditionallyNextTime) {
    client.answers = {exportAnswer(), notModified()};
    DrawUpdate::Result result = DrawUpdate::run(state, ports);

    EXPECT_FALSE(result.error);
    ASSERT_EQ(result.appended.size(), 2u);
    EXPECT_EQ(iso(result.appended[0].date), "2026-08-05");
    EXPECT_EQ(iso(result.appended[1].date), "2026-08-08");
    ASSERT_EQ(result.changed.size(), 1u);
    EXPECT_EQ(iso(result.changed[0].date), "2026-08-01");
    EXPECT_EQ(result.unchanged, 2);
    std::vector<DrawRecord> expected = stored;
    DrawRecord added1 = draw("2026-08-05", {14, 20, 59, 60, 61}, 25, 2);
    DrawRecord added2 = draw("2026-08-08", {3, 17, 29, 44, 68}, 11, 2);
    added1.tail = added2.tail = stored.back().tail;
    expected.push_back(added1);
    expected.push_back(added2);
    EXPECT_EQ(fileRecords(), expected); // the differing stored draw stays as it was
    EXPECT_EQ(state.status[0], "2 neue Ziehungen");
    ASSERT_EQ(prompts.plainTexts.size(), 1u);
    EXPECT_NE(prompts.plainTexts[0].find("01.08.2026"), std::string::npos) << prompts.plainTexts[0];
    EXPECT_EQ(iso(state.currentDraw.date), "2026-08-08"); // the newest draw is shown

    const HttpRequest& first = client.requests[0];
    EXPECT_EQ(first.url, "http://127.0.0.1:9/rows.csv");
    EXPECT_TRUE(first.acceptCompressed);
    EXPECT_EQ(first.maxBodyBytes, ResultsFeed::kMaxBodyBytes);
    EXPECT_TRUE(first.ifNoneMatch.empty());

    result = DrawUpdate::run(state, ports);
    EXPECT_TRUE(result.notModified);
    EXPECT_FALSE(result.error);
    EXPECT_EQ(client.requests[1].ifNoneMatch, "\"export-1\"");
    EXPECT_EQ(state.status[0], "Keine neuen Ziehungen: die Ergebnisdatei ist unverändert");
    EXPECT_EQ(fileRecords(), expected);

    // A draw deleted since: the file no longer is as the fetch left it, so the whole
    // export is asked for again and the draw comes back.
    state.drawHistory().removeDate(day("2026-08-05"));
    client.answers = {exportAnswer()};
    result = DrawUpdate::run(state, ports);
    EXPECT_TRUE(client.requests[2].ifNoneMatch.empty());
    ASSERT_EQ(result.appended.size(), 1u);
    EXPECT_EQ(fileRecords(), expected);
}

TEST_F(FeedUpdateTest, TheStopButtonStopsTheTransferAndNothingIsStored) {
    const std::vector<unsigned char> before = folder.readBytes("Powerball.dat");
    client.answers = {exportAnswer()};
    pump.onPump = [this] { DrawUpdate::stop(state); };
    const DrawUpdate::Result result = DrawUpdate::run(state, ports);
    EXPECT_TRUE(result.stopped);
    EXPECT_FALSE(result.error);
    EXPECT_TRUE(result.appended.empty());
    EXPECT_EQ(folder.readBytes("Powerball.dat"), before);
    EXPECT_EQ(state.status[0], "Laden der Ergebnisdatei gestoppt; es wurde nichts gespeichert.");
    EXPECT_TRUE(prompts.plainTexts.empty());
    EXPECT_FALSE(state.updateRunning());
}

TEST_F(FeedUpdateTest, AFailureSaysWhyInTheUsersLanguageAndStoresNothing) {
    const std::vector<unsigned char> before = folder.readBytes("Powerball.dat");
    HttpResponse tooLarge;
    tooLarge.error = "the answer is larger than 4194304 bytes";
    tooLarge.tooLarge = true;
    const std::vector<std::pair<HttpResponse, std::string>> cases{
        {httpAnswer("<html>captive portal</html>"), m(Msg::FeedNotPublicForm)},
        {httpAnswer("Not found", 404, "HTTP/1.1 404 Not Found"),
         "Die Ergebnisdatei kann nicht geladen werden: HTTP/1.1 404 Not Found. Es wurde nichts "
         "gespeichert."},
        {tooLarge, "Die Ergebnisdatei ist größer als 4 MiB; es wurde nichts gespeichert."},
    };
    for (const auto& [answer, text] : cases) {
        SCOPED_TRACE(text);
        client.answers = {answer};
        prompts.plainTexts.clear();
        const DrawUpdate::Result result = DrawUpdate::run(state, ports);
        EXPECT_TRUE(result.error);
        EXPECT_EQ(prompts.plainTexts, std::vector<std::string>{text});
        EXPECT_EQ(state.status[0], text);
        EXPECT_EQ(folder.readBytes("Powerball.dat"), before);
        EXPECT_FALSE(
            std::filesystem::exists(ResultsFeed::validatorFile(folder.file("Powerball.dat"))));
    }
}

} // namespace
