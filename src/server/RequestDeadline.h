#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>
#include <unordered_map>

namespace powerball::server {

// Cuts the connections that take longer than the limit to deliver a request. The engine's
// own time-out restarts with every byte, so a client that drips its request a byte at a
// time would otherwise keep its connection for as long as it likes. A connection's clock
// runs from its opening until its request is in, and again from the end of each answer,
// so an idle keep-alive connection is cut after the limit as well.
//
// The engine tells each step from its own thread; the cut comes from the watch's thread as
// a shutdown of the socket, which the engine then sees as a closed connection. Every step
// and the cut hold one lock, and the engine reports a connection closed before it closes
// its socket, so a cut never reaches a socket number that has been handed out again.
class RequestDeadline {
public:
    explicit RequestDeadline(std::chrono::milliseconds limit);
    ~RequestDeadline();
    RequestDeadline(const RequestDeadline&) = delete;
    RequestDeadline& operator=(const RequestDeadline&) = delete;

    void opened(const void* connection, int socket);
    void requestIn(const void* connection);
    void answered(const void* connection);
    void closed(const void* connection);

private:
    using Clock = std::chrono::steady_clock;
    struct Watched {
        int socket = -1;
        std::optional<Clock::time_point> waitingSince; // none while a request is handled
        bool cut = false;
    };

    void watch();
    void cutOverdue();

    std::chrono::milliseconds m_limit;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stopping = false;
    std::unordered_map<const void*, Watched> m_connections;
    std::thread m_thread;
};

} // namespace powerball::server
