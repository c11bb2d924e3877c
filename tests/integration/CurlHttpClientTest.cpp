// The libcurl client against servers on loopback ports.
#include "ClosedPort.h"
#include "FakeHttpServer.h"
#include "UpdateServerProcess.h"

#include "platform/http/CurlHttpClient.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace powerball;
using namespace powerball::testing;
using namespace std::chrono_literals;

namespace {

HttpRequest requestFor(const std::string& url) {
    HttpRequest request;
    request.url = url;
    request.connectTimeout = 1000ms;
    request.readTimeout = 1000ms;
    return request;
}

TEST(CurlHttpClient, StatusLineBodyAndLastModified) {
    TempFolder folder;
    std::filesystem::create_directory(folder.file("scripts"));
    writeCsv(folder, "draws.csv", {});
    {
        std::ofstream script(folder.file("scripts") / "Lotto.vks.txt", std::ios::binary);
        script << "KLICK 10,20\r\n";
    }
    const auto changed =
        std::chrono::sys_seconds(std::chrono::sys_days(std::chrono::year(2015) / 10 / 10)) + 12h;
    std::filesystem::last_write_time(folder.file("scripts") / "Lotto.vks.txt",
                                     std::chrono::file_clock::from_sys(changed));
    const UpdateServerProcess server(folder, folder.file("draws.csv"), "2015-10-10",
                                     {"--scripts", folder.file("scripts").string()});
    CurlHttpClient client;

    const HttpResponse found = client.get(requestFor(server.base() + "/scripts/Lotto.vks.txt"));
    EXPECT_FALSE(found.failed()) << found.error;
    EXPECT_EQ(found.statusCode, 200);
    EXPECT_EQ(found.statusLine, "HTTP/1.1 200 OK");
    EXPECT_EQ(found.body, "KLICK 10,20\r\n");
    EXPECT_EQ(found.lastModified, changed);

    const HttpResponse missing = client.get(requestFor(server.base() + "/scripts/Keno.vks.txt"));
    EXPECT_FALSE(missing.failed());
    EXPECT_EQ(missing.statusCode, 404);
    EXPECT_EQ(missing.statusLine, "HTTP/1.1 404 Not Found");
    EXPECT_FALSE(missing.lastModified);
}

TEST(CurlHttpClient, FollowsAtMostFifteenRedirects) {
    FakeHttpServer fake;
    fake.routes().Get(R"(/hop/(\d+))",
                      [](const httplib::Request& request, httplib::Response& response) {
                          const int left = std::stoi(request.matches[1].str());
                          if (left == 0)
                              response.set_content("arrived", "text/plain");
                          else
                              response.set_redirect("/hop/" + std::to_string(left - 1));
                      });
    fake.start();
    CurlHttpClient client;

    const HttpResponse fifteen = client.get(requestFor(fake.base() + "/hop/15"));
    EXPECT_FALSE(fifteen.failed()) << fifteen.error;
    EXPECT_EQ(fifteen.body, "arrived");
    EXPECT_EQ(fifteen.statusLine, "HTTP/1.1 200 OK");

    const HttpResponse sixteen = client.get(requestFor(fake.base() + "/hop/16"));
    EXPECT_TRUE(sixteen.failed());
    EXPECT_EQ(sixteen.statusCode, 302);
}

TEST(CurlHttpClient, OnlyHttpIsSpoken) {
    FakeHttpServer fake;
    fake.routes().Get("/elsewhere", [](const httplib::Request&, httplib::Response& response) {
        response.set_redirect("file:///etc/hostname");
    });
    fake.start();
    CurlHttpClient client;
    for (const std::string& url :
         {std::string("file:///etc/hostname"), fake.base() + "/elsewhere"}) {
        SCOPED_TRACE(url);
        const HttpResponse response = client.get(requestFor(url));
        EXPECT_TRUE(response.failed());
        EXPECT_EQ(response.body, "");
    }
}

TEST(CurlHttpClient, BodyIsCappedAtOneMebibyte) {
    FakeHttpServer fake;
    fake.routes().Get(R"(/sized/(\d+))", [](const httplib::Request& request,
                                            httplib::Response& response) {
        response.set_content(std::string(std::stoul(request.matches[1].str()), 'x'), "text/plain");
    });
    // Without a length announced: the client has to count for itself.
    fake.routes().Get(
        R"(/chunked/(\d+))", [](const httplib::Request& request, httplib::Response& response) {
            const std::size_t total = std::stoul(request.matches[1].str());
            response.set_chunked_content_provider(
                "text/plain",
                [total, sent = std::size_t{0}](std::size_t, httplib::DataSink& sink) mutable {
                    const std::string piece(std::min<std::size_t>(64 * 1024, total - sent), 'x');
                    sink.write(piece.data(), piece.size());
                    sent += piece.size();
                    if (sent == total)
                        sink.done();
                    return true;
                });
        });
    fake.start();
    CurlHttpClient client;
    const std::size_t cap = HttpRequest::kMaxBodyBytes;
    for (const char* route : {"/sized/", "/chunked/"}) {
        for (const std::size_t size : {cap, cap + 1, 4 * cap}) {
            SCOPED_TRACE(route + std::to_string(size));
            const HttpResponse response =
                client.get(requestFor(fake.base() + route + std::to_string(size)));
            EXPECT_EQ(response.failed(), size > cap) << response.error;
            EXPECT_LE(response.body.size(), cap);
        }
    }
}

TEST(CurlHttpClient, SilentOrDrippingServerRunsIntoTheTimeOut) {
    FakeHttpServer fake;
    fake.routes().Get("/silent",
                      [&fake](const httplib::Request&, httplib::Response&) { fake.hang(); });
    fake.routes().Get("/drip", [](const httplib::Request&, httplib::Response& response) {
        response.set_chunked_content_provider(
            "text/plain", [](std::size_t, httplib::DataSink& sink) {
                std::this_thread::sleep_for(50ms);
                return sink.write("1", 1); // a byte now and then, for ever
            });
    });
    fake.start();
    CurlHttpClient client;
    for (const char* path : {"/silent", "/drip"}) {
        SCOPED_TRACE(path);
        HttpRequest request = requestFor(fake.base() + path);
        request.connectTimeout = 200ms;
        request.readTimeout = 200ms;
        const HttpResponse response = client.get(request);
        EXPECT_TRUE(response.failed());
        EXPECT_NE(response.error.find("timed out"), std::string::npos) << response.error;
    }
}

TEST(CurlHttpClient, RefusedConnectionFailsWithoutStatus) {
    const ClosedPort closed;
    CurlHttpClient client;
    const HttpResponse response = client.get(requestFor(closed.base() + "/"));
    EXPECT_TRUE(response.failed());
    EXPECT_EQ(response.statusCode, 0);
    EXPECT_EQ(response.statusLine, "");
}

// Proxies come from the program's own setting only, never from the environment.
TEST(CurlHttpClient, ProxyOfTheSettingNotOfTheEnvironment) {
    FakeHttpServer proxy;
    std::vector<std::string> seen;
    proxy.routes().Get(".*", [&seen](const httplib::Request& request, httplib::Response& response) {
        seen.push_back(request.target);
        response.set_content("via proxy", "text/plain");
    });
    proxy.start();
    FakeHttpServer direct;
    direct.routes().Get("/here", [](const httplib::Request&, httplib::Response& response) {
        response.set_content("direct", "text/plain");
    });
    direct.start();
    CurlHttpClient client;

    // Asked directly, the address would refuse: only the proxy can answer for it.
    const ClosedPort nothingListens;
    const std::string target = nothingListens.base() + "/zahlen/x?Datum=20151014";
    HttpRequest viaProxy = requestFor(target);
    viaProxy.proxyHost = "127.0.0.1";
    viaProxy.proxyPort = proxy.port();
    EXPECT_EQ(client.get(viaProxy).body, "via proxy");
    EXPECT_EQ(seen, std::vector<std::string>{target});

    const std::string proxyAddress = proxy.base();
    for (const char* variable : {"http_proxy", "HTTP_PROXY", "all_proxy", "ALL_PROXY"})
        ::setenv(variable, proxyAddress.c_str(), 1);
    const HttpResponse response = client.get(requestFor(direct.base() + "/here"));
    for (const char* variable : {"http_proxy", "HTTP_PROXY", "all_proxy", "ALL_PROXY"})
        ::unsetenv(variable);
    EXPECT_EQ(response.body, "direct");
    EXPECT_EQ(seen.size(), 1u);
}

} // namespace
