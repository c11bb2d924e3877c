#include "LoopbackSocket.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

namespace powerball::testing {

namespace {

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// Takes one whole answer off the front of `pending`, when there is one.
std::optional<RawAnswer> takeAnswer(std::string& pending, bool bodiless) {
    const auto end = pending.find("\r\n\r\n");
    if (end == std::string::npos)
        return std::nullopt;
    RawAnswer answer;
    answer.head = pending.substr(0, end + 2);
    answer.status = std::atoi(answer.head.substr(answer.head.find(' ') + 1).c_str());
    std::size_t length = 0;
    if (!bodiless && answer.status != 304 && answer.status != 204)
        if (const auto value = answer.header("Content-Length"))
            length = std::stoul(*value);
    if (pending.size() < end + 4 + length)
        return std::nullopt;
    answer.body = pending.substr(end + 4, length);
    pending.erase(0, end + 4 + length);
    return answer;
}

} // namespace

std::optional<std::string> RawAnswer::header(const std::string& name) const {
    const std::string wanted = "\r\n" + lower(name) + ":";
    const std::string text = lower(head);
    const auto at = text.find(wanted);
    if (at == std::string::npos)
        return std::nullopt;
    const auto start = head.find_first_not_of(' ', at + wanted.size());
    return head.substr(start, head.find("\r\n", start) - start);
}

LoopbackSocket::LoopbackSocket(int port, const std::string& from, std::chrono::milliseconds wait)
    : m_socket(::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0)) {
    if (m_socket < 0)
        return;
    const int one = 1;
    ::setsockopt(m_socket, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    sockaddr_in local{};
    local.sin_family = AF_INET;
    inet_pton(AF_INET, from.c_str(), &local.sin_addr);
    if (::bind(m_socket, reinterpret_cast<sockaddr*>(&local), sizeof local) != 0)
        return;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(m_socket, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
        m_connected = true;
    } else if (errno == EINPROGRESS) {
        pollfd waiting{m_socket, POLLOUT, 0};
        int error = 0;
        socklen_t size = sizeof error;
        m_connected = ::poll(&waiting, 1, static_cast<int>(wait.count())) == 1 &&
                      ::getsockopt(m_socket, SOL_SOCKET, SO_ERROR, &error, &size) == 0 &&
                      error == 0;
    }
    // Blocking from here on; every read below waits through poll with its own limit.
    ::fcntl(m_socket, F_SETFL, ::fcntl(m_socket, F_GETFL) & ~O_NONBLOCK);
}

LoopbackSocket::~LoopbackSocket() {
    if (m_socket >= 0)
        ::close(m_socket);
}

bool LoopbackSocket::send(const std::string& bytes) {
    for (std::size_t sent = 0; sent < bytes.size();) {
        const ssize_t n = ::send(m_socket, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n <= 0)
            return false;
        sent += static_cast<std::size_t>(n);
    }
    return true;
}

void LoopbackSocket::closeSending() {
    ::shutdown(m_socket, SHUT_WR);
}

std::vector<RawAnswer> LoopbackSocket::readAnswers(std::size_t count,
                                                   std::chrono::milliseconds limit, bool bodiless) {
    std::vector<RawAnswer> answers;
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (answers.size() < count) {
        if (auto answer = takeAnswer(m_pending, bodiless)) {
            answers.push_back(std::move(*answer));
            continue;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd waiting{m_socket, POLLIN, 0};
        if (left.count() <= 0 || ::poll(&waiting, 1, static_cast<int>(left.count())) != 1)
            break;
        char buffer[16384];
        const ssize_t n = ::recv(m_socket, buffer, sizeof buffer, 0);
        if (n <= 0)
            break;
        m_pending.append(buffer, static_cast<std::size_t>(n));
    }
    return answers;
}

bool LoopbackSocket::closedByServer() const {
    char byte = 0;
    const ssize_t got = ::recv(m_socket, &byte, 1, MSG_DONTWAIT | MSG_PEEK);
    return got == 0 || (got < 0 && errno != EAGAIN && errno != EWOULDBLOCK);
}

std::string getRequest(const std::string& target, const std::string& extraHeaders) {
    return "GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\n" + extraHeaders + "\r\n";
}

std::string clientAddress(int group, int index, int perAddress) {
    const int host = index / perAddress;
    return "127." + std::to_string(group) + '.' + std::to_string(host / 250) + '.' +
           std::to_string(host % 250 + 2);
}

void raiseOpenFileLimit() {
    rlimit files{};
    if (getrlimit(RLIMIT_NOFILE, &files) == 0 && files.rlim_cur < files.rlim_max) {
        files.rlim_cur = files.rlim_max;
        setrlimit(RLIMIT_NOFILE, &files);
    }
}

} // namespace powerball::testing
