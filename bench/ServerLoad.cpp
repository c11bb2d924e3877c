// Load on powerball-server over the loopback, side by side with nginx serving the same
// answers as static files: requests per second and latency percentiles for 8 and 64
// concurrent clients on kept and on new connections, then the resident memory of each with
// 10,000 idle connections open.
//
//   server_load [REQUESTS]     (default 5000 per round; powerball-server beside it)
//
// nginx (Debian's nginx-light, /usr/sbin/nginx) runs as an ordinary process with one worker
// and a configuration in a temporary folder; without it only the server is measured.
#include <httplib.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kIdleConnections = 10000;
const fs::path kNginx = "/usr/sbin/nginx";

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
    return 0;
}

// The process and its children (nginx's workers).
long familyResidentKiB(pid_t pid) {
    long total = residentKiB(pid);
    for (const auto& entry : fs::directory_iterator("/proc")) {
        std::ifstream stat(entry.path() / "stat");
        std::string text;
        std::getline(stat, text);
        const auto close = text.rfind(')');
        if (close == std::string::npos)
            continue;
        char state = 0;
        int parent = 0;
        if (std::sscanf(text.c_str() + close + 1, " %c %d", &state, &parent) == 2 && parent == pid)
            total += residentKiB(std::stoi(entry.path().filename()));
    }
    return total;
}

pid_t start(const std::vector<std::string>& command) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // The log goes nowhere, but it is still written, as in service.
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    std::vector<std::string> arguments = command;
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

void stop(pid_t pid) {
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
}

bool answers(int port) {
    httplib::Client probe("127.0.0.1", port);
    for (int k = 0; k < 100; ++k) {
        if (probe.Get("/zahlen/powerball.asp?Programm=PowerBall&Datum=20000101"))
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

// Draw days of the bundled history, with a day that has no draw among them.
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

std::string dayPath(const std::string& day) {
    return "/zahlen/powerball.asp?Programm=PowerBall&Datum=" + day;
}

struct Round {
    double requestsPerSecond = 0;
    double p50 = 0;
    double p99 = 0;
    int failures = 0;
};

double percentile(const std::vector<double>& sorted, double p) {
    if (sorted.empty())
        return 0;
    return sorted[std::min(sorted.size() - 1, static_cast<std::size_t>(p * sorted.size()))];
}

Round runRound(int port, int requests, int clients, bool keepConnection,
               const std::vector<std::string>& days) {
    std::atomic<int> next = 0;
    std::atomic<int> failures = 0;
    std::vector<std::vector<double>> latencies(static_cast<std::size_t>(clients));
    const Clock::time_point start = Clock::now();
    std::vector<std::thread> threads;
    for (int c = 0; c < clients; ++c)
        threads.emplace_back([&, c] {
            httplib::Client client("127.0.0.1", port);
            client.set_keep_alive(keepConnection);
            for (int k; (k = next++) < requests;) {
                const std::string path =
                    dayPath(days[static_cast<std::size_t>(k * 7919) % days.size()]);
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
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    std::vector<double> all;
    for (const auto& some : latencies)
        all.insert(all.end(), some.begin(), some.end());
    std::sort(all.begin(), all.end());
    return {requests / seconds, percentile(all, 0.50), percentile(all, 0.99), failures};
}

// Opens the idle connections, each from one of many loopback addresses (100 a address), and
// returns the memory once the last has been taken.
long memoryWithIdleConnections(int port, pid_t pid) {
    std::vector<int> sockets;
    for (int k = 0; k < kIdleConnections; ++k) {
        const int socket = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in local{};
        local.sin_family = AF_INET;
        const std::string from =
            "127.9." + std::to_string(k / 100 / 250) + '.' + std::to_string(k / 100 % 250 + 2);
        inet_pton(AF_INET, from.c_str(), &local.sin_addr);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<std::uint16_t>(port));
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (socket < 0 || ::bind(socket, reinterpret_cast<sockaddr*>(&local), sizeof local) != 0 ||
            ::connect(socket, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
            std::fprintf(stderr, "server_load: idle connection %d failed\n", k);
            if (socket >= 0)
                ::close(socket);
            break;
        }
        sockets.push_back(socket);
    }
    // A new connection is taken after every one before it: its answer means all are in.
    httplib::Client("127.0.0.1", port).Get(dayPath("20000101"));
    const long memory = familyResidentKiB(pid);
    for (const int socket : sockets)
        ::close(socket);
    return memory;
}

struct Target {
    std::string name;
    int port = 0;
    pid_t pid = -1;
};

// nginx with one worker, serving each day's answer as a file named by the day.
std::optional<Target> startNginx(const fs::path& folder, int serverPort,
                                 const std::vector<std::string>& days) {
    if (!fs::exists(kNginx))
        return std::nullopt;
    fs::create_directories(folder / "days");
    httplib::Client server("127.0.0.1", serverPort);
    for (const std::string& day : days)
        if (const auto answer = server.Get(dayPath(day)); answer && answer->status == 200)
            std::ofstream(folder / "days" / day, std::ios::binary) << answer->body;
    const int port = freePort();
    const std::string dir = folder.string();
    std::ofstream conf(folder / "nginx.conf");
    if (::geteuid() == 0) // root's workers would otherwise run as a user that cannot enter
        conf << "user root;\n";
    conf << "daemon off;\nworker_processes 1;\nworker_rlimit_nofile 30000;\n"
         << "error_log " << dir << "/error.log warn;\npid " << dir << "/nginx.pid;\n"
         << "events { worker_connections 25000; }\n"
         << "http {\n  access_log /dev/null;\n  keepalive_requests 100000;\n";
    for (const char* kind : {"client_body", "proxy", "fastcgi", "uwsgi", "scgi"})
        conf << "  " << kind << "_temp_path " << dir << "/temp-" << kind << ";\n";
    conf << "  server {\n    listen 127.0.0.1:" << port << " backlog=1024;\n"
         << "    location = /zahlen/powerball.asp {\n"
         << "      root " << dir << ";\n      default_type \"text/plain; charset=utf-8\";\n"
         << "      try_files /days/$arg_Datum =404;\n    }\n  }\n}\n";
    conf.close();
    const pid_t pid = start({kNginx.string(), "-p", dir, "-e", dir + "/error.log", "-c",
                             (folder / "nginx.conf").string()});
    if (pid < 0 || !answers(port)) {
        std::fprintf(stderr, "server_load: nginx did not start, see %s/error.log\n", dir.c_str());
        if (pid > 0)
            stop(pid);
        return std::nullopt;
    }
    return Target{"nginx", port, pid};
}

} // namespace

int main(int argc, char** argv) {
    const int requests = argc > 1 ? std::stoi(argv[1]) : 5000;
    rlimit files{};
    getrlimit(RLIMIT_NOFILE, &files);
    files.rlim_cur = files.rlim_max;
    setrlimit(RLIMIT_NOFILE, &files);

    const fs::path server = fs::read_symlink("/proc/self/exe").parent_path() / "powerball-server";
    const int serverPort = freePort();
    // Time-outs long enough to hold the idle connections while the memory is read.
    const pid_t serverPid = start(
        {server.string(), "--draws", POWERBALL_SOURCE_DIR "/data/powerball-draws.csv", "--port",
         std::to_string(serverPort), "--request-timeout", "300", "--idle-timeout", "300"});
    if (serverPid < 0 || !answers(serverPort)) {
        std::cerr << "server_load: the server does not answer\n";
        if (serverPid > 0)
            stop(serverPid);
        return 1;
    }
    const std::vector<std::string> days = requestedDays();
    std::vector<Target> targets{{"powerball-server", serverPort, serverPid}};
    const fs::path folder = fs::temp_directory_path() / ("server-load-" + std::to_string(getpid()));
    if (auto nginx = startNginx(folder, serverPort, days))
        targets.push_back(*nginx);
    else
        std::printf("nginx: not measured\n");

    std::printf("%zu draw days, %d requests a round, open-file limit %llu\n\n", days.size(),
                requests, static_cast<unsigned long long>(files.rlim_cur));
    std::printf("| server | clients | connections | requests/s | p50 ms | p99 ms | failed |\n"
                "|---|---|---|---|---|---|---|\n");
    for (const int clients : {8, 64})
        for (const bool keep : {true, false})
            for (const Target& target : targets) {
                const Round round = runRound(target.port, requests, clients, keep, days);
                std::printf("| %s | %d | %s | %.0f | %.2f | %.2f | %d |\n", target.name.c_str(),
                            clients, keep ? "kept" : "new each", round.requestsPerSecond, round.p50,
                            round.p99, round.failures);
            }
    std::printf("\n| server | VmRSS idle | with %d idle connections |\n|---|---|---|\n",
                kIdleConnections);
    for (const Target& target : targets) {
        const long before = familyResidentKiB(target.pid);
        const long with = memoryWithIdleConnections(target.port, target.pid);
        std::printf("| %s | %.1f MB | %.1f MB |\n", target.name.c_str(), before / 1024.0,
                    with / 1024.0);
    }
    for (const Target& target : targets)
        stop(target.pid);
    fs::remove_all(folder);
    return 0;
}
