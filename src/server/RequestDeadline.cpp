#include "RequestDeadline.h"

#include <algorithm>

#include <sys/socket.h>

namespace powerball::server {

namespace {

// How often the clocks are read: a tenth of the limit, so a cut comes at most that late.
std::chrono::milliseconds checkInterval(std::chrono::milliseconds limit) {
    return std::clamp(limit / 10, std::chrono::milliseconds(10), std::chrono::milliseconds(250));
}

} // namespace

RequestDeadline::RequestDeadline(std::chrono::milliseconds limit)
    : m_limit(limit), m_thread([this] { watch(); }) {}

RequestDeadline::~RequestDeadline() {
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

void RequestDeadline::opened(const void* connection, int socket) {
    const std::lock_guard lock(m_mutex);
    m_connections[connection] = Watched{socket, Clock::now(), false};
}

void RequestDeadline::requestIn(const void* connection) {
    const std::lock_guard lock(m_mutex);
    if (const auto found = m_connections.find(connection); found != m_connections.end())
        found->second.waitingSince.reset();
}

void RequestDeadline::answered(const void* connection) {
    const std::lock_guard lock(m_mutex);
    if (const auto found = m_connections.find(connection); found != m_connections.end())
        found->second.waitingSince = Clock::now();
}

void RequestDeadline::closed(const void* connection) {
    const std::lock_guard lock(m_mutex);
    m_connections.erase(connection);
}

void RequestDeadline::watch() {
    const std::chrono::milliseconds interval = checkInterval(m_limit);
    std::unique_lock lock(m_mutex);
    while (!m_wake.wait_for(lock, interval, [this] { return m_stopping; }))
        cutOverdue();
}

void RequestDeadline::cutOverdue() {
    const Clock::time_point now = Clock::now();
    for (auto& [connection, watched] : m_connections) {
        if (watched.cut || !watched.waitingSince || now - *watched.waitingSince < m_limit)
            continue;
        ::shutdown(watched.socket, SHUT_RDWR);
        watched.cut = true;
    }
}

} // namespace powerball::server
