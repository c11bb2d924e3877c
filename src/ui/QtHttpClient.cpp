#include "QtHttpClient.h"

#include "AdapterModule.h"
#include "platform/http/CurlHttpModule.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <exception>
#include <future>
#include <stdexcept>
#include <string>
#include <utility>

namespace powerball::ui {

QtHttpClient::QtHttpClient(Factory makeClient) : m_makeClient(std::move(makeClient)) {
    if (!m_makeClient)
        m_makeClient = [] {
            const auto make =
                AdapterModule::entry<MakeCurlClient>(kCurlModuleFile, kCurlModuleEntry);
            std::string error;
            std::unique_ptr<HttpClient> client(make(&error));
            if (!client)
                throw std::runtime_error(error);
            return client;
        };
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
