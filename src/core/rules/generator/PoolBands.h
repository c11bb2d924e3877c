#pragma once

#include "rules/generator/NumberPool.h"
#include "rules/stats/StatisticChart.h"

namespace powerball {

// A band of bar values that lets numbers into the pool, read off a statistic's value axis
// (`minimum` .. `maximum`); bounds are rounded half to even.
struct Band {
    int lo = 0;
    int hi = 0;
};

// Groups of neighbours: the top 30 % of the range, or everything up to the bottom 30 %.
Band frequentGroupBand(double minimum, double maximum);
Band rareGroupBand(double minimum, double maximum);

// Single numbers: the top or bottom `percent` of the range, divided by `divisor` (100 for
// the first pass, 200 for the second, which takes half as many).
Band topBand(double minimum, double maximum, int percent, double divisor);
Band bottomBand(double minimum, double maximum, int percent, double divisor);

// Groups of `size` numbers: bar i stands for i + 1 .. i + size; lo < value <= hi appends.
void appendGroups(NumberPool& pool, const StatisticChart& chart, int size, Band band);

// Numbers: bar i stands for i + 1; lo <= value <= hi appends it `times` times.
void appendNumbers(NumberPool& pool, const StatisticChart& chart, Band band, int times);

} // namespace powerball
