#include "app/draws/DrawUpdate.h"

#include "app/draws/FeedUpdate.h"
#include "app/evaluation/TipCheck.h"
#include "base/QuotedExcerpt.h"
#include "base/TextParsing.h"
#include "draws/DrawFileError.h"
#include "draws/DrawValidation.h"
#include "draws/UpdateAnswer.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace powerball {

namespace {

// Shows the update as running and puts the window back to idle however the update ends:
// both update buttons enabled, the stop button hidden, the draw label copied to the draw
// panel.
class RunningUpdate {
public:
    explicit RunningUpdate(AppState& state) : m_state(state) {
        m_state.update = RunPhase::Running;
        m_state.changed();
    }
    ~RunningUpdate() {
        try {
            finish();
        } catch (...) {
            // A failing repaint must not hide the error that is already on its way.
        }
    }
    RunningUpdate(const RunningUpdate&) = delete;
    RunningUpdate& operator=(const RunningUpdate&) = delete;

    void finish() {
        if (!m_state.updateRunning())
            return;
        m_state.update = RunPhase::Idle;
        m_state.showCurrentDrawOnPanel();
        m_state.changed();
    }

private:
    AppState& m_state;
};

// The day after which the walk starts: the newest stored draw, or the pickers' minimum date
// for an empty file. A date that no calendar holds means the file is damaged.
DayNumber newestStoredDay(const DrawRecord& last, const std::filesystem::path& file) {
    if (!std::isfinite(last.date) || last.date > DrawCalendar::kLatestDate)
        throw DrawFileError(file, "read the date of the newest draw", "it is not a valid date");
    if (last.date < DrawCalendar::kMinimumDate)
        return DrawCalendar::kMinimumDate;
    return DrawCalendar::roundToDay(last.date);
}

// The draws stored before the walk, when some lie after today: such a file (from before
// imports refused future dates) is not appended to but merged into, and the walk starts
// from the newest draw not after today, so that a typing error in 2062 hides no real draw.
std::vector<DrawRecord> drawsIfAnyAfter(const DrawHistory& history, DayNumber today) {
    if (!history.exists())
        return {};
    std::vector<DrawRecord> stored = history.readAll();
    if (stored.empty() || !(stored.back().date > today))
        return {};
    return stored;
}

DrawRecord newestNotAfter(const std::vector<DrawRecord>& stored, DayNumber today) {
    const auto later = std::find_if(stored.begin(), stored.end(),
                                    [today](const DrawRecord& r) { return r.date > today; });
    return later == stored.begin() ? DrawRecord{} : *std::prev(later);
}

// The draw label of the "Datenbank" page while draws come in: date and white numbers.
std::string receivedDrawText(const TextFormat& format, DayNumber day, const DrawNumbers& numbers) {
    std::string text = format.drawDate(day) + "   ";
    for (int k = 1; k <= 5; ++k)
        text += "  " + std::to_string(numbers.white(k));
    return text;
}

int proxyPortNumber(const std::string& text) {
    const std::optional<int> port = parseInteger(trimmed(text, " "));
    if (!port || *port < 1 || *port > 65535)
        throw ProxyPortError(quotedExcerpt(text) +
                             " is not a valid proxy port: a whole number from 1 to 65535");
    return *port;
}

// Why a day's request failed, or nothing when the answer can be used: 404 is how the
// server says it has nothing for the day.
std::optional<std::string> failureOf(const HttpResponse& response, DayNumber day) {
    std::string reason;
    if (response.failed())
        reason = response.error;
    else if (response.statusCode >= 400 && response.statusCode != 404)
        reason = "it answered " + quotedExcerpt(response.statusLine.empty()
                                                    ? std::to_string(response.statusCode)
                                                    : response.statusLine);
    else
        return std::nullopt;
    return "Cannot fetch the draws of " + DrawCalendar::isoDate(day) +
           " from the update server: " + reason;
}

using SteadyClock = std::chrono::steady_clock;

std::chrono::milliseconds timeLeft(const UpdateLimits& limits, SteadyClock::time_point deadline) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(deadline - limits.now());
}

// One day's request, its time-outs cut to what is left of the whole walk.
HttpRequest requestOf(const InternetOptions& options, DayNumber day, const UpdateLimits& limits,
                      std::chrono::milliseconds left) {
    HttpRequest request;
    request.url = DrawUpdate::requestUrl(options, day);
    DrawUpdate::applyProxy(options, request);
    request.connectTimeout = std::min(limits.connectTimeout, left);
    request.readTimeout = std::min(limits.readTimeout, left);
    request.maxRedirects = limits.maxRedirects;
    return request;
}

// The status bar while a request is under way and once its answer is in.
void showRequestStatus(AppState& state) {
    state.status[0] = DrawUpdate::kLoadingStatus;
    state.changed();
}
void showAnswerStatus(AppState& state, const HttpResponse& response) {
    state.status[0] =
        decodeAnswerText(response.statusLine.empty() ? response.error : response.statusLine);
    state.status[1] = state.messages.text(Msg::NoWarranty);
    state.changed();
}

} // namespace

std::string DrawUpdate::requestUrl(const InternetOptions& options, DayNumber day) {
    return options.serverAddress(kRequestPath + DrawCalendar::yyyymmdd(day));
}

void DrawUpdate::applyProxy(const InternetOptions& options, HttpRequest& request) {
    request.proxyHost = options.proxyHost;
    if (!options.proxyHost.empty())
        request.proxyPort = proxyPortNumber(options.proxyPort);
}

void DrawUpdate::stop(AppState& state) {
    if (state.update == RunPhase::Running)
        state.update = RunPhase::StopRequested;
    state.changed();
}

// The walk of one update over the draw days, with the draw file open for appending (or,
// when it holds draws after today, changed by a locked rewrite per draw).
class DrawUpdate::Walk {
public:
    Walk(AppState& state, const Ports& ports, const UpdateLimits& limits, Result& result)
        : m_state(state), m_ports(ports), m_limits(limits), m_result(result),
          m_history(state.drawHistory()), m_today(ports.systemClock().today()),
          m_withLaterDraws(drawsIfAnyAfter(m_history, m_today)),
          m_newest(m_withLaterDraws.empty() ? DrawRecord{}
                                            : newestNotAfter(m_withLaterDraws, m_today)),
          m_deadline(limits.now() + limits.overallDeadline) {
        if (m_withLaterDraws.empty()) {
            m_appender.emplace(m_history.openForAppend());
            m_newest = m_appender->last();
            m_index =
                static_cast<int>(std::filesystem::file_size(m_history.path()) / DrawRecord::kSize) -
                1;
        } else {
            m_index = static_cast<int>(std::count_if(
                          m_withLaterDraws.begin(), m_withLaterDraws.end(),
                          [this](const DrawRecord& r) { return r.date <= m_today; })) -
                      1;
        }
    }

    // The walk keeps its own day: other commands may move the picker while events run. It
    // starts on the draw day after the newest stored draw not after today and ends after
    // today.
    void run() {
        DayNumber day = DrawCalendar::nextDrawDay(newestStoredDay(m_newest, m_history.path()));
        m_state.selectedDate = day;
        m_state.scanFromDate = day;
        while (day <= m_today) {
            if (!fetchDay(day))
                return;
            day = DrawCalendar::nextDrawDay(day);
            m_state.selectedDate = day;
        }
    }

    void close() {
        if (m_appender)
            m_appender->close();
    }

private:
    // Asks for one day and stores its draws; false when the walk ends here.
    bool fetchDay(DayNumber day) {
        m_ports.eventPump().processEvents();
        const std::chrono::milliseconds left = timeLeft(m_limits, m_deadline);
        if (m_state.update == RunPhase::StopRequested ||
            left <= std::chrono::milliseconds::zero()) {
            m_result.stopped = true;
            return false;
        }
        showRequestStatus(m_state);
        m_result.requests.push_back(day);
        const HttpResponse response =
            m_ports.httpClient().get(requestOf(m_state.internet, day, m_limits, left));
        m_result.httpStatus = response.statusCode;
        showAnswerStatus(m_state, response);
        if (m_limits.now() >= m_deadline) {
            m_result.stopped = true; // the deadline cut this request short: no fault of the day
            return false;
        }
        m_result.error = failureOf(response, day);
        if (m_result.error)
            return false;
        // A broken-off answer never gets here, since its last line may be cut in the middle
        // of a number.
        if (response.statusCode >= 400)
            return true;
        UpdateAnswer answer = UpdateAnswer::parse(response.body);
        for (std::size_t k = 0; k < answer.draws.size(); ++k) {
            // The numbers fit every draw; whether they fit a draw of this day's era is known
            // only here.
            DrawRecord received;
            received.date = day;
            received.numbers = answer.draws[k];
            if (const auto problem = DrawValidation::newDrawProblem(received)) {
                answer.message = "Line " + std::to_string(k + 1) +
                                 " of the update server's answer is not a valid draw: " + *problem;
                break;
            }
            store(day, answer.draws[k]);
        }
        if (!answer.message)
            return true;
        m_result.message = answer.message;
        if (!answer.message->empty())
            m_ports.userPrompts().showPlainText(*answer.message);
        return false;
    }

    // One received draw: shown on the "Datenbank" page, then stored.
    void store(DayNumber day, const std::array<std::uint8_t, 8>& numbers) {
        DrawRecord received;
        received.numbers = numbers;
        m_state.currentDraw = {static_cast<double>(day), received.drawNumbers()};
        m_state.drawIndex = ++m_index;
        m_state.databaseDrawText =
            receivedDrawText(m_state.textFormat(), day, m_state.currentDraw.numbers);
        m_state.changed();
        m_ports.eventPump().processEvents();
        if (m_appender) {
            m_appender->append(day, numbers);
            m_result.appended.push_back(m_appender->last());
        } else {
            received.date = day;
            received.tail = m_newest.tail;
            m_history.insertOrReplace(received);
            m_result.appended.push_back(received);
        }
        m_state.scanFromDate = day;
    }

    AppState& m_state;
    const Ports& m_ports;
    const UpdateLimits& m_limits;
    Result& m_result;
    const DrawHistory m_history;
    const DayNumber m_today;
    const std::vector<DrawRecord> m_withLaterDraws;
    DrawRecord m_newest; // the newest stored draw not after today
    std::optional<DrawAppender> m_appender;
    int m_index = -1;
    const SteadyClock::time_point m_deadline;
};

namespace {

// The results file's outcome in the update's result.
void takeOutcome(const FeedUpdate::Run& run, DrawUpdate::Result& result) {
    const ResultsFeed::Outcome& outcome = run.outcome;
    result.httpStatus = outcome.httpStatus;
    result.notModified = outcome.notModified;
    result.appended = outcome.added;
    result.changed = outcome.changed;
    result.unchanged = outcome.unchanged;
    result.skipped = outcome.skipped;
    result.stopped = outcome.failure == ResultsFeed::Failure::Stopped;
    if (outcome.failed() && !result.stopped)
        result.error = outcome.error;
}

} // namespace

DrawUpdate::Result DrawUpdate::run(AppState& state, const Ports& ports,
                                   const UpdateLimits& limits) {
    Result result;
    if (state.updateRunning()) {
        result.refused = true;
        return result;
    }
    RunningUpdate running(state);
    result.source = state.internet.source;
    if (result.source == DrawSource::Feed) {
        const FeedUpdate::Run run = FeedUpdate::run(state, ports, limits);
        takeOutcome(run, result);
        running.finish();
        evaluateSelectedDate(state, ports);
        checkSheet(state, ports.soundPlayer());
        FeedUpdate::report(state, ports, run, limits);
        return result;
    }
    Walk walk(state, ports, limits, result);
    walk.run();
    walk.close();
    // The views follow the file: the newest draw received is shown in full and checked.
    if (!result.appended.empty() && result.appended.back().date > state.selectedDate)
        state.setSelectedDate(result.appended.back().date);
    if (result.message) {
        // The server's message ends the update where it stands.
        if (!result.appended.empty()) {
            running.finish();
            evaluateSelectedDate(state, ports);
        }
        return result;
    }
    running.finish();
    evaluateSelectedDate(state, ports);
    checkSheet(state, ports.soundPlayer());
    if (result.error && result.appended.empty())
        ports.userPrompts().showPlainText(*result.error);
    return result;
}

} // namespace powerball
