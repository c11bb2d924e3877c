#include "FeedRefresh.h"

#include "Log.h"

#include "draws/DrawHistory.h"
#include "draws/DrawImport.h"

#include <algorithm>
#include <sstream>

namespace powerball::server {

namespace {

// The whole export is about 100 kB.
constexpr std::size_t kMaxFeedBytes = 8 * 1024 * 1024;

} // namespace

FeedRefresh::FeedRefresh(std::string url, std::filesystem::path drawFile, HttpClient& client,
                         std::function<DayNumber()> today)
    : m_url(std::move(url)), m_drawFile(std::move(drawFile)), m_client(client),
      m_today(std::move(today)) {}

FeedRefresh::~FeedRefresh() {
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

std::string FeedRefresh::refresh() {
    HttpRequest request;
    request.url = m_url;
    request.connectTimeout = std::chrono::seconds(10);
    request.readTimeout = std::chrono::seconds(60);
    request.maxBodyBytes = kMaxFeedBytes;
    request.ifNoneMatch = m_etag;
    request.ifModifiedSince = m_lastModified;
    const HttpResponse response = m_client.get(request);
    const std::string keeping = "; serving the draws it has";
    if (response.failed())
        return "feed: failed: " + response.error + keeping;
    if (response.notModified)
        return "feed: not modified";
    if (response.statusCode != 200)
        return "feed: failed: the answer was \"" + response.statusLine + '"' + keeping;
    try {
        std::string line = merge(response.body);
        m_etag = response.etag;
        m_lastModified = response.lastModified;
        return line;
    } catch (const std::exception& failure) {
        return std::string("feed: failed: ") + failure.what() + keeping;
    }
}

std::string FeedRefresh::merge(const std::string& body) {
    std::istringstream input(body);
    DrawCsvContent content = readAnyDrawCsv(input, m_url);
    if (content.draws.empty())
        throw std::runtime_error("no draws in the answer (" +
                                 std::to_string(content.skipped.size()) + " lines skipped)");
    const DayNumber today = m_today();
    const auto later =
        std::erase_if(content.draws, [today](const DrawRecord& draw) { return draw.date > today; });
    const std::size_t read = content.draws.size();
    const std::size_t added = addMissingDraws(DrawHistory(m_drawFile), std::move(content.draws));
    std::string line = "feed: " + std::to_string(added) + " new draws of " + std::to_string(read);
    if (const std::size_t skipped = content.skipped.size(); skipped > 0)
        line += ", skipped " + std::to_string(skipped) + (skipped == 1 ? " line" : " lines") +
                " (line " + std::to_string(content.skipped.front().line) + ": " +
                content.skipped.front().reason + ')';
    if (later > 0)
        line += ", " + std::to_string(later) + " dated after today left out";
    return line;
}

void FeedRefresh::start(std::chrono::minutes interval) {
    m_thread = std::thread([this, interval] {
        std::unique_lock lock(m_mutex);
        while (!m_stopping) {
            lock.unlock();
            logLine("powerball-server: " + refresh());
            lock.lock();
            m_wake.wait_for(lock, interval, [this] { return m_stopping || m_soon; });
            m_soon = false;
        }
    });
}

void FeedRefresh::refreshSoon() {
    {
        const std::lock_guard lock(m_mutex);
        m_soon = true;
    }
    m_wake.notify_all();
}

} // namespace powerball::server
