#pragma once

#include "ports/HttpClient.h"

#include <functional>
#include <memory>

namespace powerball::ui {

// The window's HTTP client: the libcurl request runs on a worker thread while the event
// loop keeps turning, so the window repaints and the stop button is heard; the answer
// comes back on the user-interface thread.
//
// libcurl is loaded (from its module, see AdapterModule) and started at the first request,
// not with the window: start-up stays quick, and a libcurl that cannot load or start fails
// the update with a message instead of the window.
class QtHttpClient : public HttpClient {
public:
    using Factory = std::function<std::unique_ptr<HttpClient>()>;

    // `makeClient` makes the client that does the work; the default is libcurl's module.
    explicit QtHttpClient(Factory makeClient = {});
    ~QtHttpClient() override;

    HttpResponse get(const HttpRequest& request) override;

private:
    Factory m_makeClient;
    std::unique_ptr<HttpClient> m_client;
};

} // namespace powerball::ui
