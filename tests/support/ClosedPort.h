#pragma once

#include <string>

namespace powerball::testing {

// A loopback port that nothing listens on, for as long as the object lives: the test binds a
// socket of its own to a free port and never listens on it. A connection to the port is
// refused at once, and no other program can take the port meanwhile, so an address made of
// it cannot reach a server someone runs on the machine (as "127.0.0.1:1" or the program's
// default address might).
class ClosedPort {
public:
    ClosedPort();
    ~ClosedPort();
    ClosedPort(const ClosedPort&) = delete;
    ClosedPort& operator=(const ClosedPort&) = delete;

    int port() const { return m_port; }
    // "http://127.0.0.1:PORT"
    std::string base() const { return "http://127.0.0.1:" + std::to_string(m_port); }

private:
    int m_socket = -1;
    int m_port = 0;
};

} // namespace powerball::testing
