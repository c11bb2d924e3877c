#pragma once

#include <string>
#include <utility>
#include <vector>

namespace powerball::server {

// A request as the routes see it, its path and query already decoded by the engine.
struct IncomingRequest {
    std::string method;
    std::string path;
    std::vector<std::pair<std::string, std::string>> query; // in order, repeated keys kept
    std::string ifNoneMatch;                                // the header, empty without one

    // The value of a query key given exactly once; empty when missing or repeated.
    std::string single(const std::string& key) const;
};

struct Reply {
    int status = 200;
    std::string body;
    std::string contentType; // none when empty
    std::vector<std::pair<std::string, std::string>> headers;
};

} // namespace powerball::server
