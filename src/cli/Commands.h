#pragma once

#include "CliOptions.h"

#include <iosfwd>

namespace powerball::cli {

// Exit code of an update whose request for a day failed (no connection, time-out, an error
// status of the server); 1 is a wrong command line, 2 a data or file error.
constexpr int kUpdateFailed = 3;

// Each verb of the command line: runs the core command and prints its result.
int runImport(const CliOptions& options, std::ostream& out);
int runDraws(const CliOptions& options, std::ostream& out);
int runCheck(const CliOptions& options, std::ostream& out);
int runBrowse(const CliOptions& options, std::ostream& out);
int runStats(const CliOptions& options, std::ostream& out);
int runSettings(const CliOptions& options, std::ostream& out);
int runUpdate(const CliOptions& options, std::ostream& out);
int runEnter(const CliOptions& options, std::ostream& out);
int runDelete(const CliOptions& options, std::ostream& out);
int runGenerate(const CliOptions& options, std::ostream& out);

} // namespace powerball::cli
