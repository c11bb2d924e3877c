#include "CliSession.h"
#include "Commands.h"
#include "JsonOutput.h"

#include "stats/StatisticCommands.h"

#include <array>
#include <cstdio>
#include <iomanip>
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

StatisticKind parseKind(const std::string& name) {
    for (const auto& [kindName, kind] : kKinds)
        if (name == kindName)
            return kind;
    throw UsageError("stats: unknown statistic \"" + name +
                     "\" (frequency, overdue, powerball, powerball-overdue, pairs, triples, "
                     "quads, cross-sums, tips)");
}

// Both pickers refuse dates before their minimum.
int pickerDate(ArgumentReader& reader, const std::string& option) {
    const int day = reader.dateValue(option);
    if (day < DrawCalendar::kMinimumDate)
        throw UsageError(option + ": the earliest date is " +
                         DrawCalendar::isoDate(DrawCalendar::kMinimumDate));
    return day;
}

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

void printChart(const StatisticChart& chart, std::ostream& out) {
    const AxisRange range = chart.valueRange();
    out << "Caption: " << chart.caption() << '\n'
        << "Value axis: " << (chart.automaticRange() ? "automatic " : "fixed ") << range.minimum
        << ".." << range.maximum << '\n';
    for (const ChartBar& bar : chart.bars())
        out << std::setw(4) << bar.x << std::setw(7) << bar.value << "  " << colorText(bar.color)
            << '\n';
}

} // namespace

int runStats(const CliOptions& options, std::ostream& out) {
    ArgumentReader reader(options.arguments);
    if (reader.atEnd())
        throw UsageError("stats needs a statistic");
    const StatisticKind kind = parseKind(reader.take());

    CliSession session(options);
    AppState& state = session.state;
    int rows = 0;
    while (!reader.atEnd()) {
        const std::string option = reader.take();
        if (option == "--start")
            state.startDate = pickerDate(reader, option);
        else if (option == "--selected")
            state.selectedDate = pickerDate(reader, option);
        else if (option == "--row" && kind == StatisticKind::TipDistribution) {
            if (rows == TipSheet::kRowCount)
                throw UsageError("at most 12 --row");
            state.tips.setLine(rows++, reader.value(option));
        } else
            throw UsageError("stats: unknown argument " + option);
    }

    runStatistic(state, kind);

    if (options.json)
        out << chartJson(state.chart).dump() << '\n';
    else
        printChart(state.chart, out);
    return 0;
}

} // namespace powerball::cli
