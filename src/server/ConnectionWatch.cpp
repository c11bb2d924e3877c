#include "ConnectionWatch.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <set>

#include <arpa/inet.h>
#include <linux/tcp.h> // tcp_info with the bytes received; glibc's copy lacks them
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/stat.h>

namespace powerball::server {

namespace {

constexpr std::chrono::milliseconds kCheckInterval{100};
// What a connection may send towards one request. The program's requests are a few hundred
// bytes; the library keeps every header line it reads, so a request whose header never ends
// would otherwise fill the memory until its time runs out.
constexpr std::uint64_t kMaxRequestBytes = 1024 * 1024;

std::uint64_t bytesReceived(int fd) {
    tcp_info info{};
    socklen_t size = sizeof info;
    if (::getsockopt(fd, IPPROTO_TCP, TCP_INFO, &info, &size) != 0 ||
        size < offsetof(tcp_info, tcpi_bytes_received) + sizeof info.tcpi_bytes_received)
        return 0;
    return info.tcpi_bytes_received;
}

std::string peerKey(const std::string& address, int port) {
    return address + ' ' + std::to_string(port);
}

// Address and port of a socket address, when it is an internet address.
bool describe(const sockaddr_storage& address, std::string& text, int& port) {
    char buffer[INET6_ADDRSTRLEN] = {};
    if (address.ss_family == AF_INET) {
        const auto& in = reinterpret_cast<const sockaddr_in&>(address);
        port = ntohs(in.sin_port);
        text = inet_ntop(AF_INET, &in.sin_addr, buffer, sizeof buffer) ? buffer : "";
        return true;
    }
    if (address.ss_family == AF_INET6) {
        const auto& in6 = reinterpret_cast<const sockaddr_in6&>(address);
        port = ntohs(in6.sin6_port);
        text = inet_ntop(AF_INET6, &in6.sin6_addr, buffer, sizeof buffer) ? buffer : "";
        return true;
    }
    return false;
}

// The peer of a connection accepted on `port`; false for any other descriptor.
bool acceptedPeer(int fd, int port, std::string& peer) {
    int listening = 0;
    socklen_t size = sizeof listening;
    if (::getsockopt(fd, SOL_SOCKET, SO_ACCEPTCONN, &listening, &size) != 0 || listening)
        return false;
    sockaddr_storage local{};
    socklen_t localSize = sizeof local;
    std::string address;
    int localPort = 0;
    if (::getsockname(fd, reinterpret_cast<sockaddr*>(&local), &localSize) != 0 ||
        !describe(local, address, localPort) || localPort != port)
        return false;
    sockaddr_storage remote{};
    socklen_t remoteSize = sizeof remote;
    int remotePort = 0;
    if (::getpeername(fd, reinterpret_cast<sockaddr*>(&remote), &remoteSize) != 0 ||
        !describe(remote, address, remotePort))
        return false;
    peer = peerKey(address, remotePort);
    return true;
}

} // namespace

ConnectionWatch::ConnectionWatch(int port, std::chrono::milliseconds limit)
    : m_port(port), m_limit(limit), m_thread([this] { watch(); }) {}

ConnectionWatch::~ConnectionWatch() {
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

void ConnectionWatch::requestReceived(const std::string& remoteAddress, int remotePort) {
    const std::lock_guard lock(m_mutex);
    m_received[peerKey(remoteAddress, remotePort)] = Clock::now();
}

void ConnectionWatch::watch() {
    std::unique_lock lock(m_mutex);
    while (!m_wake.wait_for(lock, kCheckInterval, [this] { return m_stopping; }))
        checkConnections();
}

// The process's open descriptors are where the accepted connections are: the library keeps
// them to itself.
void ConnectionWatch::checkConnections() {
    const Clock::time_point now = Clock::now();
    std::set<ino_t> open;
    std::set<std::string> peers;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd", error)) {
        const int fd = std::atoi(entry.path().filename().c_str());
        struct stat status {};
        std::string peer;
        if (::fstat(fd, &status) != 0 || !S_ISSOCK(status.st_mode) ||
            !acceptedPeer(fd, m_port, peer))
            continue;
        open.insert(status.st_ino);
        peers.insert(peer);
        const std::uint64_t bytes = bytesReceived(fd);
        Connection& connection =
            m_connections.try_emplace(status.st_ino, Connection{now}).first->second;
        if (const auto received = m_received.find(peer);
            received != m_received.end() && received->second > connection.since) {
            connection.since = received->second;
            connection.bytesBefore = bytes;
        }
        if (!connection.cut && (now - connection.since > m_limit ||
                                bytes > connection.bytesBefore + kMaxRequestBytes)) {
            ::shutdown(fd, SHUT_RDWR); // the worker's next read ends the connection
            connection.cut = true;
        }
    }
    std::erase_if(m_connections, [&open](const auto& item) { return !open.contains(item.first); });
    std::erase_if(m_received, [&peers](const auto& item) { return !peers.contains(item.first); });
}

} // namespace powerball::server
