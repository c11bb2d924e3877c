#include "CliProgress.h"
#include "CliSession.h"
#include "Commands.h"
#include "JsonOutput.h"

#include "app/draws/DrawUpdate.h"
#include "platform/http/CurlHttpClient.h"

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
    std::optional<std::string> base;
    std::optional<std::string> proxy;
};

int runUpdate(const CliOptions& options, const UpdateArguments& arguments, std::ostream& out) {
    CliSession session(options);
    AppState& state = session.state;
    if (arguments.base)
        state.internet.url = *arguments.base;
    if (arguments.proxy)
        setProxy(state.internet, *arguments.proxy);
    CurlHttpClient http;
    session.ports.http = &http;

    CliProgress progress(options, state, [&] { DrawUpdate::stop(state); });
    session.ports.events = &progress;
    const DrawUpdate::Result result = DrawUpdate::run(state, session.ports);
    const int code =
        progress.interrupted() && !result.error ? CliProgress::kInterruptedExit : exitCode(result);

    const int firstAppended =
        static_cast<int>(state.drawHistory().readAll().size() - result.appended.size());
    const bool located = state.currentDraw.date != 0.0;
    if (options.json) {
        Json requests = Json::array();
        for (const DayNumber day : result.requests)
            requests.push_back(DrawCalendar::yyyymmdd(day));
        Json appended = Json::array();
        for (std::size_t k = 0; k < result.appended.size(); ++k)
            appended.push_back(drawJson(result.appended[k], firstAppended + static_cast<int>(k)));
        out << Json{{"requests", requests},
                    {"appended", appended},
                    {"message", result.message ? Json(*result.message) : Json(nullptr)},
                    {"error", result.error ? Json(*result.error) : Json(nullptr)},
                    {"current_draw", located ? currentDrawJson(state) : Json(nullptr)}}
                   .dump()
            << '\n';
        return code;
    }
    out << result.requests.size() << " days requested, " << result.appended.size()
        << " draws appended\n";
    for (const DrawRecord& record : result.appended) {
        const DrawNumbers numbers = record.drawNumbers();
        out << "  " << isoDay(record.date);
        for (int w = 1; w <= 5; ++w)
            out << ' ' << numbers.white(w);
        out << " PB " << numbers.powerball() << " PP " << numbers.powerPlay() << '\n';
    }
    if (result.message)
        out << "Message of the server: " << *result.message << '\n';
    if (located)
        out << "Shown draw: " << state.databaseDrawText << '\n';
    return code;
}

} // namespace

void addUpdateCommand(CommandLine& commandLine) {
    auto update = std::make_shared<UpdateArguments>();
    CLI::App* verb = commandLine.add("update", "fetch the new draws from the update server",
                                     [update](const CliOptions& options, std::ostream& out) {
                                         return runUpdate(options, *update, out);
                                     });
    verb->add_option("--base", update->base, "the server's address instead of the stored one")
        ->type_name("URL");
    verb->add_option("--proxy", update->proxy,
                     "a proxy instead of the stored one (port 80 when none is given)")
        ->type_name("HOST:PORT");
}

} // namespace powerball::cli
