#include "rules/generator/PoolBands.h"

#include "rules/stats/Rounding.h"

namespace powerball {

Band frequentGroupBand(double minimum, double maximum) {
    return {roundHalfEven(maximum - (maximum - minimum) * 0.3), roundHalfEven(maximum)};
}

Band rareGroupBand(double minimum, double maximum) {
    return {0, roundHalfEven(minimum + (maximum - minimum) * 0.3)};
}

Band topBand(double minimum, double maximum, int percent, double divisor) {
    return {roundHalfEven(maximum - (maximum - minimum) * percent / divisor),
            roundHalfEven(maximum)};
}

Band bottomBand(double minimum, double maximum, int percent, double divisor) {
    return {roundHalfEven(minimum),
            roundHalfEven(minimum + (maximum - minimum) * percent / divisor)};
}

void appendGroups(NumberPool& pool, const StatisticChart& chart, int size, Band band) {
    for (int i = 0; i <= chart.barCount() - size; ++i) {
        const int value = chart.value(i);
        if (band.lo < value && value <= band.hi)
            for (int n = i + 1; n <= i + size; ++n)
                pool.append(n);
    }
}

void appendNumbers(NumberPool& pool, const StatisticChart& chart, Band band, int times) {
    for (int i = 0; i < chart.barCount(); ++i) {
        const int value = chart.value(i);
        if (band.lo <= value && value <= band.hi)
            pool.append(i + 1, times);
    }
}

} // namespace powerball
