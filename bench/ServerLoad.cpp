// Load on powerball-server over the loopback: a fixed number of draw requests from a few
// concurrent clients, then requests per second, latency percentiles and the server's
// resident memory before and after.
//
//   server_load [REQUESTS] [CLIENTS]     (defaults 5000 and 8; powerball-server beside it)
//
// Each client keeps its connection, as the program's update does from one day to the next;
// a second round opens a new connection for every request.
#include <httplib.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

int freePort() {
    const int socket = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(socket, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t size = sizeof address;
    ::getsockname(socket, reinterpret_cast<sockaddr*>(&address), &size);
    ::close(socket);
    return ntohs(address.sin_port);
}

long residentKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with("VmRSS:"))
            return std::stol(line.substr(6));
    return -1;
}

// Draw days of the bundled history, with some days that have no draw among them.
std::vector<std::string> requestedDays() {
    std::ifstream csv(POWERBALL_SOURCE_DIR "/data/powerball-draws.csv");
    std::vector<std::string> days;
    std::string line;
    std::getline(csv, line); // the column names
    while (std::getline(csv, line))
        if (line.size() >= 10)
            days.push_back(line.substr(0, 4) + line.substr(5, 2) + line.substr(8, 2));
    days.push_back("20000101"); // no draw: 404
    return days;
}

struct Round {
    double seconds = 0;
    std::vector<double> latenciesMs;
    int failures = 0;
};

Round runRound(int port, int requests, int clients, bool keepConnection,
               const std::vector<std::string>& days) {
    std::atomic<int> next = 0;
    std::vector<std::vector<double>> latencies(static_cast<std::size_t>(clients));
    std::atomic<int> failures = 0;
    const Clock::time_point start = Clock::now();
    std::vector<std::thread> threads;
    for (int c = 0; c < clients; ++c)
        threads.emplace_back([&, c] {
            httplib::Client client("127.0.0.1", port);
            client.set_keep_alive(keepConnection);
            for (int k; (k = next++) < requests;) {
                const std::string path = "/zahlen/powerball.asp?Programm=PowerBall&Datum=" +
                                         days[static_cast<std::size_t>(k * 7919) % days.size()];
                const Clock::time_point sent = Clock::now();
                const httplib::Result answer = client.Get(path);
                latencies[static_cast<std::size_t>(c)].push_back(
                    std::chrono::duration<double, std::milli>(Clock::now() - sent).count());
                if (!answer || (answer->status != 200 && answer->status != 404))
                    ++failures;
            }
        });
    for (std::thread& thread : threads)
        thread.join();
    Round round;
    round.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    for (const auto& some : latencies)
        round.latenciesMs.insert(round.latenciesMs.end(), some.begin(), some.end());
    std::sort(round.latenciesMs.begin(), round.latenciesMs.end());
    round.failures = failures;
    return round;
}

double percentile(const std::vector<double>& sorted, double p) {
    if (sorted.empty())
        return 0;
    return sorted[std::min(sorted.size() - 1, static_cast<std::size_t>(p * sorted.size()))];
}

} // namespace

int main(int argc, char** argv) {
    const int requests = argc > 1 ? std::stoi(argv[1]) : 5000;
    const int clients = argc > 2 ? std::stoi(argv[2]) : 8;
    const std::filesystem::path server =
        std::filesystem::read_symlink("/proc/self/exe").parent_path() / "powerball-server";
    const std::string port = std::to_string(freePort());

    // The server's log goes nowhere, but it is still written, as in service.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    const std::string draws = POWERBALL_SOURCE_DIR "/data/powerball-draws.csv";
    std::vector<std::string> arguments{server.string(), "--draws", draws, "--port", port};
    std::vector<char*> argvOut;
    for (std::string& argument : arguments)
        argvOut.push_back(argument.data());
    argvOut.push_back(nullptr);
    pid_t pid = -1;
    if (posix_spawn(&pid, server.c_str(), &actions, nullptr, argvOut.data(), environ) != 0) {
        std::cerr << "server_load: cannot start " << server << '\n';
        return 1;
    }
    posix_spawn_file_actions_destroy(&actions);

    httplib::Client probe("127.0.0.1", std::stoi(port));
    bool up = false;
    for (int k = 0; k < 100 && !up; ++k) {
        up =
            static_cast<bool>(probe.Get("/zahlen/powerball.asp?Programm=PowerBall&Datum=20000101"));
        if (!up)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    if (!up) {
        std::cerr << "server_load: the server does not answer\n";
        kill(pid, SIGTERM);
        return 1;
    }

    const std::vector<std::string> days = requestedDays();
    const long before = residentKiB(pid);
    std::printf("powerball-server, %zu draw days, %d requests from %d clients\n", days.size(),
                requests, clients);
    std::printf("server VmRSS before: %ld KiB\n", before);
    for (const bool keep : {true, false}) {
        const Round round = runRound(std::stoi(port), requests, clients, keep, days);
        std::printf("%-22s %8.0f requests/s   p50 %6.3f ms   p99 %6.3f ms   failed %d   "
                    "VmRSS after %ld KiB\n",
                    keep ? "kept connections:" : "a connection each:", requests / round.seconds,
                    percentile(round.latenciesMs, 0.50), percentile(round.latenciesMs, 0.99),
                    round.failures, residentKiB(pid));
    }
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
    return 0;
}
