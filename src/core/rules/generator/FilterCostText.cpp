#include "rules/generator/FilterCostText.h"

#include "base/DrawCalendar.h"

#include <cmath>
#include <cstdio>

namespace powerball {

std::string groupedNumber(long long value) {
    std::string digits = std::to_string(value < 0 ? -value : value);
    for (std::ptrdiff_t at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), ".");
    return value < 0 ? "-" + digits : digits;
}

std::string percentText(double share) {
    const double percent = share * 100.0;
    if (percent <= 0.0)
        return "0 %";
    int decimals = 1;
    while (decimals < 6 && percent < std::pow(10.0, 1 - decimals))
        ++decimals;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, percent);
    std::string text = buffer;
    const std::size_t point = text.find('.');
    const std::string whole = text.substr(0, point);
    return groupedNumber(std::stoll(whole)) + "," + text.substr(point + 1) + " %";
}

std::string filterCostLine(const MessageTable& messages, const FilterCost& cost, double startDate) {
    std::string share = percentText(cost.share);
    if (!cost.exact)
        share = fillPlaceholders(messages.text(Msg::FilterCostEstimate),
                                 {share, percentText(cost.low), percentText(cost.high)});
    const std::string since = DrawCalendar::shortDate(DrawCalendar::datePart(startDate));
    if (cost.drawsJudged == 0)
        return fillPlaceholders(messages.text(Msg::FilterCostNoDraws), {share, since});
    return fillPlaceholders(messages.text(Msg::FilterCostLine),
                            {share, groupedNumber(cost.drawsKept), groupedNumber(cost.drawsJudged),
                             since,
                             percentText(static_cast<double>(cost.drawsKept) / cost.drawsJudged)});
}

std::string filterCostHint(const MessageTable& messages, const FilterCost& cost) {
    if (cost.exact)
        return fillPlaceholders(messages.text(Msg::FilterCostExactHint),
                                {groupedNumber(static_cast<long long>(FilterCost::kAllRows))});
    return fillPlaceholders(messages.text(Msg::FilterCostSampleHint),
                            {groupedNumber(cost.sampleRows)});
}

} // namespace powerball
