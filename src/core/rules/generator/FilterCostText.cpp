#include "rules/generator/FilterCostText.h"

#include "base/DrawCalendar.h"

#include <cmath>

namespace powerball {

std::string groupedNumber(long long value) {
    return TextFormat().count(value);
}

std::string percentText(double share, const TextFormat& format) {
    const double percent = share * 100.0;
    if (percent <= 0.0)
        return format.percent(0.0, 0);
    int decimals = 1;
    while (decimals < 6 && percent < std::pow(10.0, 1 - decimals))
        ++decimals;
    return format.percent(percent, decimals);
}

std::string filterCostLine(const MessageTable& messages, const TextFormat& format,
                           const FilterCost& cost, double startDate) {
    const auto percent = [&](double value) { return percentText(value, format); };
    std::string share = percent(cost.share);
    if (!cost.exact)
        share = fillPlaceholders(messages.text(Msg::FilterCostEstimate),
                                 {share, percent(cost.low), percent(cost.high)});
    const std::string since = format.date(DrawCalendar::datePart(startDate));
    if (cost.drawsJudged == 0)
        return fillPlaceholders(messages.text(Msg::FilterCostNoDraws), {share, since});
    return fillPlaceholders(messages.text(Msg::FilterCostLine),
                            {share, format.count(cost.drawsKept), format.count(cost.drawsJudged),
                             since,
                             percent(static_cast<double>(cost.drawsKept) / cost.drawsJudged)});
}

std::string filterCostHint(const MessageTable& messages, const TextFormat& format,
                           const FilterCost& cost) {
    if (cost.exact)
        return fillPlaceholders(messages.text(Msg::FilterCostExactHint),
                                {format.count(static_cast<long long>(FilterCost::kAllRows))});
    return fillPlaceholders(messages.text(Msg::FilterCostSampleHint),
                            {format.count(cost.sampleRows)});
}

} // namespace powerball
