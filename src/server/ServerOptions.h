#pragma once

#include "base/DrawCalendar.h"

#include <CLI/CLI.hpp>

#include <filesystem>
#include <optional>
#include <string>

namespace powerball::server {

// What one connection may take of the server. Idle and slow connections cost only memory
// on the event engine, so the limits keep that memory and the descriptors bounded, and no
// one address can take all of them.
struct ConnectionLimits {
    int maxConnections = 0; // 0: the descriptor limit less what the server needs besides
    int maxPerAddress = 128;
    int requestSeconds = 5;      // to deliver a whole request, from the opening or the last answer
    int idleSeconds = 5;         // without a byte arriving
    int maxRequestBytes = 65536; // above 32 KiB each connection's memory is mapped on its own
};

struct ServerOptions {
    std::filesystem::path draws;
    std::string bind = "127.0.0.1";
    int port = 8765; // 0: any free port
    std::optional<std::filesystem::path> scripts;
    std::optional<std::filesystem::path> files;
    std::optional<DayNumber> today; // fixed instead of the system clock's
    ConnectionLimits limits;
    std::optional<std::string> feed; // public results to merge into the draw file
    int refreshMinutes = 60;
};

// The options of powerball-server, read into `options`.
void addServerOptions(CLI::App& app, ServerOptions& options);

} // namespace powerball::server
