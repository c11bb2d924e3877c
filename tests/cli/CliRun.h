#pragma once

#include "ChildProcess.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>
#include <vector>

namespace powerball::testing {

// powerball-cli with the arguments a test always passes (its folder, settings, today ...),
// then those of the one call.
inline ProgramRun runCli(std::vector<std::string> arguments, const std::vector<std::string>& more,
                         const std::vector<std::string>& environment = {}) {
    arguments.insert(arguments.end(), more.begin(), more.end());
    return runProgram(POWERBALL_CLI, arguments, environment);
}

// What a run printed as JSON; a run that failed fails the test and gives null.
inline nlohmann::json jsonOf(const ProgramRun& run) {
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return run.exitCode == 0 ? nlohmann::json::parse(run.out) : nlohmann::json();
}

} // namespace powerball::testing
