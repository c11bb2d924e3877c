#include "CheckOutput.h"
#include "CliProgress.h"
#include "CliSession.h"
#include "Commands.h"
#include "JsonOutput.h"

#include "app/draws/DrawUpdate.h"
#include "platform/http/CurlHttpClient.h"

#include <algorithm>
#include <iostream>
#include <memory>
#include <ostream>

namespace powerball::cli {

namespace {

// "HOST:PORT" or "HOST" (port 80) into the fields of the "Internet-Optionen" page; the
// port is checked by the update as the page's field is.
void setProxy(InternetOptions& internet, const std::string& text) {
    const auto colon = text.rfind(':');
    internet.proxyHost = text.substr(0, colon);
    internet.proxyPort = colon == std::string::npos ? "80" : text.substr(colon + 1);
    if (internet.proxyHost.empty())
        throw UsageError("--proxy needs a host: HOST:PORT");
}

// A failed request ends the command with its own code; when some draws came first, the
// failure has not been shown yet (the box is only for an update that fetched nothing).
int exitCode(const DrawUpdate::Result& result) {
    if (!result.error)
        return 0;
    if (!result.appended.empty())
        std::cerr << *result.error << '\n';
    return kUpdateFailed;
}

struct UpdateArguments {
    std::optional<std::string> source;
    std::optional<std::string> url;
    std::optional<std::string> base;
    std::optional<std::string> proxy;
};

// --source and --url override the stored choice for one run; --base, older than the choice,
// names the update server and so chooses it.
void chooseSource(InternetOptions& internet, const UpdateArguments& arguments) {
    if (arguments.base) {
        internet.source = DrawSource::Server;
        internet.url = *arguments.base;
    }
    if (arguments.source)
        internet.source = *arguments.source == "feed" ? DrawSource::Feed : DrawSource::Server;
    if (arguments.url)
        (internet.source == DrawSource::Feed ? internet.feedUrl : internet.url) = *arguments.url;
}

Json skippedJson(const std::vector<SkippedLine>& skipped) {
    Json lines = Json::array();
    for (const SkippedLine& line : skipped)
        lines.push_back(Json{{"line", line.line}, {"reason", line.reason}});
    return lines;
}

int runUpdate(const CliOptions& options, const UpdateArguments& arguments, std::ostream& out) {
    CliSession session(options);
    AppState& state = session.state;
    chooseSource(state.internet, arguments);
    if (arguments.proxy)
        setProxy(state.internet, *arguments.proxy);
    CurlHttpClient http;
    session.ports.http = &http;

    CliProgress progress(options, state, [&] { DrawUpdate::stop(state); });
    session.ports.events = &progress;
    const DrawUpdate::Result result = DrawUpdate::run(state, session.ports);
    const int code =
        progress.interrupted() && !result.error ? CliProgress::kInterruptedExit : exitCode(result);

    // Where each new draw now stands: the walk appends at the end, the results file may
    // also fill gaps before the newest draw.
    const std::vector<DrawRecord> stored = state.drawHistory().readAll();
    const auto indexOf = [&](std::size_t k) {
        if (result.source == DrawSource::Server)
            return static_cast<int>(stored.size() - result.appended.size() + k);
        const auto found = std::lower_bound(
            stored.begin(), stored.end(), result.appended[k].date,
            [](const DrawRecord& record, double date) { return record.date < date; });
        return static_cast<int>(found - stored.begin());
    };
    const bool located = state.currentDraw.date != 0.0;
    const bool fromFeed = result.source == DrawSource::Feed;
    if (options.json) {
        Json changed = Json::array();
        for (const DrawRecord& draw : result.changed)
            changed.push_back(isoDay(draw.date));
        Json requests = Json::array();
        for (const DayNumber day : result.requests)
            requests.push_back(DrawCalendar::yyyymmdd(day));
        Json appended = Json::array();
        for (std::size_t k = 0; k < result.appended.size(); ++k)
            appended.push_back(drawJson(result.appended[k], indexOf(k)));
        out << Json{{"requests", requests},
                    {"appended", appended},
                    {"message", result.message ? Json(*result.message) : Json(nullptr)},
                    {"error", result.error ? Json(*result.error) : Json(nullptr)},
                    {"source", fromFeed ? "feed" : "server"},
                    {"http_status", result.httpStatus},
                    {"not_modified", result.notModified},
                    {"new", result.appended.size()},
                    {"changed", changed},
                    {"unchanged", result.unchanged},
                    {"skipped", skippedJson(result.skipped)},
                    {"current_draw", located ? currentDrawJson(state) : Json(nullptr)}}
                   .dump()
            << '\n';
        return code;
    }
    const TextFormat format = state.textFormat();
    const auto count = [&](std::size_t n) { return format.count(static_cast<long long>(n)); };
    if (fromFeed && result.notModified)
        out << state.messages.text(Msg::FeedNotModified) << '\n';
    else if (fromFeed)
        out << said(state, Msg::CliFeedResult,
                    {count(result.appended.size()), count(result.changed.size()),
                     count(static_cast<std::size_t>(result.unchanged)),
                     count(result.skipped.size())})
            << '\n';
    else
        out << said(state, Msg::CliWalkResult,
                    {count(result.requests.size()), count(result.appended.size())})
            << '\n';
    for (const DrawRecord& record : result.appended)
        out << "  " << drawLine(format, record) << '\n';
    if (result.message)
        out << said(state, Msg::CliServerMessage, {*result.message}) << '\n';
    if (located)
        out << said(state, Msg::CliShownDraw, {state.databaseDrawText}) << '\n';
    return code;
}

} // namespace

void addUpdateCommand(CommandLine& commandLine) {
    auto update = std::make_shared<UpdateArguments>();
    CLI::App* verb = commandLine.add("update",
                                     "fetch the new draws from the public results file or the "
                                     "update server, as the settings choose",
                                     [update](const CliOptions& options, std::ostream& out) {
                                         return runUpdate(options, *update, out);
                                     });
    verb->add_option("--source", update->source,
                     "the source for this run instead of the stored one")
        ->check(CLI::IsMember({"feed", "server"}));
    verb->add_option("--url", update->url, "the address of the source instead of the stored one")
        ->type_name("URL");
    verb->add_option("--base", update->base,
                     "the update server's address; chooses the server as the source")
        ->type_name("URL");
    verb->add_option("--proxy", update->proxy,
                     "a proxy instead of the stored one (port 80 when none is given)")
        ->type_name("HOST:PORT");
}

} // namespace powerball::cli
