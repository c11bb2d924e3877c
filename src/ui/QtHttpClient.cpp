#include "QtHttpClient.h"

#include "platform/http/CurlHttpClient.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <atomic>
#include <chrono>
#include <cstdint>
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
    // The caller's progress runs here on the user-interface thread; the worker only leaves
    // the count of bytes and learns whether to go on.
    std::atomic<std::uint64_t> received{0};
    std::atomic<bool> goOn{true};
    HttpRequest work = request;
    if (request.progress)
        work.progress = [&received, &goOn](std::uint64_t bytes) {
            received = bytes;
            return goOn.load();
        };
    std::future<HttpResponse> answer =
        std::async(std::launch::async, [&client, &work] { return client.get(work); });
    while (answer.wait_for(10ms) != std::future_status::ready) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        if (request.progress && goOn && !request.progress(received))
            goOn = false;
    }
    return answer.get();
}

} // namespace powerball::ui
