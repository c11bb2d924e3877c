#include "draws/DrawUpdate.h"

#include "base/QuotedExcerpt.h"
#include "base/TextParsing.h"
#include "draws/DrawFileError.h"
#include "draws/UpdateAnswer.h"
#include "evaluation/TipCheck.h"

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
        m_state.panelDrawText = m_state.databaseDrawText;
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

int recordCount(const std::filesystem::path& file) {
    return static_cast<int>(std::filesystem::file_size(file) / DrawRecord::kSize);
}

// The draw label of the "Datenbank" page while draws come in: date and white numbers.
std::string receivedDrawText(DayNumber day, const DrawNumbers& numbers) {
    std::string text = DrawCalendar::drawDateText(day) + "   ";
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

DrawUpdate::Result DrawUpdate::run(AppState& state, const Ports& ports,
                                   const UpdateLimits& limits) {
    Result result;
    if (state.updateRunning()) {
        result.refused = true;
        return result;
    }
    RunningUpdate running(state);

    const DrawHistory history = state.drawHistory();
    DrawAppender appender = history.openForAppend();
    int index = recordCount(history.path()) - 1;

    // The walk keeps its own day: other commands may move the picker while events run.
    DayNumber day = DrawCalendar::nextDrawDay(newestStoredDay(appender.last(), history.path()));
    state.selectedDate = day;
    state.scanFromDate = day;
    const DayNumber today = ports.systemClock().today();

    const auto deadline = std::chrono::steady_clock::now() + limits.overallDeadline;
    while (day <= today) {
        ports.eventPump().processEvents();
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (state.update == RunPhase::StopRequested || left <= std::chrono::milliseconds::zero()) {
            result.stopped = true;
            break;
        }
        HttpRequest request;
        request.url = requestUrl(state.internet, day);
        applyProxy(state.internet, request);
        request.connectTimeout = std::min(limits.connectTimeout, left);
        request.readTimeout = std::min(limits.readTimeout, left);
        request.maxRedirects = limits.maxRedirects;

        state.status[0] = kLoadingStatus;
        state.changed();
        result.requests.push_back(day);
        const HttpResponse response = ports.httpClient().get(request);
        state.status[0] =
            decodeAnswerText(response.statusLine.empty() ? response.error : response.statusLine);
        state.status[1] = state.messages.text(Msg::NoWarranty);
        state.changed();
        if (std::chrono::steady_clock::now() >= deadline) {
            result.stopped = true; // the deadline cut this request short: no fault of the day
            break;
        }
        result.error = failureOf(response, day);
        if (result.error)
            break;

        // A broken-off answer never gets here, since its last line may be cut in the middle
        // of a number.
        if (response.statusCode < 400) {
            const UpdateAnswer answer = UpdateAnswer::parse(response.body);
            for (const auto& numbers : answer.draws) {
                DrawRecord received;
                received.numbers = numbers;
                state.currentDraw = {static_cast<double>(day), received.drawNumbers()};
                state.drawIndex = ++index;
                state.databaseDrawText = receivedDrawText(day, state.currentDraw.numbers);
                state.changed();
                ports.eventPump().processEvents();
                appender.append(day, numbers);
                state.scanFromDate = day;
                result.appended.push_back(appender.last());
            }
            if (answer.message) {
                result.message = answer.message;
                if (!answer.message->empty())
                    ports.userPrompts().showPlainText(*answer.message);
                appender.close();
                return result;
            }
        }
        day = DrawCalendar::nextDrawDay(day);
        state.selectedDate = day;
    }

    appender.close();
    running.finish();
    evaluateSelectedDate(state, ports);
    checkSheet(state, ports.soundPlayer());
    if (result.error && result.appended.empty())
        ports.userPrompts().showPlainText(*result.error);
    return result;
}

} // namespace powerball
