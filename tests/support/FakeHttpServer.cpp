#include "FakeHttpServer.h"

#include <chrono>
#include <stdexcept>

namespace powerball::testing {

void FakeHttpServer::start() {
    m_port = m_server.bind_to_any_port("127.0.0.1");
    if (m_port <= 0)
        throw std::runtime_error("the fake server cannot listen on a loopback port");
    m_server.set_tcp_nodelay(true);
    // One request per connection: a connection a client keeps would hold up the end.
    m_server.set_keep_alive_max_count(1);
    m_thread = std::thread([this] { m_server.listen_after_bind(); });
    for (int k = 0; k < 500 && !m_server.is_running(); ++k)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

void FakeHttpServer::hang() {
    std::unique_lock lock(m_mutex);
    m_released.wait_for(lock, std::chrono::seconds(30), [this] { return m_releasing; });
}

FakeHttpServer::~FakeHttpServer() {
    {
        const std::lock_guard lock(m_mutex);
        m_releasing = true;
    }
    m_released.notify_all();
    m_server.stop();
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace powerball::testing
