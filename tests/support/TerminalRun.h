#pragma once

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace powerball::testing {

// A program with its stderr on a terminal (the side of a pseudo-terminal whose other
// side the test reads) and its stdout into a pipe.
class TerminalRun {
public:
    TerminalRun(const std::string& program, const std::vector<std::string>& arguments) {
        m_terminal = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (m_terminal < 0 || ::grantpt(m_terminal) != 0 || ::unlockpt(m_terminal) != 0)
            throw std::runtime_error("no pseudo-terminal");
        const std::string side = ::ptsname(m_terminal);
        int out[2];
        if (::pipe(out) != 0)
            throw std::runtime_error("no pipe");
        std::vector<std::string> words{program};
        words.insert(words.end(), arguments.begin(), arguments.end());
        std::vector<char*> argv;
        for (std::string& word : words)
            argv.push_back(word.data());
        argv.push_back(nullptr);
        m_pid = ::fork();
        if (m_pid == 0) {
            const int tty = ::open(side.c_str(), O_RDWR);
            const int nothing = ::open("/dev/null", O_RDONLY);
            ::dup2(nothing, 0);
            ::dup2(out[1], 1);
            ::dup2(tty, 2);
            ::execv(argv[0], argv.data());
            ::_exit(127);
        }
        ::close(out[1]);
        m_out = out[0];
    }
    ~TerminalRun() {
        if (m_pid > 0 && !m_ended) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
        }
        ::close(m_out);
        ::close(m_terminal);
    }

    // Reads what reaches the terminal until `done` holds for it or a minute has passed.
    std::string readTerminalUntil(const std::function<bool(const std::string&)>& done) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(1);
        while (!done(m_shown) && std::chrono::steady_clock::now() < deadline) {
            pollfd ready{m_terminal, POLLIN, 0};
            if (::poll(&ready, 1, 100) > 0)
                drain(m_terminal, m_shown);
        }
        return m_shown;
    }

    void interrupt() const { ::kill(m_pid, SIGINT); }

    // Reads stdout to its end (the terminal alongside, so the program never blocks on it),
    // then waits for the exit; -1 when the program did not exit normally.
    int finish(std::string& out) {
        for (;;) {
            pollfd ready[2]{{m_out, POLLIN, 0}, {m_terminal, POLLIN, 0}};
            if (::poll(ready, 2, 1000) <= 0)
                continue;
            if (ready[1].revents & POLLIN)
                drain(m_terminal, m_shown);
            if (ready[0].revents & (POLLIN | POLLHUP))
                if (!drain(m_out, out))
                    break;
        }
        int status = 0;
        ::waitpid(m_pid, &status, 0);
        m_ended = true;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

private:
    static bool drain(int fd, std::string& into) {
        char buffer[4096];
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got > 0)
            into.append(buffer, static_cast<std::size_t>(got));
        return got > 0;
    }

    int m_terminal = -1;
    int m_out = -1;
    pid_t m_pid = -1;
    bool m_ended = false;
    std::string m_shown;
};

} // namespace powerball::testing
