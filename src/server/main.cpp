// powerball-server: the update server. Answers the program's requests for the draws of a
// day from a draw file or CSV, and hands out click-script updates and downloads.
#include "DrawSource.h"
#include "EventServer.h"
#include "ServerOptions.h"
#include "UpdateRoutes.h"

#include <csignal>
#include <iostream>

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

// SIGINT and SIGTERM are blocked before any thread starts, so they reach only the wait at
// the end of main and no handler runs in the middle of the server's work.
sigset_t stopSignals() {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    return signals;
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
    const sigset_t signals = stopSignals();
    raiseOpenFileLimit();
    try {
        DrawSource draws(options.draws);
        const UpdateRoutes routes(options, draws);
        const EventServer server(
            options.bind, options.port, options.limits,
            [&routes](const IncomingRequest& request) { return routes.answer(request); });
        std::cout << "powerball-server: listening on http://" << options.bind << ':'
                  << server.port() << " with " << draws.current()->size() << " draws, at most "
                  << server.maxConnections() << " connections" << std::endl;
        int signal = 0;
        sigwait(&signals, &signal);
        return 0;
    } catch (const std::exception& error) {
        std::cerr << "powerball-server: " << error.what() << '\n';
        return 2;
    }
}
