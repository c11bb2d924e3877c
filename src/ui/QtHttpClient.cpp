#include "QtHttpClient.h"

#include "platform/http/CurlHttpClient.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <chrono>
#include <exception>
#include <future>
#include <utility>

namespace powerball::ui {

QtHttpClient::QtHttpClient(Factory makeClient) : m_makeClient(std::move(makeClient)) {
    if (!m_makeClient)
        m_makeClient = [] { return std::make_unique<CurlHttpClient>(); };
}

QtHttpClient::~QtHttpClient() = default;

HttpResponse QtHttpClient::get(const HttpRequest& request) {
    if (!m_client) {
        try {
            m_client = m_makeClient();
        } catch (const std::exception& failure) {
            HttpResponse response;
            response.error =
                std::string("Die Internetverbindung kann nicht starten: ") + failure.what();
            return response;
        }
    }
    using namespace std::chrono_literals;
    HttpClient& client = *m_client;
    std::future<HttpResponse> answer =
        std::async(std::launch::async, [&client, &request] { return client.get(request); });
    while (answer.wait_for(10ms) != std::future_status::ready)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return answer.get();
}

} // namespace powerball::ui
