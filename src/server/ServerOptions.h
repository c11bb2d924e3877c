#pragma once

#include "base/DrawCalendar.h"

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>

namespace powerball::server {

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct ServerOptions {
    std::filesystem::path draws;
    std::string bind = "127.0.0.1";
    int port = 8765; // 0: any free port
    std::optional<std::filesystem::path> scripts;
    std::optional<std::filesystem::path> files;
    std::optional<DayNumber> today; // fixed instead of the system clock's
    bool help = false;
};

ServerOptions parseServerOptions(int argc, char** argv);

extern const char* const kServerUsage;

} // namespace powerball::server
