#pragma once

#include "base/DrawCalendar.h"

#include <CLI/CLI.hpp>

#include <filesystem>
#include <optional>
#include <string>

namespace powerball::server {

struct ServerOptions {
    std::filesystem::path draws;
    std::string bind = "127.0.0.1";
    int port = 8765; // 0: any free port
    std::optional<std::filesystem::path> scripts;
    std::optional<std::filesystem::path> files;
    std::optional<DayNumber> today; // fixed instead of the system clock's
};

// The options of powerball-server, read into `options`.
void addServerOptions(CLI::App& app, ServerOptions& options);

} // namespace powerball::server
