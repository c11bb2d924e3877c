#include "ChildProcess.h"
#include "TempFolder.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <spawn.h>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace powerball::testing {

namespace {

// The test's own environment with `extra` ("NAME=VALUE") added in front, so it wins.
std::vector<std::string> environmentWith(const std::vector<std::string>& extra) {
    std::vector<std::string> entries = extra;
    for (char** entry = environ; *entry; ++entry)
        entries.emplace_back(*entry);
    return entries;
}

pid_t spawn(const std::filesystem::path& program, const std::vector<std::string>& arguments,
            const std::filesystem::path& out, const std::filesystem::path& err,
            const std::vector<std::string>& extraEnvironment = {}) {
    std::vector<std::string> words{program.string()};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, out.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (err == out)
        posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    else
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, err.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
    std::vector<std::string> environment = environmentWith(extraEnvironment);
    std::vector<char*> envp;
    for (std::string& entry : environment)
        envp.push_back(entry.data());
    envp.push_back(nullptr);
    pid_t pid = -1;
    const int failed =
        posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0)
        throw std::runtime_error("cannot start " + program.string());
    return pid;
}

ProgramRun endOf(int status, std::string out, std::string err) {
    ProgramRun run;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.signal = WIFSIGNALED(status) ? WTERMSIG(status) : 0;
    run.out = std::move(out);
    run.err = std::move(err);
    return run;
}

std::filesystem::path scratchFile(const char* what) {
    static int counter = 0;
    return std::filesystem::temp_directory_path() /
           ("powerball-test-" + std::to_string(::getpid()) + "-" + std::to_string(++counter) + "." +
            what);
}

} // namespace

ProgramRun runProgram(const std::filesystem::path& program,
                      const std::vector<std::string>& arguments,
                      const std::vector<std::string>& extraEnvironment) {
    const auto out = scratchFile("out");
    const auto err = scratchFile("err");
    const pid_t pid = spawn(program, arguments, out, err, extraEnvironment);
    int status = 0;
    ::waitpid(pid, &status, 0);
    ProgramRun run = endOf(status, readText(out), readText(err));
    std::filesystem::remove(out);
    std::filesystem::remove(err);
    return run;
}

std::vector<ProgramRun> runTogether(const std::filesystem::path& program,
                                    const std::vector<std::vector<std::string>>& argumentLists) {
    struct Started {
        pid_t pid;
        std::filesystem::path out;
        std::filesystem::path err;
    };
    std::vector<Started> started;
    for (const auto& arguments : argumentLists) {
        Started run{-1, scratchFile("out"), scratchFile("err")};
        run.pid = spawn(program, arguments, run.out, run.err);
        started.push_back(run);
    }
    std::vector<ProgramRun> runs;
    for (const Started& run : started) {
        int status = 0;
        ::waitpid(run.pid, &status, 0);
        runs.push_back(endOf(status, readText(run.out), readText(run.err)));
        std::filesystem::remove(run.out);
        std::filesystem::remove(run.err);
    }
    return runs;
}

BackgroundProcess::BackgroundProcess(const std::filesystem::path& program,
                                     const std::vector<std::string>& arguments,
                                     const std::filesystem::path& logFile)
    : m_logFile(logFile), m_pid(spawn(program, arguments, logFile, logFile)) {}

BackgroundProcess::~BackgroundProcess() {
    stop();
}

std::string BackgroundProcess::log() const {
    return readText(m_logFile);
}

std::string BackgroundProcess::waitForLine(const std::string& prefix) const {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (std::chrono::steady_clock::now() < deadline) {
        std::istringstream lines(log());
        for (std::string line; std::getline(lines, line);)
            if (line.starts_with(prefix))
                return line;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return {};
}

void BackgroundProcess::signal(int number) const {
    if (m_pid > 0)
        ::kill(m_pid, number);
}

void BackgroundProcess::stop() {
    if (m_pid <= 0)
        return;
    ::kill(m_pid, SIGTERM);
    int status = 0;
    for (int waited = 0; waited < 500; ++waited) { // 5 s
        if (::waitpid(m_pid, &status, WNOHANG) == m_pid) {
            m_pid = -1;
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ::kill(m_pid, SIGKILL);
    ::waitpid(m_pid, &status, 0);
    m_pid = -1;
}

} // namespace powerball::testing
