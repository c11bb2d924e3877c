#include "CliProgress.h"
#include "CliSession.h"
#include "Commands.h"
#include "JsonOutput.h"
#include "options/OptionChecks.h"

#include "app/wheel/WheelCommands.h"
#include "base/GameRules.h"
#include "base/MessageTable.h"
#include "draws/DrawHistory.h"
#include "rules/wheel/WheelSearch.h"
#include "rules/wheel/WheelTexts.h"
#include "rules/wheel/WheelTickets.h"

#include <atomic>
#include <future>
#include <iostream>
#include <memory>
#include <optional>
#include <ostream>

namespace powerball::cli {

namespace {

struct WheelArguments {
    std::vector<int> numbers;
    std::string guarantee;
    std::optional<int> powerball;
    std::vector<int> powerballs;
    double seconds = 2.0;
    std::uint64_t seed = 1;
    bool full = false;
    std::optional<std::filesystem::path> out;
    std::optional<int> check;
};

WheelGuarantee guaranteeOf(const WheelArguments& arguments) {
    if (arguments.full)
        return {5, 5};
    if (arguments.guarantee.empty())
        throw UsageError("--guarantee or --full is required");
    const std::optional<WheelGuarantee> guarantee = parseWheelGuarantee(arguments.guarantee);
    if (!guarantee)
        throw UsageError("--guarantee: \"" + arguments.guarantee +
                         "\" is not of the form TifM with 1 <= T <= M <= 5, e.g. 3if4");
    return *guarantee;
}

std::vector<int> chosenPowerballs(const WheelArguments& arguments) {
    std::vector<int> chosen = arguments.powerballs;
    if (arguments.powerball)
        chosen.insert(chosen.begin(), *arguments.powerball);
    for (int pb : chosen)
        if (pb < 1 || pb > kHighestPowerball)
            throw UsageError("--powerball: " + std::to_string(pb) +
                             " is not a Powerball from 1 to " + std::to_string(kHighestPowerball));
    return chosen;
}

Json rowsJson(const Wheel& wheel, const std::vector<int>& powerballs) {
    Json rows = Json::array();
    for (std::size_t r = 0; r < wheel.rows.size(); ++r) {
        Json row = Json::array();
        for (int n : wheel.rows[r])
            row.push_back(n);
        if (powerballs[r] > 0)
            row.push_back(powerballs[r]);
        else
            row.push_back(nullptr);
        rows.push_back(row);
    }
    return rows;
}

Json checkJson(const WheelCheck& check, const DrawRecord& draw) {
    Json rows = Json::array();
    for (std::size_t r = 0; r < check.matches.size(); ++r)
        rows.push_back({{"hits", check.matches[r].hits},
                        {"powerball", check.matches[r].pbHit},
                        {"tier", PrizeTiers::tierName(check.prizes[r].tier)}});
    Json result = {{"date", DrawCalendar::isoDate(DrawCalendar::roundToDay(draw.date))},
                   {"rows", rows},
                   {"jackpots", check.jackpots}};
    if (check.prizesKnown) {
        result["total_usd"] = check.totalUsd;
        result["total_power_play_usd"] = check.totalPowerPlayUsd;
    } else {
        result["total_usd"] = nullptr;
        result["total_power_play_usd"] = nullptr;
    }
    return result;
}

void printWheel(std::ostream& out, const MessageTable& messages, const WheelPlay& play) {
    const Wheel& wheel = play.wheel();
    out << WheelTexts::rowCount(messages, play.rows(), play.result.lowerBound) << '\n'
        << WheelTexts::cost(messages, play.rows()) << '\n'
        << WheelTexts::proven(messages, wheel) << '\n';
    if (play.result.stopped)
        out << messages.text(Msg::WheelStopped) << '\n';
    for (std::size_t r = 0; r < wheel.rows.size(); ++r) {
        out << (r + 1) << ".";
        for (int n : wheel.rows[r])
            out << ' ' << n;
        if (play.powerballs[r] > 0)
            out << "  PB " << play.powerballs[r];
        out << '\n';
    }
}

void printCheck(std::ostream& out, const MessageTable& messages, const WheelCheck& check,
                const DrawRecord& draw) {
    out << WheelTexts::checkLine(messages, check, draw.date) << '\n';
    for (std::size_t r = 0; r < check.matches.size(); ++r) {
        const std::string tier = WheelTexts::tier(check.prizes[r]);
        out << (r + 1) << ". " << messages.text(Msg::WheelHits) << ": " << check.matches[r].hits
            << (check.matches[r].pbHit ? " + PB" : "")
            << (tier.empty() ? "" : "  " + messages.text(Msg::WheelTier) + ": " + tier) << '\n';
    }
}

// The search on a thread of its own, while this one lets Ctrl+C through and shows the
// smallest wheel so far on the status line.
WheelSearchResult searchWithProgress(const CliOptions& options, AppState& state,
                                     const std::vector<int>& numbers,
                                     const WheelGuarantee& guarantee,
                                     const WheelSearchOptions& search, bool& interrupted) {
    std::atomic<bool> stop{false};
    std::atomic<std::size_t> best{0};
    CliProgress progress(options, state, [&stop] { stop = true; });
    auto running = std::async(std::launch::async, [&] {
        return searchWheel(numbers, guarantee, search, &stop,
                           [&best](std::size_t rows) { best = rows; });
    });
    while (running.wait_for(std::chrono::milliseconds(100)) != std::future_status::ready) {
        if (const std::size_t rows = best; rows > 0)
            state.status[0] = WheelTexts::searching(state.messages, rows);
        progress.processEvents();
    }
    interrupted = progress.interrupted();
    return running.get();
}

int runWheel(const CliOptions& options, const WheelArguments& arguments, std::ostream& out) {
    const WheelGuarantee guarantee = guaranteeOf(arguments);
    if (const auto problem = wheelNumbersProblem(arguments.numbers))
        throw UsageError("--numbers: " + *problem);
    const std::vector<int> chosen = chosenPowerballs(arguments);
    CliSession session(options);

    WheelSearchOptions search;
    search.budget = std::chrono::milliseconds(static_cast<long long>(arguments.seconds * 1000));
    search.seed = arguments.seed;
    // A date without a draw is refused before the search, which may take long.
    std::optional<DrawRecord> draw;
    if (arguments.check) {
        draw = session.state.drawHistory().locateByDate(*arguments.check).record;
        if (!draw || DrawCalendar::roundToDay(draw->date) != *arguments.check) {
            std::cerr << fillPlaceholders(session.state.messages.text(Msg::WheelNoDrawOn),
                                          {DrawCalendar::isoDate(*arguments.check)})
                      << '\n';
            return kDataError;
        }
    }
    bool interrupted = false;
    const WheelPlay play =
        makeWheelPlay(searchWithProgress(options, session.state, arguments.numbers, guarantee,
                                         search, interrupted),
                      chosen);
    const WheelSearchResult& result = play.result;
    const std::vector<int>& powerballs = play.powerballs;
    const int exitCode = interrupted ? CliProgress::kInterruptedExit : 0;

    std::vector<std::filesystem::path> files;
    if (arguments.out) {
        std::filesystem::create_directories(*arguments.out);
        files = writeWheelTipFiles(*arguments.out, play, session.ports.systemClock().today());
    }

    if (options.json) {
        Json json = {{"rows", rowsJson(result.wheel, powerballs)},
                     {"count", result.wheel.rows.size()},
                     {"guarantee", {{"t", guarantee.t}, {"m", guarantee.m}, {"proven", true}}},
                     {"seconds", result.seconds},
                     {"seed", arguments.seed},
                     {"stopped", result.stopped}};
        json["lower_bound"] = result.lowerBound > 0 ? Json(result.lowerBound) : Json(nullptr);
        if (draw)
            json["check"] = checkJson(checkWheel(result.wheel, powerballs, *draw), *draw);
        if (arguments.out) {
            Json written = Json::array();
            for (const auto& file : files)
                written.push_back(file.string());
            json["files"] = written;
        }
        out << json.dump() << '\n';
        return exitCode;
    }
    const MessageTable& messages = session.state.messages;
    printWheel(out, messages, play);
    if (draw)
        printCheck(out, messages, checkWheel(result.wheel, powerballs, *draw), *draw);
    for (const auto& file : files)
        out << fillPlaceholders(messages.text(Msg::WheelWritten), {file.string()}) << '\n';
    return exitCode;
}

} // namespace

void addWheelCommand(CommandLine& commandLine) {
    auto arguments = std::make_shared<WheelArguments>();
    CLI::App* verb =
        commandLine.add("wheel", "the fewest rows over chosen numbers that keep a proven guarantee",
                        [arguments](const CliOptions& options, std::ostream& out) {
                            return runWheel(options, *arguments, out);
                        });
    verb->add_option("--numbers", arguments->numbers, "6 to 40 white numbers, e.g. 3,7,12,...")
        ->delimiter(',')
        ->required();
    auto* guarantee = verb->add_option("--guarantee", arguments->guarantee,
                                       "T hits if M of the drawn white numbers are chosen, "
                                       "e.g. 3if4");
    auto* full = verb->add_flag("--full", arguments->full, "every row of five (the full wheel)");
    guarantee->excludes(full);
    verb->add_option("--powerball", arguments->powerball, "the Powerball of every row");
    verb->add_option("--powerballs", arguments->powerballs, "Powerballs the rows take in turn")
        ->delimiter(',');
    verb->add_option("--seconds", arguments->seconds, "the time the search may take (default 2)")
        ->check(CLI::Range(0.0, 3600.0));
    verb->add_option("--seed", arguments->seed, "the seed of the search (default 1)");
    verb->add_option("--out", arguments->out, "write the wheel as tip files of 12 rows there");
    verb->add_option("--check", arguments->check, "each row's hits against the draw of a date")
        ->transform(isoDate())
        ->type_name("YYYY-MM-DD");
}

} // namespace powerball::cli
