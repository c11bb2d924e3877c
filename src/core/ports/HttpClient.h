#pragma once

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>

namespace powerball {

// One GET as the program sends it.
struct HttpRequest {
    // Larger answers are broken off: no answer the program expects comes near this size.
    static constexpr std::size_t kMaxBodyBytes = 1024 * 1024;

    std::string url;
    std::string proxyHost; // empty: no proxy, whatever the environment says
    int proxyPort = 80;
    std::chrono::milliseconds connectTimeout{5000};
    // How long the whole answer may take once the connection stands.
    std::chrono::milliseconds readTimeout{5000};
    int maxRedirects = 15;
    std::size_t maxBodyBytes = kMaxBodyBytes;
    // A conditional request: the validators of the copy the program holds. An unchanged
    // resource answers 304 (or, without an ETag, a Last-Modified not after this time).
    std::string ifNoneMatch;
    std::optional<std::chrono::sys_seconds> ifModifiedSince;
};

struct HttpResponse {
    int statusCode = 0;     // of the last answer after redirects; 0 when none came
    std::string statusLine; // "HTTP/1.1 200 OK" of that answer, without the line break
    std::string body;       // complete only when `error` is empty
    std::optional<std::chrono::sys_seconds> lastModified;
    std::string etag;         // the ETag header of the answer, as sent
    bool notModified = false; // 304, or a Last-Modified that met no condition
    std::string error;        // why the request failed (no connection, time-out, too large ...)

    bool failed() const { return !error.empty(); }
};

// A plain blocking GET. The window's adapter runs it off the user-interface thread and lets
// events run until it is done; the core only ever calls it from that thread.
class HttpClient {
public:
    virtual ~HttpClient() = default;
    virtual HttpResponse get(const HttpRequest& request) = 0;
};

} // namespace powerball
