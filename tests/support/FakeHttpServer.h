#pragma once

#include <httplib.h>

#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

namespace powerball::testing {

// An HTTP server inside the test on a free loopback port, for answers that the update
// server never gives: redirects, odd bodies, silence, a proxy.
class FakeHttpServer {
public:
    FakeHttpServer() = default;
    ~FakeHttpServer();
    FakeHttpServer(const FakeHttpServer&) = delete;
    FakeHttpServer& operator=(const FakeHttpServer&) = delete;

    // Add the routes first, then start.
    httplib::Server& routes() { return m_server; }
    void start();

    int port() const { return m_port; }
    std::string base() const { return "http://127.0.0.1:" + std::to_string(m_port); }

    // For a handler that never answers: blocks until the server goes away.
    void hang();

private:
    httplib::Server m_server;
    int m_port = 0;
    std::thread m_thread;
    std::mutex m_mutex;
    std::condition_variable m_released;
    bool m_releasing = false;
};

} // namespace powerball::testing
