#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <thread>

#include <sys/types.h>

namespace powerball::server {

// Cuts the connections of the server's port that take longer than the limit to deliver a
// request. The HTTP library restarts its read time-out with every byte, so a client that
// drips its request a byte at a time would otherwise hold a worker for as long as it likes.
// A connection's clock starts when it is first seen and again with each complete request
// on it, so an idle keep-alive connection is cut after the limit as well. A connection that
// sends more than a mebibyte towards one request (a header without end) is cut as well.
class ConnectionWatch {
public:
    ConnectionWatch(int port, std::chrono::milliseconds limit);
    ~ConnectionWatch();
    ConnectionWatch(const ConnectionWatch&) = delete;
    ConnectionWatch& operator=(const ConnectionWatch&) = delete;

    // A request from this peer has been read completely.
    void requestReceived(const std::string& remoteAddress, int remotePort);

private:
    using Clock = std::chrono::steady_clock;
    struct Connection {
        Clock::time_point since;
        std::uint64_t bytesBefore = 0; // received up to the last complete request
        bool cut = false;
    };

    void watch();
    void checkConnections();

    int m_port;
    std::chrono::milliseconds m_limit;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stopping = false;
    std::map<ino_t, Connection> m_connections;           // by the socket's inode
    std::map<std::string, Clock::time_point> m_received; // by "address port" of the peer
    std::thread m_thread;
};

} // namespace powerball::server
