#include "ServerOptions.h"

#include <charconv>

namespace powerball::server {

const char* const kServerUsage =
    "usage: powerball-server --draws FILE [--bind HOST] [--port N] [--scripts DIR]\n"
    "                        [--files DIR] [--today YYYY-MM-DD]\n"
    "  --draws FILE    the draws to serve: a draw file (Powerball.dat) or a CSV file\n"
    "                  date,white1,..,white5,powerball,power_play\n"
    "  --bind HOST     address to listen on (default 127.0.0.1)\n"
    "  --port N        port to listen on (default 8765; 0 picks a free one)\n"
    "  --scripts DIR   folder of the click-script updates, served as /scripts/NAME.txt\n"
    "  --files DIR     folder of the downloads, served as /dateien/NAME\n"
    "  --today DATE    the day taken as today (default: the system's date)\n";

ServerOptions parseServerOptions(int argc, char** argv) {
    ServerOptions options;
    bool haveDraws = false;
    for (int k = 1; k < argc; ++k) {
        const std::string option = argv[k];
        if (option == "--help" || option == "-h") {
            options.help = true;
            return options;
        }
        if (k + 1 >= argc)
            throw UsageError(option.starts_with("--") ? option + " needs a value"
                                                      : "unexpected argument " + option);
        const std::string value = argv[++k];
        if (option == "--draws") {
            options.draws = value;
            haveDraws = true;
        } else if (option == "--bind") {
            options.bind = value;
        } else if (option == "--port") {
            int port = -1;
            const auto [end, error] =
                std::from_chars(value.data(), value.data() + value.size(), port);
            if (error != std::errc{} || end != value.data() + value.size() || port < 0 ||
                port > 65535)
                throw UsageError("--port: \"" + value + "\" is not a port number");
            options.port = port;
        } else if (option == "--scripts") {
            options.scripts = value;
        } else if (option == "--files") {
            options.files = value;
        } else if (option == "--today") {
            options.today = DrawCalendar::parseIsoDate(value);
            if (!options.today)
                throw UsageError("--today: \"" + value + "\" is not a date of the form yyyy-mm-dd");
        } else {
            throw UsageError("unknown option " + option);
        }
    }
    if (!haveDraws)
        throw UsageError("--draws is required");
    return options;
}

} // namespace powerball::server
