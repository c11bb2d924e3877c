#include "app/draws/FeedUpdate.h"

#include "app/draws/DrawMaintenance.h"
#include "app/draws/DrawUpdate.h"
#include "base/MessageTable.h"

#include <algorithm>
#include <cmath>

namespace powerball {

namespace {

using SteadyClock = std::chrono::steady_clock;

// The request of the download: the proxy of the page; the connect time-out as for a day of
// the walk; the whole transfer within what is left of the update's deadline, and broken
// off when nothing arrives for the read time-out.
HttpRequest feedRequest(const InternetOptions& options, const UpdateLimits& limits) {
    HttpRequest request;
    request.url = options.feedUrl;
    DrawUpdate::applyProxy(options, request);
    request.connectTimeout = std::min(limits.connectTimeout, limits.overallDeadline);
    request.readTimeout =
        std::max(limits.overallDeadline - request.connectTimeout, std::chrono::milliseconds(1));
    request.stallTimeout = limits.readTimeout;
    request.maxRedirects = limits.maxRedirects;
    return request;
}

std::string dateList(const TextFormat& format, const std::vector<DrawRecord>& draws) {
    std::string list;
    for (const DrawRecord& draw : draws)
        list += (list.empty() ? "" : ", ") + format.date(DrawCalendar::roundToDay(draw.date));
    return list;
}

// The failure in the user's language; the reasons of the transfer are the system's own.
std::string failureText(const MessageTable& m, const ResultsFeed::Outcome& outcome,
                        std::chrono::milliseconds deadline, bool pastDeadline) {
    using Failure = ResultsFeed::Failure;
    switch (outcome.failure) {
    case Failure::TooLarge:
        return fillPlaceholders(m.text(Msg::FeedTooLarge),
                                {std::to_string(ResultsFeed::kMaxBodyBytes / (1024 * 1024))});
    case Failure::NotPublicForm:
        return m.text(Msg::FeedNotPublicForm);
    case Failure::Stopped:
        return m.text(Msg::FeedStopped);
    case Failure::TimedOut:
        if (pastDeadline)
            return fillPlaceholders(
                m.text(Msg::FeedTimedOut),
                {std::to_string(std::chrono::ceil<std::chrono::seconds>(deadline).count())});
        [[fallthrough]];
    case Failure::Transfer:
    case Failure::Status:
        return fillPlaceholders(m.text(Msg::FeedCannotLoad), {outcome.reason});
    case Failure::None:
        break;
    }
    return {};
}

} // namespace

FeedUpdate::Run FeedUpdate::run(AppState& state, const Ports& ports, const UpdateLimits& limits) {
    const SteadyClock::time_point deadline = SteadyClock::now() + limits.overallDeadline;
    HttpRequest request = feedRequest(state.internet, limits);
    const MessageTable& m = state.messages;
    std::uint64_t shown = 0;
    const auto showReceived = [&state, &m, &shown](std::uint64_t received) {
        state.status[0] =
            fillPlaceholders(m.text(Msg::FeedReceived),
                             {state.textFormat().count(static_cast<long long>(received))});
        state.changed();
        shown = received;
    };
    request.progress = [&](std::uint64_t received) {
        ports.eventPump().processEvents();
        if (received != shown)
            showReceived(received);
        return state.update != RunPhase::StopRequested;
    };
    showReceived(0);
    state.status[1] = m.text(Msg::NoWarranty);
    const DrawHistory history = state.drawHistory();
    Run result;
    result.outcome =
        ResultsFeed::update(history, ports.httpClient(), request, ports.systemClock().today());
    const ResultsFeed::Outcome& outcome = result.outcome;
    // libcurl's clock may end the transfer a hair before ours reaches the deadline.
    result.pastDeadline = outcome.failure == ResultsFeed::Failure::TimedOut &&
                          SteadyClock::now() >= deadline - std::chrono::milliseconds(100);

    // The newest stored draw is shown afterwards, as after the walk of the update server.
    const std::vector<DrawRecord> stored =
        history.exists() ? history.readAll() : std::vector<DrawRecord>{};
    if (!stored.empty()) {
        const DayNumber newest = DrawCalendar::roundToDay(stored.back().date);
        state.selectedDate = DrawCalendar::nextDrawDay(newest);
        if (!outcome.added.empty())
            state.scanFromDate = outcome.added.back().date;
    }
    return result;
}

void FeedUpdate::report(AppState& state, const Ports& ports, const Run& run,
                        const UpdateLimits& limits) {
    const MessageTable& m = state.messages;
    const ResultsFeed::Outcome& outcome = run.outcome;
    if (outcome.failed()) {
        const std::string text = failureText(m, outcome, limits.overallDeadline, run.pastDeadline);
        state.status[0] = text;
        state.changed();
        if (outcome.failure != ResultsFeed::Failure::Stopped)
            ports.userPrompts().showPlainText(text);
        return;
    }
    state.status[0] =
        outcome.notModified
            ? m.text(Msg::FeedNotModified)
            : fillPlaceholders(m.text(Msg::FeedNewDraws), {std::to_string(outcome.added.size())});
    state.changed();
    std::string text;
    if (!outcome.changed.empty())
        text = fillPlaceholders(m.text(Msg::FeedChanged),
                                {dateList(state.textFormat(), outcome.changed)});
    if (!outcome.skipped.empty())
        text += (text.empty() ? "" : "\n\n") + DrawMaintenance::skippedText(m, outcome.skipped);
    if (!text.empty())
        ports.userPrompts().showPlainText(text);
}

} // namespace powerball
