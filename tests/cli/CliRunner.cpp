#include "CliRunner.h"

#include <array>
#include <cstdio>
#include <sys/wait.h>

namespace powerball::testing {

CliRun runCli(const std::string& arguments) {
    const std::string command = std::string(POWERBALL_CLI) + " " + arguments + " 2>/dev/null";
    CliRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return run;
    std::array<char, 4096> buffer{};
    std::size_t got = 0;
    while ((got = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        run.out.append(buffer.data(), got);
    const int status = ::pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

} // namespace powerball::testing
