// powerball-server: the update server. Answers the program's requests for the draws of a
// day from a draw file or CSV, and hands out click-script updates and downloads.
#include "DrawSource.h"
#include "EventServer.h"
#include "FeedRefresh.h"
#include "ServerOptions.h"
#include "UpdateRoutes.h"

#include "platform/http/CurlHttpClient.h"
#include "ports/Clock.h"

#include <algorithm>
#include <csignal>
#include <iostream>
#include <memory>

#include <pthread.h>
#include <sys/resource.h>

using namespace powerball;
using namespace powerball::server;

namespace {

// Every connection takes a descriptor: take all the system allows this process.
void raiseOpenFileLimit() {
    rlimit files{};
    if (getrlimit(RLIMIT_NOFILE, &files) == 0 && files.rlim_cur < files.rlim_max) {
        files.rlim_cur = files.rlim_max;
        setrlimit(RLIMIT_NOFILE, &files);
    }
}

// SIGINT and SIGTERM (stop) and SIGHUP (refresh the feed now) are blocked before any
// thread starts, so they reach only the wait at the end of main and no handler runs in the
// middle of the server's work.
sigset_t awaitedSignals() {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    sigaddset(&signals, SIGHUP);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    return signals;
}

bool isCsvFile(const std::filesystem::path& file) {
    std::string extension = file.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".csv";
}

} // namespace

int main(int argc, char** argv) {
    ServerOptions options;
    CLI::App app("The update server of the program.", "powerball-server");
    app.set_version_flag("--version", "powerball-server " POWERBALL_VERSION);
    addServerOptions(app, options);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        if (error.get_exit_code() == 0) // --help
            return app.exit(error);
        std::cerr << "powerball-server: " << error.what() << '\n' << app.help();
        return 1;
    }
    if (options.feed && isCsvFile(options.draws)) {
        std::cerr << "powerball-server: --feed merges into a draw file (Powerball.dat), not into "
                     "a CSV file\n";
        return 1;
    }
    const sigset_t signals = awaitedSignals();
    raiseOpenFileLimit();
    try {
        DrawSource draws(options.draws);
        // The feed fetches through the program's own HTTP client, on libcurl.
        std::unique_ptr<CurlHttpClient> feedClient;
        std::unique_ptr<FeedRefresh> feed;
        if (options.feed) {
            feedClient = std::make_unique<CurlHttpClient>();
            feed = std::make_unique<FeedRefresh>(
                *options.feed, options.draws, *feedClient,
                [fixed = options.today] { return fixed.value_or(SystemClock().today()); });
        }
        const UpdateRoutes routes(options, draws);
        const EventServer server(
            options.bind, options.port, options.limits,
            [&routes](const IncomingRequest& request) { return routes.answer(request); });
        std::cout << "powerball-server: listening on http://" << options.bind << ':'
                  << server.port() << " with " << draws.current()->size() << " draws, at most "
                  << server.maxConnections() << " connections" << std::endl;
        if (feed)
            feed->start(std::chrono::minutes(options.refreshMinutes));
        for (int signal = SIGHUP; signal == SIGHUP;) {
            sigwait(&signals, &signal);
            if (signal == SIGHUP && feed)
                feed->refreshSoon();
        }
        return 0;
    } catch (const std::exception& error) {
        std::cerr << "powerball-server: " << error.what() << '\n';
        return 2;
    }
}
