#include "QtHttpClient.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <chrono>
#include <future>

namespace powerball::ui {

HttpResponse QtHttpClient::get(const HttpRequest& request) {
    using namespace std::chrono_literals;
    std::future<HttpResponse> answer =
        std::async(std::launch::async, [this, &request] { return m_curl.get(request); });
    while (answer.wait_for(10ms) != std::future_status::ready)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return answer.get();
}

} // namespace powerball::ui
