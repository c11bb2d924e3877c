#pragma once

#include "ports/HttpClient.h"

#include <mutex>

namespace powerball {

// The HTTP client on libcurl. Requests are serialized; the connection is kept between them,
// so a walk over many draw days talks to the server over one connection.
//
// Time-outs: the connect time-out bounds the connection set-up (CURLOPT_CONNECTTIMEOUT_MS);
// the read time-out bounds the rest of the request, redirects included, as a hard limit on
// the whole request of connect + read time-out (CURLOPT_TIMEOUT_MS). A per-read or
// low-speed limit alone would let a server that drips a byte now and then hold a request
// for ever; a hard limit cannot be stretched, and the program's answers are a few bytes.
// A request may add a stall limit (nothing received for so long) below the hard one, for a
// large download whose hard limit is long.
//
// Compressed bodies, conditional requests and the progress of a transfer are libcurl's own
// (CURLOPT_ACCEPT_ENCODING, CURLOPT_TIMECONDITION, CURLOPT_XFERINFOFUNCTION); the body limit
// counts the decoded bytes.
//
// A server cannot push more than the request's body limit: the transfer is broken off and
// reported as failed. Only http and https are spoken, redirects included, and proxies from
// the environment are ignored: the program's own proxy setting decides.
class CurlHttpClient : public HttpClient {
public:
    CurlHttpClient();
    ~CurlHttpClient() override;
    CurlHttpClient(const CurlHttpClient&) = delete;
    CurlHttpClient& operator=(const CurlHttpClient&) = delete;

    HttpResponse get(const HttpRequest& request) override;

private:
    std::mutex m_mutex;
    void* m_handle = nullptr; // CURL*
};

} // namespace powerball
