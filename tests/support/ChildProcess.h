#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include <sys/types.h>

namespace powerball::testing {

struct ProgramRun {
    int exitCode = -1; // -1 when the program did not exit normally
    std::string out;
    std::string err;
    int signal = 0; // the signal that ended the program; 0 when it exited
};

// Runs a program to its end with the given arguments (no shell in between) and collects
// what it printed. `extraEnvironment` ("NAME=VALUE") is laid over the test's environment.
ProgramRun runProgram(const std::filesystem::path& program,
                      const std::vector<std::string>& arguments,
                      const std::vector<std::string>& extraEnvironment = {});

// Starts the program once for each argument list, all at the same time, and waits for
// every run to end.
std::vector<ProgramRun> runTogether(const std::filesystem::path& program,
                                    const std::vector<std::vector<std::string>>& argumentLists);

// A program left running in the background, its standard output and error going to
// `logFile`. Ended with SIGTERM (and SIGKILL when it does not end in time) at the latest
// when the object goes.
class BackgroundProcess {
public:
    BackgroundProcess(const std::filesystem::path& program,
                      const std::vector<std::string>& arguments,
                      const std::filesystem::path& logFile);
    ~BackgroundProcess();
    BackgroundProcess(const BackgroundProcess&) = delete;
    BackgroundProcess& operator=(const BackgroundProcess&) = delete;

    // Waits (half a minute at most, for a loaded machine) for a line of the log that starts
    // with `prefix` and returns it; empty when none came.
    std::string waitForLine(const std::string& prefix) const;
    std::string log() const;
    void signal(int number) const;
    void stop();

private:
    std::filesystem::path m_logFile;
    pid_t m_pid = -1;
};

} // namespace powerball::testing
