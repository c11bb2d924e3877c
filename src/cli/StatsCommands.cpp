#include "CheckOutput.h"
#include "CliSession.h"
#include "Commands.h"
#include "JsonOutput.h"
#include "options/OptionChecks.h"

#include "app/stats/StatisticCommands.h"

#include <array>
#include <cstdio>
#include <iomanip>
#include <memory>
#include <ostream>
#include <utility>

namespace powerball::cli {

namespace {

constexpr std::array<std::pair<const char*, StatisticKind>, 9> kKinds{{
    {"frequency", StatisticKind::NumberFrequency},
    {"overdue", StatisticKind::OverdueNumbers},
    {"powerball", StatisticKind::PowerballFrequency},
    {"powerball-overdue", StatisticKind::OverduePowerballs},
    {"pairs", StatisticKind::Pairs},
    {"triples", StatisticKind::Triples},
    {"quads", StatisticKind::Quads},
    {"cross-sums", StatisticKind::CrossSums},
    {"tips", StatisticKind::TipDistribution},
}};

std::optional<StatisticKind> findKind(const std::string& name) {
    for (const auto& [kindName, kind] : kKinds)
        if (name == kindName)
            return kind;
    return std::nullopt;
}

CLI::Validator statisticName() {
    return CLI::Validator(
        [](std::string& name) -> std::string {
            if (findKind(name))
                return {};
            return "unknown statistic \"" + name +
                   "\" (frequency, overdue, powerball, powerball-overdue, pairs, triples, "
                   "quads, cross-sums, tips)";
        },
        "");
}

struct StatsArguments {
    std::string kind;
    std::optional<int> start;
    std::optional<int> selected;
    std::vector<std::string> rows;
};

std::string colorText(BarColor color) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", color.red, color.green, color.blue);
    return text;
}

Json chartJson(const StatisticChart& chart) {
    const AxisRange range = chart.valueRange();
    Json bars = Json::array();
    for (const ChartBar& bar : chart.bars())
        bars.push_back({{"x", bar.x}, {"value", bar.value}, {"color", colorText(bar.color)}});
    return {
        {"caption", chart.caption()},
        {"axis",
         {{"automatic", chart.automaticRange()}, {"min", range.minimum}, {"max", range.maximum}}},
        {"bars", bars}};
}

void printChart(const AppState& state, std::ostream& out) {
    const StatisticChart& chart = state.chart;
    const AxisRange range = chart.valueRange();
    const TextFormat format = state.textFormat();
    out << said(state, Msg::CliChartCaption, {chart.caption()}) << '\n'
        << said(state, chart.automaticRange() ? Msg::CliAxisAutomatic : Msg::CliAxisFixed,
                {format.number(range.minimum), format.number(range.maximum)})
        << '\n';
    for (const ChartBar& bar : chart.bars())
        out << std::setw(4) << bar.x << std::setw(7) << format.number(bar.value) << "  "
            << colorText(bar.color) << '\n';
}

int runStats(const CliOptions& options, const StatsArguments& arguments, std::ostream& out) {
    const StatisticKind kind = *findKind(arguments.kind);
    CliSession session(options);
    AppState& state = session.state;
    if (arguments.start)
        state.startDate = *arguments.start;
    if (arguments.selected)
        state.selectedDate = *arguments.selected;
    if (!arguments.rows.empty() && kind != StatisticKind::TipDistribution)
        throw UsageError("stats: --row goes with tips only");
    if (arguments.rows.size() > static_cast<std::size_t>(TipSheet::kRowCount))
        throw UsageError(tooManyRows(state));
    for (std::size_t r = 0; r < arguments.rows.size(); ++r)
        state.tips.setLine(static_cast<int>(r), arguments.rows[r]);

    runStatistic(state, kind);

    if (options.json)
        out << chartJson(state.chart).dump() << '\n';
    else
        printChart(state, out);
    return 0;
}

} // namespace

void addStatsCommand(CommandLine& commandLine) {
    auto stats = std::make_shared<StatsArguments>();
    CLI::App* verb = commandLine.add("stats", "draw a statistic chart",
                                     [stats](const CliOptions& options, std::ostream& out) {
                                         return runStats(options, *stats, out);
                                     });
    verb->add_option("KIND", stats->kind,
                     "frequency, overdue, powerball, powerball-overdue, pairs, triples, quads, "
                     "cross-sums or tips (with --row)")
        ->required()
        ->check(statisticName());
    addPickerDate(*verb, "--start", stats->start, "the first day of the statistic");
    addPickerDate(*verb, "--selected", stats->selected, "the selected day");
    verb->add_option("--row", stats->rows, "a tip line for tips, once for each row (at most 12)")
        ->type_name("LINE")
        ->allow_extra_args(false);
}

} // namespace powerball::cli
