// Update servers that try to hang, flood or fool the program: every answer goes to the draw
// update and to the click-script update alike, through the real libcurl client.
#include "FakeHttpServer.h"
#include "TempFolder.h"
#include "UpdatePorts.h"

#include "app/draws/DrawUpdate.h"
#include "app/handover/ClickScriptStart.h"
#include "draws/DrawValidation.h"
#include "platform/http/CurlHttpClient.h"

#include <gtest/gtest.h>

#include <zlib.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <mutex>
#include <thread>

using namespace powerball;
using namespace powerball::testing;
using namespace std::chrono_literals;

namespace fs = std::filesystem;

namespace {

using Answer = std::function<void(const httplib::Request&, httplib::Response&)>;

// What the draw update has to make of an answer: it fails the day (an error), or takes it
// as a message of the server; either way nothing of it is stored.
enum class DrawOutcome { Failed, Message, FailedAfterAGoodDay };

struct Hostile {
    std::string name;
    Answer answer;
    DrawOutcome draws;
    bool scriptReplaced; // the answer is plain text, so the click script may take it
};

void sendText(httplib::Response& response, const std::string& body) {
    response.set_content(body, "text/plain");
}

// Keeps writing `piece` every `pause` until the client hangs up or the server goes.
Answer endless(std::string piece, std::chrono::milliseconds pause) {
    return [piece, pause](const httplib::Request&, httplib::Response& response) {
        response.set_chunked_content_provider("text/plain",
                                              [piece, pause](std::size_t, httplib::DataSink& sink) {
                                                  if (!sink.write(piece.data(), piece.size()))
                                                      return false;
                                                  std::this_thread::sleep_for(pause);
                                                  return true;
                                              });
    };
}

// A few hundred KB of gzip that inflate to 256 MiB of zeros.
std::string gzipBomb() {
    z_stream stream{};
    if (deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, 15 + 16, 9, Z_DEFAULT_STRATEGY) !=
        Z_OK)
        throw std::runtime_error("zlib cannot deflate");
    std::vector<unsigned char> zeros(1 << 20, 0);
    std::vector<unsigned char> out(1 << 16);
    std::string bomb;
    for (int mib = 0; mib < 256; ++mib) {
        stream.next_in = zeros.data();
        stream.avail_in = static_cast<uInt>(zeros.size());
        const int flush = mib == 255 ? Z_FINISH : Z_NO_FLUSH;
        do {
            stream.next_out = out.data();
            stream.avail_out = static_cast<uInt>(out.size());
            deflate(&stream, flush);
            bomb.append(reinterpret_cast<const char*>(out.data()), out.size() - stream.avail_out);
        } while (stream.avail_out == 0);
    }
    deflateEnd(&stream);
    return bomb;
}

std::string floodOfLines() {
    std::string body;
    for (int k = 0; k < 40000; ++k)
        body += std::to_string(1 + k % 60) + ",62,63,64,65,7,2\r\n";
    return body;
}

const std::string kGoodDraw = "1,2,3,4,5,6,2\r\n";

std::vector<Hostile> hostileAnswers(const std::string& base) {
    const std::string bomb = gzipBomb();
    std::vector<Hostile> cases{
        {"an endless body", endless(std::string(64 * 1024, '1'), 0ms), DrawOutcome::Failed, false},
        {"a slow drip", endless(",", 300ms), DrawOutcome::Failed, false},
        {"a body of 50 MB",
         [](const httplib::Request&, httplib::Response& response) {
             sendText(response, std::string(50 * 1024 * 1024, '7'));
         },
         DrawOutcome::Failed, false},
        {"a redirect to file://",
         [](const httplib::Request&, httplib::Response& response) {
             response.set_redirect("file:///etc/passwd");
         },
         DrawOutcome::Failed, false},
        {"a redirect to ftp://",
         [base](const httplib::Request&, httplib::Response& response) {
             response.set_redirect("ftp://" + base.substr(base.find("//") + 2) + "/draws");
         },
         DrawOutcome::Failed, false},
        {"a redirect loop",
         [](const httplib::Request& request, httplib::Response& response) {
             response.set_redirect(request.target);
         },
         DrawOutcome::Failed, false},
        {"a gzip bomb",
         [bomb](const httplib::Request&, httplib::Response& response) {
             response.set_header("Content-Encoding", "gzip");
             response.set_content(bomb, "text/plain");
         },
         DrawOutcome::Message, false},
        {"NUL bytes",
         [](const httplib::Request&, httplib::Response& response) {
             sendText(response, std::string("1,2,3,4,5,6,2\0\r\n", 16) + kGoodDraw);
         },
         DrawOutcome::Message, false},
        {"markup",
         [](const httplib::Request&, httplib::Response& response) {
             sendText(response, "<html><body><script>alert(1)</script>1,2,3,4,5,6,2</body></html>");
         },
         DrawOutcome::Message, true},
        {"terminal escape sequences",
         [](const httplib::Request&, httplib::Response& response) {
             sendText(response, "\x1b[2J\x1b]0;owned\x07" + kGoodDraw);
         },
         DrawOutcome::Message, false},
        {"a flood of lines",
         [](const httplib::Request&, httplib::Response& response) {
             sendText(response, floodOfLines());
         },
         DrawOutcome::Message, true},
        {"a failed day between good ones",
         [](const httplib::Request& request, httplib::Response& response) {
             const std::string day = request.get_param_value("Datum");
             if (day == "20151014" || day == "20151021")
                 sendText(response, kGoodDraw);
             else
                 response.status = 500;
         },
         DrawOutcome::FailedAfterAGoodDay, false},
    };
    // One row per field out of its range, the bad line first: a good line before a bad one
    // would be stored, as the server may put a message after the day's draws.
    for (const char* line : {"70,2,3,4,5,6,2", "0,2,3,4,5,6,2", "1,2,3,4,5,43,2", "1,2,3,4,5,6,12",
                             "-1,2,3,4,5,6,2", "1,1,2,3,4,6,2", "99999999999999999999,2,3,4,5,6,2",
                             "257,2,3,4,5,6,2", "1,2,3,4,5,6", "1,2,3,4,5,6,2,9"}) {
        const std::string body = line + std::string("\r\n") + kGoodDraw;
        cases.push_back({line,
                         [body](const httplib::Request&, httplib::Response& response) {
                             sendText(response, body);
                         },
                         DrawOutcome::Message, true});
    }
    return cases;
}

// The real client, with every request it was given noted.
class RecordingClient : public HttpClient {
public:
    HttpResponse get(const HttpRequest& request) override {
        requests.push_back(request);
        return m_client.get(request);
    }
    std::vector<HttpRequest> requests;

private:
    CurlHttpClient m_client;
};

class HostileAnswersTest : public ::testing::Test {
protected:
    void SetUp() override {
        // One route for every path: the case at hand answers, dated after the local script
        // (which the test dates back to 2001) and before now, so that the script update would
        // take it.
        server.routes().Get(
            ".*", [this](const httplib::Request& request, httplib::Response& response) {
                const Answer answer = [this] {
                    const std::lock_guard lock(mutex);
                    return current;
                }();
                response.set_header("Last-Modified", "Sat, 01 Jan 2005 00:00:00 GMT");
                answer(request, response);
            });
        server.start();
        limits.connectTimeout = 1s;
        limits.readTimeout = 1s;
        // Far beyond what the time-outs of one request allow: a walk that ends by the deadline
        // (result.stopped) had a request that the time-outs did not end.
        limits.overallDeadline = 60s;
    }
    // Each request carried the limits: whatever the server does, the client gives up after
    // them (the client's own test shows that it does).
    void expectLimitsApplied(const std::vector<HttpRequest>& requests) const {
        for (const HttpRequest& request : requests) {
            EXPECT_EQ(request.connectTimeout, limits.connectTimeout) << request.url;
            EXPECT_EQ(request.readTimeout, limits.readTimeout) << request.url;
            EXPECT_EQ(request.maxRedirects, limits.maxRedirects) << request.url;
        }
    }
    void answerWith(const Answer& answer) {
        const std::lock_guard lock(mutex);
        current = answer;
    }

    FakeHttpServer server;
    std::mutex mutex;
    Answer current;
    UpdateLimits limits;
};

TEST_F(HostileAnswersTest, NoHangNoBadDrawNoBrokenScript) {
    const DrawRecord stored = draw("2015-10-10", {7, 19, 33, 45, 60}, 12, 3);
    for (const Hostile& c : hostileAnswers(server.base())) {
        SCOPED_TRACE(c.name);
        answerWith(c.answer);

        TempFolder client;
        writeDrawFile(client, {stored});
        AppState state;
        state.programFolder = client.path();
        state.internet.source = DrawSource::Server;
        state.internet.url = server.base();
        RecordingClient http;
        UpdatePorts update(http, "2015-10-24");

        const DrawUpdate::Result result = DrawUpdate::run(state, update.ports, limits);
        // A request that hangs costs its time-outs, never the whole deadline: the walk ends
        // at the day the answer came for, not by the deadline.
        EXPECT_FALSE(result.stopped);
        EXPECT_EQ(http.requests.size(), result.requests.size());
        expectLimitsApplied(http.requests);

        const std::vector<DrawRecord> records = state.drawHistory().readAll();
        for (const DrawRecord& record : records)
            EXPECT_FALSE(DrawValidation::recordProblem(record)) << iso(record.date);
        switch (c.draws) {
        case DrawOutcome::Failed:
            EXPECT_EQ(result.requests.size(), 1u); // the walk stops at the failed day
            ASSERT_TRUE(result.error);
            EXPECT_NE(result.error->find("2015-10-14"), std::string::npos) << *result.error;
            EXPECT_EQ(update.prompts.plainTexts, std::vector<std::string>{*result.error});
            EXPECT_EQ(records, std::vector<DrawRecord>{stored});
            break;
        case DrawOutcome::Message:
            EXPECT_EQ(result.requests.size(), 1u); // the message ends the walk
            EXPECT_FALSE(result.error);
            ASSERT_TRUE(result.message);
            EXPECT_FALSE(result.message->empty());
            // What reaches the screen holds no control character.
            for (const char ch : *result.message)
                EXPECT_FALSE(static_cast<unsigned char>(ch) < 0x20 && ch != '\r' && ch != '\n' &&
                             ch != '\t')
                    << *result.message;
            EXPECT_EQ(records, std::vector<DrawRecord>{stored});
            break;
        case DrawOutcome::FailedAfterAGoodDay:
            ASSERT_TRUE(result.error);
            EXPECT_NE(result.error->find("2015-10-17"), std::string::npos) << *result.error;
            EXPECT_EQ(result.requests.size(), 2u); // the walk stops at the failed day
            EXPECT_EQ(records,
                      (std::vector<DrawRecord>{stored, draw("2015-10-14", {1, 2, 3, 4, 5}, 6, 2)}));
            break;
        }

        fs::create_directory(client.file("Script"));
        const fs::path script = client.file("Script") / "Lotto.vks";
        std::ofstream(script, std::ios::binary) << "local copy\r\n";
        const std::chrono::sys_seconds newYear2001{std::chrono::seconds(978307200)};
        fs::last_write_time(script, std::chrono::file_clock::from_sys(newYear2001));
        http.requests.clear();
        EXPECT_EQ(updateClickScript(state.internet, http, script, limits), c.scriptReplaced);
        ASSERT_EQ(http.requests.size(), 1u);
        expectLimitsApplied(http.requests);
        if (!c.scriptReplaced) {
            EXPECT_EQ(readText(script), "local copy\r\n");
        }
        EXPECT_EQ(
            std::distance(fs::directory_iterator(client.file("Script")), fs::directory_iterator()),
            1); // no temporary left beside it
    }
}

} // namespace
