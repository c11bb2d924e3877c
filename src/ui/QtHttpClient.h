#pragma once

#include "http/CurlHttpClient.h"

namespace powerball::ui {

// The window's HTTP client: the libcurl request runs on a worker thread while the event
// loop keeps turning, so the window repaints and the stop button is heard; the answer
// comes back on the user-interface thread.
class QtHttpClient : public HttpClient {
public:
    HttpResponse get(const HttpRequest& request) override;

private:
    CurlHttpClient m_curl;
};

} // namespace powerball::ui
