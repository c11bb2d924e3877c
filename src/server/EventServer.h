#pragma once

#include "Exchange.h"
#include "RequestDeadline.h"
#include "ServerOptions.h"

#include <functional>
#include <memory>
#include <string>

struct MHD_Daemon;

namespace powerball::server {

// The HTTP side of the server on GNU libmicrohttpd: one thread waits on epoll for every
// connection, so an idle or slow connection costs a little memory and never a thread.
// The engine parses each request, refuses malformed and oversized ones, keeps connections
// alive and answers pipelined requests in order; the handler only turns a request into a
// reply. One log line per answer goes to the log stream.
class EventServer {
public:
    using Handler = std::function<Reply(const IncomingRequest&)>;

    // Listens at once; throws std::runtime_error when it cannot.
    EventServer(const std::string& bind, int port, const ConnectionLimits& limits, Handler handler);
    ~EventServer();
    EventServer(const EventServer&) = delete;
    EventServer& operator=(const EventServer&) = delete;

    int port() const { return m_port; }
    int maxConnections() const { return m_maxConnections; }

    // The engine's callbacks; public only so that its C callbacks can reach them.
    struct Callbacks;

private:
    Handler m_handler;
    RequestDeadline m_deadline;
    MHD_Daemon* m_daemon = nullptr;
    int m_port = 0;
    int m_maxConnections = 0;
    int m_open = 0; // counted on the engine's one thread
};

// The connection limit the server uses without --max-connections: what the open-file limit
// leaves after the descriptors the server needs besides its connections.
int defaultMaxConnections();

} // namespace powerball::server
