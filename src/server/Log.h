#pragma once

#include <string>

namespace powerball::server {

// Writes one whole line to standard output and flushes it: the access log and the feed's
// lines come from different threads and never run into each other.
void logLine(const std::string& line);

} // namespace powerball::server
