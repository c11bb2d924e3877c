#include "EventServer.h"

#include "Log.h"
#include "ServedFile.h"

#include <microhttpd.h>

#include <algorithm>
#include <cstring>
#include <iostream>
#include <mutex>
#include <stdexcept>

#include <arpa/inet.h>
#include <netdb.h>
#include <sys/resource.h>

namespace powerball::server {

namespace {

// Descriptors the server keeps besides its connections: the listening socket, epoll, the
// draw file and the served files while they are read, standard streams, some to spare.
constexpr int kReservedDescriptors = 64;
constexpr unsigned kListenBacklog = 1024;
constexpr int kRefusalHeadroom = 16;

// What one request carries between the engine's calls.
struct RequestContext {
    std::string target; // as sent, query included, for the log
    bool started = false;
};

// Control characters of a request never reach the log as they came.
std::string printable(std::string text) {
    for (char& c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            c = '?';
    return text;
}

std::string clientAddress(MHD_Connection* connection) {
    const MHD_ConnectionInfo* info =
        MHD_get_connection_info(connection, MHD_CONNECTION_INFO_CLIENT_ADDRESS);
    if (!info || !info->client_addr)
        return "-";
    char text[INET6_ADDRSTRLEN] = {};
    const sockaddr* address = info->client_addr;
    if (address->sa_family == AF_INET)
        inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in*>(address)->sin_addr, text,
                  sizeof text);
    else if (address->sa_family == AF_INET6)
        inet_ntop(AF_INET6, &reinterpret_cast<const sockaddr_in6*>(address)->sin6_addr, text,
                  sizeof text);
    return text[0] ? text : "-";
}

void logAnswer(MHD_Connection* connection, const char* method, const std::string& target,
               const Reply& reply) {
    logLine(httpDate(std::chrono::system_clock::now()) + ' ' + clientAddress(connection) + ' ' +
            printable(method) + ' ' + printable(target) + ' ' + std::to_string(reply.status) + ' ' +
            std::to_string(reply.body.size()));
}

MHD_Result collectQuery(void* cls, MHD_ValueKind, const char* key, const char* value) {
    static_cast<IncomingRequest*>(cls)->query.emplace_back(key ? key : "", value ? value : "");
    return MHD_YES;
}

IncomingRequest incoming(MHD_Connection* connection, const char* method, const char* path) {
    IncomingRequest request;
    request.method = method;
    request.path = path;
    MHD_get_connection_values(connection, MHD_GET_ARGUMENT_KIND, collectQuery, &request);
    if (const char* tag =
            MHD_lookup_connection_value(connection, MHD_HEADER_KIND, MHD_HTTP_HEADER_IF_NONE_MATCH))
        request.ifNoneMatch = tag;
    return request;
}

MHD_Result queueReply(MHD_Connection* connection, const Reply& reply) {
    MHD_Response* response = MHD_create_response_from_buffer(
        reply.body.size(), const_cast<char*>(reply.body.data()), MHD_RESPMEM_MUST_COPY);
    if (!response)
        return MHD_NO;
    if (!reply.contentType.empty())
        MHD_add_response_header(response, MHD_HTTP_HEADER_CONTENT_TYPE, reply.contentType.c_str());
    for (const auto& [name, value] : reply.headers)
        MHD_add_response_header(response, name.c_str(), value.c_str());
    const MHD_Result queued =
        MHD_queue_response(connection, static_cast<unsigned>(reply.status), response);
    MHD_destroy_response(response);
    return queued;
}

// The address to listen on, by name or number.
std::unique_ptr<addrinfo, decltype(&freeaddrinfo)> listenAddress(const std::string& bind,
                                                                 int port) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_PASSIVE;
    addrinfo* found = nullptr;
    const std::string service = std::to_string(port);
    if (getaddrinfo(bind.c_str(), service.c_str(), &hints, &found) != 0 || !found)
        throw std::runtime_error("cannot listen on " + bind + ':' + service);
    return {found, freeaddrinfo};
}

int boundPort(MHD_Daemon* daemon) {
    const MHD_DaemonInfo* info = MHD_get_daemon_info(daemon, MHD_DAEMON_INFO_BIND_PORT);
    return info ? info->port : 0;
}

} // namespace

struct EventServer::Callbacks {
    static void* uriLog(void*, const char* uri, MHD_Connection*) {
        return new RequestContext{uri ? uri : "", false};
    }

    static MHD_Result access(void* cls, MHD_Connection* connection, const char* url,
                             const char* method, const char*, const char*, size_t* uploadSize,
                             void** requestContext) {
        auto* server = static_cast<EventServer*>(cls);
        auto* context = static_cast<RequestContext*>(*requestContext);
        if (!context) // the engine logs the target first; never left without one
            *requestContext = context = new RequestContext{url, false};
        const bool readsNoBody = std::strcmp(method, MHD_HTTP_METHOD_GET) == 0 ||
                                 std::strcmp(method, MHD_HTTP_METHOD_HEAD) == 0;
        if (!context->started) {
            context->started = true;
            server->m_deadline.requestIn(connection);
            // The engine keeps the connection for the next request only when the answer
            // comes after the whole request; a body nobody reads ends the connection.
            if (readsNoBody)
                return MHD_YES;
        } else if (*uploadSize != 0) {
            *uploadSize = 0;
            return MHD_YES;
        }
        Reply reply;
        try {
            reply = server->m_handler(incoming(connection, method, url));
        } catch (const std::exception& failure) {
            std::cerr << "powerball-server: " << failure.what() << std::endl;
            reply = Reply{500, {}, {}, {}};
        }
        logAnswer(connection, method, context->target, reply);
        return queueReply(connection, reply);
    }

    static void completed(void* cls, MHD_Connection* connection, void** requestContext,
                          MHD_RequestTerminationCode) {
        delete static_cast<RequestContext*>(*requestContext);
        *requestContext = nullptr;
        static_cast<EventServer*>(cls)->m_deadline.answered(connection);
    }

    // At the limit the engine would leave new connections waiting in the listen queue
    // until an old one ends; they are taken and closed at once instead.
    static MHD_Result accept(void* cls, const sockaddr*, socklen_t) {
        const auto* server = static_cast<EventServer*>(cls);
        return server->m_open < server->m_maxConnections ? MHD_YES : MHD_NO;
    }

    static void connectionChange(void* cls, MHD_Connection* connection, void**,
                                 MHD_ConnectionNotificationCode code) {
        auto* server = static_cast<EventServer*>(cls);
        if (code == MHD_CONNECTION_NOTIFY_STARTED) {
            ++server->m_open;
            const MHD_ConnectionInfo* info =
                MHD_get_connection_info(connection, MHD_CONNECTION_INFO_CONNECTION_FD);
            if (info)
                server->m_deadline.opened(connection, info->connect_fd);
        } else {
            --server->m_open;
            server->m_deadline.closed(connection);
        }
    }
};

EventServer::EventServer(const std::string& bind, int port, const ConnectionLimits& limits,
                         Handler handler)
    : m_handler(std::move(handler)), m_deadline(std::chrono::seconds(limits.requestSeconds)),
      m_maxConnections(limits.maxConnections > 0 ? limits.maxConnections
                                                 : defaultMaxConnections()) {
    const auto address = listenAddress(bind, port);
    unsigned flags = MHD_USE_EPOLL_INTERNAL_THREAD | MHD_USE_TURBO;
    if (address->ai_family == AF_INET6)
        flags |= MHD_USE_IPv6;
    // The engine's own limit lies above the server's, so that it keeps taking connections
    // for the server to refuse.
    const auto engineLimit = static_cast<unsigned>(m_maxConnections + kRefusalHeadroom);
    m_daemon = MHD_start_daemon(
        flags, 0, &Callbacks::accept, this, &Callbacks::access, this, //
        MHD_OPTION_SOCK_ADDR, address->ai_addr,                       //
        MHD_OPTION_LISTEN_BACKLOG_SIZE, kListenBacklog,               //
        MHD_OPTION_CONNECTION_LIMIT, engineLimit, MHD_OPTION_PER_IP_CONNECTION_LIMIT,
        static_cast<unsigned>(limits.maxPerAddress), MHD_OPTION_CONNECTION_TIMEOUT,
        static_cast<unsigned>(limits.idleSeconds), MHD_OPTION_CONNECTION_MEMORY_LIMIT,
        static_cast<size_t>(limits.maxRequestBytes), MHD_OPTION_URI_LOG_CALLBACK,
        &Callbacks::uriLog, this,                                         //
        MHD_OPTION_NOTIFY_COMPLETED, &Callbacks::completed, this,         //
        MHD_OPTION_NOTIFY_CONNECTION, &Callbacks::connectionChange, this, //
        MHD_OPTION_END);
    if (!m_daemon)
        throw std::runtime_error("cannot listen on " + bind + ':' + std::to_string(port));
    m_port = boundPort(m_daemon);
}

EventServer::~EventServer() {
    MHD_stop_daemon(m_daemon);
}

int defaultMaxConnections() {
    rlimit files{};
    if (getrlimit(RLIMIT_NOFILE, &files) != 0 || files.rlim_cur == RLIM_INFINITY)
        return 65536 - kReservedDescriptors;
    const auto limit = static_cast<long long>(std::min<rlim_t>(files.rlim_cur, 65536));
    return static_cast<int>(std::max(limit - kReservedDescriptors, 16LL));
}

} // namespace powerball::server
