// powerball-server: the update server. Answers the program's requests for the draws of a
// day from a draw file or CSV, and hands out click-script updates and downloads.
#include "ConnectionWatch.h"
#include "DrawAnswer.h"
#include "DrawSource.h"
#include "ServedFile.h"
#include "ServerOptions.h"

#include "ports/Clock.h"

#include <httplib.h>

#include <csignal>
#include <iostream>
#include <mutex>
#include <pthread.h>
#include <sys/socket.h>
#include <thread>

using namespace powerball;
using namespace powerball::server;

namespace {

constexpr std::size_t kWorkers = 64;
constexpr int kListenBacklog = 128;
// The whole time a client has to send a request, however it spreads its bytes.
constexpr std::chrono::seconds kRequestTimeLimit{5};

// Control characters of a request never reach the log as they came.
std::string printable(const std::string& text) {
    std::string out = text;
    for (char& c : out)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            c = '?';
    return out;
}

void logRequest(const httplib::Request& request, const httplib::Response& response) {
    static std::mutex logLock; // one whole line at a time from the handler threads
    const std::lock_guard lock(logLock);
    std::cout << httpDate(std::chrono::system_clock::now()) << ' ' << request.remote_addr << ' '
              << printable(request.method) << ' ' << printable(request.target) << ' '
              << response.status << ' ' << response.body.size() << std::endl;
}

void serveFolder(httplib::Server& server, const std::string& pattern,
                 const std::filesystem::path& folder) {
    server.Get(pattern, [folder](const httplib::Request& request, httplib::Response& response) {
        const auto file = ServedFile::find(folder, request.matches[1].str());
        if (!file) {
            response.status = 404;
            return;
        }
        response.set_header("Last-Modified", file->lastModified);
        response.set_content(file->content, file->contentType.c_str());
    });
}

void installRoutes(httplib::Server& server, const ServerOptions& options, DrawSource& draws) {
    const SystemClock systemClock;
    const std::optional<DayNumber> fixedToday = options.today;
    server.Get("/zahlen/powerball.asp",
               [&draws, fixedToday, systemClock](const httplib::Request& request,
                                                 httplib::Response& response) {
                   const auto single = [&](const char* key) {
                       return request.get_param_value_count(key) == 1 ? request.get_param_value(key)
                                                                      : std::string();
                   };
                   const auto day = requestedDay(single("Programm"), single("Datum"));
                   if (!day) {
                       response.status = 400;
                       response.set_content("Bad request\r\n", "text/plain");
                       return;
                   }
                   const Answer answer =
                       drawAnswer(*draws.current(), *day, fixedToday.value_or(systemClock.today()));
                   response.status = answer.status;
                   if (!answer.body.empty())
                       response.set_content(answer.body, "text/plain; charset=utf-8");
               });
    if (options.scripts)
        serveFolder(server, R"(/scripts/([^/]+\.txt))", *options.scripts);
    if (options.files)
        serveFolder(server, R"(/dateien/([^/]+))", *options.files);
    server.set_logger(logRequest);
}

// Stops the server on SIGINT or SIGTERM. The signals are blocked in every thread and taken
// by this one, so no handler runs in the middle of the server's work.
class SignalStop {
public:
    explicit SignalStop(httplib::Server& server) {
        sigemptyset(&m_signals);
        sigaddset(&m_signals, SIGINT);
        sigaddset(&m_signals, SIGTERM);
        pthread_sigmask(SIG_BLOCK, &m_signals, nullptr);
        m_thread = std::thread([this, &server] {
            int signal = 0;
            sigwait(&m_signals, &signal);
            server.stop();
        });
    }
    ~SignalStop() {
        pthread_kill(m_thread.native_handle(), SIGTERM); // wakes the waiter when still waiting
        m_thread.join();
    }
    SignalStop(const SignalStop&) = delete;
    SignalStop& operator=(const SignalStop&) = delete;

private:
    sigset_t m_signals{};
    std::thread m_thread;
};

} // namespace

int main(int argc, char** argv) {
    ServerOptions options;
    CLI::App app("The update server of the program.", "powerball-server");
    app.set_version_flag("--version", "powerball-server " POWERBALL_VERSION);
    addServerOptions(app, options);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        if (error.get_exit_code() == 0) // --help
            return app.exit(error);
        std::cerr << "powerball-server: " << error.what() << '\n' << app.help();
        return 1;
    }
    try {
        DrawSource draws(options.draws);
        httplib::Server server;
        server.set_keep_alive_max_count(1000);
        server.set_tcp_nodelay(true); // a head and a body written apart must not wait for an ACK
        // More workers than slow clients usually come with, while ConnectionWatch frees the
        // workers they hold: a normal request finds one free.
        server.new_task_queue = [] { return new httplib::ThreadPool(kWorkers); };
        int listening = -1;
        server.set_socket_options([&listening](socket_t socket) {
            httplib::default_socket_options(socket);
            listening = socket;
        });
        installRoutes(server, options, draws);

        const int port = options.port == 0 ? server.bind_to_any_port(options.bind)
                         : server.bind_to_port(options.bind, options.port) ? options.port
                                                                           : -1;
        if (port < 0) {
            std::cerr << "powerball-server: cannot listen on " << options.bind << ':'
                      << options.port << '\n';
            return 2;
        }
        // The library listens with a backlog of 5; a second listen() only raises it.
        if (listening >= 0)
            ::listen(listening, kListenBacklog);
        ConnectionWatch watch(port, kRequestTimeLimit);
        server.set_pre_routing_handler(
            [&watch](const httplib::Request& request, httplib::Response&) {
                watch.requestReceived(request.remote_addr, request.remote_port);
                return httplib::Server::HandlerResponse::Unhandled;
            });
        std::cout << "powerball-server: listening on http://" << options.bind << ':' << port
                  << " with " << draws.current()->size() << " draws" << std::endl;
        SignalStop stop(server);
        server.listen_after_bind();
        return 0;
    } catch (const std::exception& error) {
        std::cerr << "powerball-server: " << error.what() << '\n';
        return 2;
    }
}
