// The update from the public results file through the real libcurl client, against a
// results file on a loopback port: the command line end to end, and feeds that lie, flood or
// drip. No test here reaches any address outside the loopback.
#include "ChildProcess.h"
#include "FakeHttpServer.h"
#include "TempFolder.h"
#include "UpdatePorts.h"

#include "app/draws/DrawUpdate.h"
#include "base/MessageTable.h"
#include "draws/DrawHistory.h"
#include "draws/DrawValidation.h"
#include "platform/http/CurlHttpClient.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <zlib.h>

#include <atomic>
#include <cstdio>
#include <functional>
#include <mutex>
#include <thread>

using nlohmann::json;
using namespace powerball;
using namespace powerball::testing;
using namespace std::chrono_literals;

namespace fs = std::filesystem;

namespace {

constexpr const char* kPath = "/api/views/d6yy-54nr/rows.csv";
constexpr const char* kHeader = "Draw Date,Winning Numbers,Multiplier\n";

std::string gzip(const std::string& text, int repeat = 1) {
    z_stream stream{};
    if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, 15 + 16, 9, Z_DEFAULT_STRATEGY) !=
        Z_OK)
        throw std::runtime_error("zlib cannot deflate");
    std::string out;
    std::vector<unsigned char> buffer(1 << 16);
    for (int k = 0; k < repeat; ++k) {
        stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.data()));
        stream.avail_in = static_cast<uInt>(text.size());
        const int flush = k + 1 == repeat ? Z_FINISH : Z_NO_FLUSH;
        do {
            stream.next_out = buffer.data();
            stream.avail_out = static_cast<uInt>(buffer.size());
            deflate(&stream, flush);
            out.append(reinterpret_cast<const char*>(buffer.data()),
                       buffer.size() - stream.avail_out);
        } while (stream.avail_out == 0);
    }
    deflateEnd(&stream);
    return out;
}

std::string publicLine(const DrawRecord& record) {
    const CivilDate date = DrawCalendar::civil(static_cast<DayNumber>(record.date));
    const DrawNumbers numbers = record.drawNumbers();
    char line[64];
    std::snprintf(line, sizeof line, "%02d/%02d/%04d,%02d %02d %02d %02d %02d %02d,%d\n",
                  date.month, date.day, date.year, numbers.white(1), numbers.white(2),
                  numbers.white(3), numbers.white(4), numbers.white(5), numbers.powerball(),
                  numbers.powerPlay());
    return line;
}

// The export as the lottery publishes it: the draws since 2010, newest first.
std::string publicExport(const std::vector<DrawRecord>& draws) {
    std::string text = kHeader;
    for (auto draw = draws.rbegin(); draw != draws.rend(); ++draw)
        if (draw->date >= day("2010-02-03"))
            text += publicLine(*draw);
    return text;
}

fs::path shippedDrawFile() {
    return fs::path(POWERBALL_BUILD_DIR) / "bin" / "Powerball.dat";
}

TEST(ResultsFeedUpdate, TheShippedDrawFileKeepsTheDrawRule) {
    const std::vector<DrawRecord> shipped = DrawHistory(shippedDrawFile()).readAll();
    ASSERT_EQ(shipped.size(), 3261u);
    for (const DrawRecord& record : shipped)
        ASSERT_FALSE(DrawValidation::newDrawProblem(record)) << iso(record.date);
}

// A fresh user folder (the shipped history, no settings) and `update`: the results file is
// the source, the missing draws come, and the second run asks conditionally.
TEST(ResultsFeedUpdate, TheCommandLineBringsTheMissingDrawsThenAsksConditionally) {
    std::vector<DrawRecord> draws = realHistory();
    const std::vector<DrawRecord> fresh{draw("2026-08-08", {3, 17, 29, 44, 68}, 11, 2),
                                        draw("2026-08-10", {9, 12, 40, 51, 66}, 20, 3),
                                        draw("2026-08-12", {1, 22, 23, 57, 69}, 7, 2)};
    draws.insert(draws.end(), fresh.begin(), fresh.end());
    const std::string body = publicExport(draws);

    std::mutex mutex;
    std::vector<httplib::Headers> seen;
    FakeHttpServer server;
    server.routes().Get(kPath, [&](const httplib::Request& request, httplib::Response& response) {
        {
            const std::lock_guard lock(mutex);
            seen.push_back(request.headers);
        }
        if (request.get_header_value("If-None-Match") == "\"export-7\"") {
            response.status = 304;
            return;
        }
        response.set_header("ETag", "\"export-7\"");
        response.set_header("Last-Modified", "Wed, 12 Aug 2026 23:30:00 GMT");
        response.set_header("Content-Encoding", "gzip");
        response.set_content(gzip(body), "text/csv");
    });
    server.start();

    TempFolder user;
    fs::copy_file(shippedDrawFile(), user.file("Powerball.dat"));
    const auto update = [&] {
        return runProgram(POWERBALL_CLI, {"--folder", user.path().string(), "--today", "2026-08-13",
                                          "--json", "update", "--url", server.base() + kPath});
    };

    ProgramRun run = update();
    ASSERT_EQ(run.exitCode, 0) << run.err;
    json result = json::parse(run.out);
    EXPECT_EQ(result["source"], "feed");
    EXPECT_EQ(result["http_status"], 200);
    EXPECT_EQ(result["not_modified"], false);
    EXPECT_EQ(result["new"], 3);
    EXPECT_EQ(result["changed"], json::array());
    EXPECT_EQ(result["unchanged"], 1982);
    EXPECT_EQ(result["skipped"], json::array());
    EXPECT_TRUE(result["error"].is_null());
    EXPECT_EQ(result["appended"][2]["date"], "2026-08-12");
    EXPECT_EQ(result["appended"][2]["index"], 3263);
    EXPECT_EQ(result["current_draw"]["date"], "2026-08-12");
    std::vector<DrawRecord> stored = DrawHistory::inFolder(user.path()).readAll();
    ASSERT_EQ(stored.size(), 3264u);
    for (std::size_t k = 0; k < fresh.size(); ++k) {
        EXPECT_EQ(stored[3261 + k].date, fresh[k].date);
        EXPECT_EQ(stored[3261 + k].numbers, fresh[k].numbers);
    }

    run = update();
    ASSERT_EQ(run.exitCode, 0) << run.err;
    result = json::parse(run.out);
    EXPECT_EQ(result["not_modified"], true);
    EXPECT_EQ(result["http_status"], 304);
    EXPECT_EQ(result["new"], 0);
    EXPECT_EQ(DrawHistory::inFolder(user.path()).readAll().size(), 3264u);

    const std::lock_guard lock(mutex);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_NE(seen[0].find("Accept-Encoding"), seen[0].end());
    EXPECT_EQ(seen[0].count("If-None-Match"), 0u);
    const auto header = [](const httplib::Headers& headers, const char* name) {
        const auto found = headers.find(name);
        return found == headers.end() ? std::string() : found->second;
    };
    EXPECT_EQ(header(seen[1], "If-None-Match"), "\"export-7\"");
    EXPECT_EQ(header(seen[1], "If-Modified-Since"), "Wed, 12 Aug 2026 23:30:00 GMT");
}

using Answer = std::function<void(const httplib::Request&, httplib::Response&)>;

Answer text(std::string body, std::string type = "text/csv") {
    return [body, type](const httplib::Request&, httplib::Response& response) {
        response.set_content(body, type);
    };
}

struct HostileFeed {
    std::string name;
    Answer answer;
    int message;             // the message the user reads: its table entry
    bool stored = false;     // the file was read, its stray lines skipped
    std::string skippedLine; // the part the skipped line's reason quotes
};

std::vector<HostileFeed> hostileFeeds(const std::string& good) {
    const std::string bomb = gzip(std::string(1 << 20, '\n'), 64); // 64 KB, 64 MiB inflated
    const std::string newest = "08/05/2026,14 20 59 60 61 25,2\n";
    return {
        {"an HTML page with status 200",
         text("<!DOCTYPE html><html><body><h1>Welcome to the airport Wi-Fi</h1>" + good +
                  "</body></html>",
              "text/html"),
         Msg::FeedNotPublicForm, false, ""},
        {"JSON", text(R"({"error":true,"message":"Rate limit exceeded"})", "application/json"),
         Msg::FeedNotPublicForm, false, ""},
        {"a wrong header", text("Draw Date,Winning Numbers,Mega Ball,Multiplier\n" + newest),
         Msg::FeedNotPublicForm, false, ""},
        // Sent as it is: as a text type the test server would first compress all 50 MB, which
        // on a busy machine can take longer than the deadline.
        {"50 MB",
         text(std::string(kHeader) + std::string(50 * 1024 * 1024, '7'),
              "application/octet-stream"),
         Msg::FeedTooLarge, false, ""},
        {"a gzip bomb",
         [bomb](const httplib::Request&, httplib::Response& response) {
             response.set_header("Content-Encoding", "gzip");
             response.set_content(bomb, "text/csv");
         },
         Msg::FeedTooLarge, false, ""},
        {"a file cut off in the transfer",
         [good](const httplib::Request&, httplib::Response& response) {
             response.set_content_provider(
                 good.size() * 2, "text/csv",
                 [good](std::size_t offset, std::size_t, httplib::DataSink& sink) {
                     if (offset == 0)
                         sink.write(good.data(), good.size());
                     return offset == 0;
                 });
         },
         Msg::FeedCannotLoad, false, ""},
        {"a slow drip past the deadline",
         [](const httplib::Request&, httplib::Response& response) {
             // Not a text type: the test server would compress it and hold the drip back.
             response.set_chunked_content_provider(
                 "application/octet-stream", [](std::size_t offset, httplib::DataSink& sink) {
                     const std::string piece = offset == 0 ? std::string(kHeader) : "0";
                     std::this_thread::sleep_for(200ms);
                     return sink.write(piece.data(), piece.size());
                 });
         },
         Msg::FeedTimedOut, false, ""},
        {"out-of-range numbers", text(good + "08/08/2026,03 17 29 44 70 11,2\n"),
         Msg::SkipInvalidDraw, true, "\"08/08/2026,03 17 29 44 70 11,2\""},
        {"a Powerball of another era", text(good + "08/08/2026,03 17 29 44 68 42,2\n"),
         Msg::SkipInvalidDraw, true, "\"08/08/2026,03 17 29 44 68 42,2\""},
        {"a future date",
         text(kHeader + std::string("08/14/2062,03 17 29 44 68 11,2\n") +
              good.substr(std::string(kHeader).size())),
         Msg::SkipAfterToday, true, "\"08/14/2062\""},
        {"one date twice with different numbers",
         text(kHeader + std::string("08/08/2026,03 17 29 44 68 11,2\n") +
              good.substr(std::string(kHeader).size()) + "08/08/2026,03 17 29 44 68 12,2\n"),
         Msg::SkipDateTwice, true, "\"08/08/2026\""},
    };
}

// Every hostile feed ends with one clear message in the user's language that quotes nothing
// of the body but a skipped line's own field, and leaves the draw file byte for byte as it
// was.
TEST(ResultsFeedUpdate, HostileFeedsEndWithAClearMessageAndTheDrawFileUnchanged) {
    const std::vector<DrawRecord> history = realHistory();
    const std::vector<DrawRecord> stored(history.end() - 40, history.end());
    const std::string good = publicExport(stored);

    std::mutex mutex;
    Answer current;
    FakeHttpServer server;
    server.routes().Get(".*", [&](const httplib::Request& request, httplib::Response& response) {
        const Answer answer = [&] {
            const std::lock_guard lock(mutex);
            return current;
        }();
        answer(request, response);
    });
    server.start();

    // The deadline is the shortest limit here, so that the drip meets it and nothing else; a
    // stall of the read time-out would end it too, with another message.
    UpdateLimits limits;
    limits.connectTimeout = 1s;
    limits.readTimeout = 10s;
    limits.overallDeadline = 4s;
    const MessageTable messages;
    for (const HostileFeed& feed : hostileFeeds(good)) {
        SCOPED_TRACE(feed.name);
        {
            const std::lock_guard lock(mutex);
            current = feed.answer;
        }
        TempFolder client;
        writeDrawFile(client, stored);
        const std::vector<unsigned char> before = client.readBytes("Powerball.dat");
        AppState state;
        state.programFolder = client.path();
        state.internet.source = DrawSource::Feed;
        state.internet.feedUrl = server.base() + kPath;
        CurlHttpClient http;
        UpdatePorts update(http, "2026-08-10");

        const DrawUpdate::Result result = DrawUpdate::run(state, update.ports, limits);

        EXPECT_EQ(client.readBytes("Powerball.dat"), before);
        EXPECT_TRUE(result.appended.empty());
        ASSERT_EQ(update.prompts.plainTexts.size(), 1u);
        const std::string& shown = update.prompts.plainTexts[0];
        if (feed.stored) {
            EXPECT_FALSE(result.error);
            ASSERT_EQ(result.skipped.size(), 1u);
            const std::string reason =
                fillPlaceholders(messages.text(feed.message), {feed.skippedLine});
            EXPECT_NE(shown.find(reason), std::string::npos) << shown;
            EXPECT_EQ(result.unchanged, 40);
        } else {
            ASSERT_TRUE(result.error);
            const std::string expected = messages.text(feed.message);
            EXPECT_EQ(shown.substr(0, expected.find('%')), expected.substr(0, expected.find('%')))
                << shown;
            EXPECT_EQ(shown.find("<"), std::string::npos) << shown;
            EXPECT_EQ(shown.find("Rate limit"), std::string::npos) << shown;
            EXPECT_FALSE(fs::exists(client.file("Powerball.dat.feed")));
        }
        if (feed.message == Msg::FeedTimedOut) {
            EXPECT_EQ(shown, fillPlaceholders(messages.text(Msg::FeedTimedOut), {"4"}));
        }
        EXPECT_FALSE(state.updateRunning());
    }
}

} // namespace
