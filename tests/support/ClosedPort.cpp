#include "ClosedPort.h"

#include <cerrno>
#include <cstring>
#include <stdexcept>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace powerball::testing {

ClosedPort::ClosedPort() : m_socket(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
    if (m_socket < 0)
        throw std::runtime_error(std::string("no socket for a closed port: ") +
                                 std::strerror(errno));
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = 0; // any free one
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    if (::bind(m_socket, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::getsockname(m_socket, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
        const std::string reason = std::strerror(errno);
        ::close(m_socket);
        throw std::runtime_error("cannot reserve a loopback port: " + reason);
    }
    m_port = ntohs(address.sin_port);
    // No listen(): the port stays closed.
}

ClosedPort::~ClosedPort() {
    ::close(m_socket);
}

} // namespace powerball::testing
