#include "ServerOptions.h"

#include "options/OptionChecks.h"

#include <charconv>

namespace powerball::server {

namespace {

CLI::Validator portNumber() {
    return CLI::Validator(
        [](std::string& text) -> std::string {
            int port = -1;
            const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), port);
            if (error != std::errc{} || end != text.data() + text.size() || port < 0 ||
                port > 65535)
                return "\"" + text + "\" is not a port number";
            return {};
        },
        "");
}

} // namespace

void addServerOptions(CLI::App& app, ServerOptions& options) {
    // A repeated option takes its last value, as it always has.
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    app.add_option("--draws", options.draws,
                   "the draws to serve: a draw file (Powerball.dat) or a CSV file "
                   "date,white1,..,white5,powerball,power_play")
        ->type_name("FILE")
        ->required();
    app.add_option("--bind", options.bind, "address to listen on")
        ->type_name("HOST")
        ->capture_default_str();
    app.add_option("--port", options.port, "port to listen on (0 picks a free one)")
        ->check(portNumber())
        ->capture_default_str();
    app.add_option("--scripts", options.scripts,
                   "folder of the click-script updates, served as /scripts/NAME.txt")
        ->type_name("DIR");
    app.add_option("--files", options.files, "folder of the downloads, served as /dateien/NAME")
        ->type_name("DIR");
    app.add_option("--today", options.today, "the day taken as today (default: the system's date)")
        ->transform(isoDate())
        ->type_name("YYYY-MM-DD");

    ConnectionLimits& limits = options.limits;
    app.add_option("--max-connections", limits.maxConnections,
                   "connections open at once; more are closed at once (default: the open-file "
                   "limit less 64)")
        ->check(wholeNumber())
        ->check(countAtLeast(1))
        ->type_name("N");
    app.add_option("--max-per-address", limits.maxPerAddress,
                   "connections open at once from one address (raise it when a cache in front "
                   "is the only client)")
        ->check(wholeNumber())
        ->check(countAtLeast(1))
        ->type_name("N")
        ->capture_default_str();
    app.add_option("--request-timeout", limits.requestSeconds,
                   "seconds a connection has to send a whole request, from its opening or its "
                   "last answer on")
        ->check(wholeNumber())
        ->check(countFromTo(1, 3600))
        ->type_name("SECONDS")
        ->capture_default_str();
    app.add_option("--idle-timeout", limits.idleSeconds,
                   "seconds without a byte from the client after which its connection is closed")
        ->check(wholeNumber())
        ->check(countFromTo(1, 3600))
        ->type_name("SECONDS")
        ->capture_default_str();
    app.add_option("--max-request-bytes", limits.maxRequestBytes,
                   "the largest request line and headers taken; a larger request is refused")
        ->check(wholeNumber())
        ->check(countFromTo(2048, 1024 * 1024))
        ->type_name("BYTES")
        ->capture_default_str();

    app.add_option("--feed", options.feed,
                   "address of the public results (CSV) to merge into the draw file at the "
                   "start, every --refresh minutes and on SIGHUP; needs a draw file")
        ->type_name("URL");
    app.add_option("--refresh", options.refreshMinutes, "minutes between two reads of --feed")
        ->check(wholeNumber())
        ->check(countFromTo(1, 7 * 24 * 60))
        ->type_name("MINUTES")
        ->capture_default_str();
}

} // namespace powerball::server
