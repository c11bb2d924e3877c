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
}

} // namespace powerball::server
