#pragma once

#include <string>

namespace powerball::testing {

struct CliRun {
    int exitCode = -1;
    std::string out;
};

// Runs powerball-cli with the arguments as a shell would split them; standard error is
// dropped.
CliRun runCli(const std::string& arguments);

} // namespace powerball::testing
