// powerball-server behind a cache that exists: Debian's nginx with proxy_cache, started as
// an ordinary process on a loopback port with a configuration of the test's own. Many
// requests for past days reach the server once per day; the cache answers the rest.
#include "LoopbackSocket.h"
#include "UpdateServerProcess.h"

#include "base/DrawCalendar.h"
#include "platform/http/CurlHttpClient.h"

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <map>
#include <sstream>
#include <thread>

#include <netinet/in.h>
#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace powerball;
using namespace powerball::testing;

namespace {

const std::filesystem::path kNginx = "/usr/sbin/nginx";

int freeLoopbackPort() {
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

// The cache as the README shows it, with every path in the test's folder.
std::string nginxConfiguration(const std::filesystem::path& folder, int port, int serverPort) {
    const std::string dir = folder.string();
    std::ostringstream conf;
    // Started by root, nginx would hand its workers to a user that cannot enter the folder.
    if (::geteuid() == 0)
        conf << "user " << getpwuid(0)->pw_name << ";\n";
    conf << "daemon off;\nworker_processes 1;\n"
         << "error_log " << dir << "/error.log warn;\npid " << dir << "/nginx.pid;\n"
         << "events { worker_connections 256; }\n"
         << "http {\n  access_log off;\n";
    for (const char* kind : {"client_body", "proxy", "fastcgi", "uwsgi", "scgi"})
        conf << "  " << kind << "_temp_path " << dir << "/temp-" << kind << ";\n";
    conf << "  proxy_cache_path " << dir
         << "/cache levels=1:2 keys_zone=powerball:1m max_size=100m inactive=365d "
            "use_temp_path=off;\n"
         << "  server {\n    listen 127.0.0.1:" << port << ";\n    location / {\n"
         << "      proxy_pass http://127.0.0.1:" << serverPort << ";\n"
         << "      proxy_cache powerball;\n      proxy_cache_lock on;\n"
         << "      proxy_cache_revalidate on;\n"
         << "      proxy_cache_use_stale error timeout updating;\n"
         << "    }\n  }\n}\n";
    return conf.str();
}

TEST(NginxCacheTest, PastDaysReachTheServerOnceEach) {
    if (!std::filesystem::exists(kNginx))
        GTEST_SKIP() << kNginx << " is missing (scripts/install-deps installs nginx-light)";
    TempFolder folder;
    // 20 draw days before the server's today, a draw on each.
    std::vector<DrawRecord> draws;
    std::vector<std::string> days;
    DayNumber day = DrawCalendar::dayNumber(2015, 8, 1);
    for (int k = 0; k < 20; ++k, day = DrawCalendar::nextDrawDay(day)) {
        draws.push_back(
            draw(DrawCalendar::isoDate(day), {k + 1, k + 2, k + 3, k + 4, k + 5}, k % 26 + 1, 2));
        days.push_back(DrawCalendar::yyyymmdd(day));
    }
    writeDrawFile(folder, draws);
    const UpdateServerProcess server(folder, folder.file("Powerball.dat"), "2015-10-21");

    const int port = freeLoopbackPort();
    std::ofstream(folder.file("nginx.conf"))
        << nginxConfiguration(folder.path(), port, server.port());
    BackgroundProcess nginx(kNginx,
                            {"-p", folder.path().string(), "-e", folder.file("error.log").string(),
                             "-c", folder.file("nginx.conf").string()},
                            folder.file("nginx.out"));
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!LoopbackSocket(port).connected() && std::chrono::steady_clock::now() < giveUp)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    if (!LoopbackSocket(port).connected()) {
        std::ifstream errors(folder.file("error.log"));
        const std::string why((std::istreambuf_iterator<char>(errors)), {});
        GTEST_SKIP() << "nginx did not start: " << why << nginx.log();
    }

    // 2,000 requests from 8 clients, each client walking the days from its own start.
    std::atomic<int> right = 0;
    std::vector<std::thread> clients;
    for (int c = 0; c < 8; ++c)
        clients.emplace_back([&, c] {
            CurlHttpClient client;
            for (int k = 0; k < 250; ++k) {
                const std::size_t d = static_cast<std::size_t>(c * 3 + k) % days.size();
                HttpRequest request;
                request.url = "http://127.0.0.1:" + std::to_string(port) +
                              "/zahlen/powerball.asp?Programm=PowerBall&Datum=" + days[d];
                const HttpResponse response = client.get(request);
                const int n = static_cast<int>(d);
                const std::string expected = std::to_string(n + 1) + ',' + std::to_string(n + 2) +
                                             ',' + std::to_string(n + 3) + ',' +
                                             std::to_string(n + 4) + ',' + std::to_string(n + 5) +
                                             ',' + std::to_string(n % 26 + 1) + ",2\r\n";
                right += response.statusCode == 200 && response.body == expected;
            }
        });
    for (std::thread& client : clients)
        client.join();
    EXPECT_EQ(right, 2000);

    std::map<std::string, int> served;
    std::istringstream log(server.log());
    for (std::string line; std::getline(log, line);)
        if (const auto at = line.find("Datum="); at != std::string::npos)
            ++served[line.substr(at + 6, 8)];
    EXPECT_EQ(served.size(), days.size());
    for (const auto& [day, count] : served)
        EXPECT_EQ(count, 1) << "day " << day << " answered by the server " << count << " times";
}

} // namespace
