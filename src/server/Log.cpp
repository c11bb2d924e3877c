#include "Log.h"

#include <iostream>
#include <mutex>

namespace powerball::server {

void logLine(const std::string& line) {
    static std::mutex logLock;
    const std::lock_guard lock(logLock);
    std::cout << line << '\n' << std::flush;
}

} // namespace powerball::server
