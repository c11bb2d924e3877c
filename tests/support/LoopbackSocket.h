#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace powerball::testing {

// One HTTP answer as it came over the wire.
struct RawAnswer {
    int status = 0;
    std::string head; // status line and headers
    std::string body;

    // The value of a header (name in any case), nothing without it.
    std::optional<std::string> header(const std::string& name) const;
};

// A TCP connection to a loopback port, from a chosen loopback address, so that a test can
// be many clients (the whole of 127.0.0.0/8 reaches this machine). Bytes go out and come in
// raw: no client library mends or adds anything.
class LoopbackSocket {
public:
    // Connects without waiting longer than `wait`; connected() tells whether it stood by
    // then (with no wait, the attempt goes on while the object lives).
    LoopbackSocket(int port, const std::string& from = "127.0.0.1",
                   std::chrono::milliseconds wait = std::chrono::seconds(2));
    ~LoopbackSocket();
    LoopbackSocket(const LoopbackSocket&) = delete;
    LoopbackSocket& operator=(const LoopbackSocket&) = delete;

    bool connected() const { return m_connected; }
    int descriptor() const { return m_socket; }

    bool send(const std::string& bytes);
    void closeSending(); // the client's half of the connection ends

    // Reads until `count` whole answers came (answers to HEAD requests have no body: pass
    // `bodiless`), the server closed the connection, or `limit` ran out.
    std::vector<RawAnswer> readAnswers(std::size_t count, std::chrono::milliseconds limit,
                                       bool bodiless = false);
    // Whether the server has closed the connection (without reading anything).
    bool closedByServer() const;

private:
    int m_socket = -1;
    bool m_connected = false;
    std::string m_pending; // read, not yet part of a whole answer
};

// "GET target HTTP/1.1" with a Host header and the extra header lines given.
std::string getRequest(const std::string& target, const std::string& extraHeaders = {});

// The loopback address of client `index` among many: 127.0.x.y, `group` choosing x, so
// that no address carries more than `perAddress` connections.
std::string clientAddress(int group, int index, int perAddress);

// Lets the test process hold as many descriptors as the system allows it.
void raiseOpenFileLimit();

} // namespace powerball::testing
