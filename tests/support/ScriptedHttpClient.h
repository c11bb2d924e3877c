#pragma once

#include "ports/HttpClient.h"

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace powerball::testing {

// An answer as a server gives it.
inline HttpResponse httpAnswer(std::string body, int code = 200,
                               std::string line = "HTTP/1.1 200 OK") {
    HttpResponse response;
    response.statusCode = code;
    response.statusLine = std::move(line);
    response.body = std::move(body);
    return response;
}

// An HTTP client whose answers a test scripts by the requested day (yyyymmdd at the end of
// the address); 404 for any other day. Records every request.
class ScriptedHttpClient : public HttpClient {
public:
    HttpResponse get(const HttpRequest& request) override {
        requests.push_back(request);
        days.push_back(request.url.substr(request.url.size() - 8));
        if (onGet)
            onGet();
        const auto found = answers.find(days.back());
        return found != answers.end() ? found->second
                                      : httpAnswer("", 404, "HTTP/1.1 404 Not Found");
    }

    std::map<std::string, HttpResponse> answers;
    std::vector<HttpRequest> requests;
    std::vector<std::string> days;
    std::function<void()> onGet;
};

} // namespace powerball::testing
