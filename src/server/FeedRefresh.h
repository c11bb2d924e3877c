#pragma once

#include "base/DrawCalendar.h"
#include "ports/HttpClient.h"

#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace powerball::server {

// Keeps the draw file current from the public results: fetches the export (a CSV file in
// the public or the program's own form) with a conditional request, and adds the draws of
// dates the file does not hold yet, under the draw file's lock in one atomic rewrite. A
// stored draw is never changed, and a draw dated after today is not taken. A refresh that
// fails leaves the file as it was; the server goes on serving what it has.
class FeedRefresh {
public:
    FeedRefresh(std::string url, std::filesystem::path drawFile, HttpClient& client,
                std::function<DayNumber()> today);
    ~FeedRefresh();
    FeedRefresh(const FeedRefresh&) = delete;
    FeedRefresh& operator=(const FeedRefresh&) = delete;

    // One refresh now; returns its log line.
    std::string refresh();

    // Refreshes at once and then every `interval` on a thread of its own, each refresh
    // logged on standard output, until the object goes.
    void start(std::chrono::minutes interval);
    // The next refresh comes now rather than at its time.
    void refreshSoon();

private:
    std::string merge(const std::string& body);

    std::string m_url;
    std::filesystem::path m_drawFile;
    HttpClient& m_client;
    std::function<DayNumber()> m_today;
    // The validators of the last feed merged.
    std::string m_etag;
    std::optional<std::chrono::sys_seconds> m_lastModified;

    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stopping = false;
    bool m_soon = false;
    std::thread m_thread;
};

} // namespace powerball::server
