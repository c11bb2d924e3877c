#include "rules/generator/PowerballChoice.h"

#include <algorithm>

namespace powerball {

int PowerballChoice::choose(const CalculationSettings& options, RandomSource& random) const {
    const int longest = *std::max_element(m_outstanding.begin(), m_outstanding.end());
    int best = 1;
    for (int n = 1; n <= 26; ++n)
        if (m_outstanding[static_cast<std::size_t>(n - 1)] == longest)
            best = n;
    Table frequency = m_frequency;
    int lowest = *std::min_element(frequency.begin(), frequency.end());

    const int recent = options.recentPowerballDraws.value();
    const bool exclude = options.excludeRecentPowerball &&
                         std::any_of(m_outstanding.begin(), m_outstanding.end(),
                                     [recent](int outstanding) { return outstanding >= recent; });
    for (;;) {
        int chosen = 1;
        switch (options.powerballMode) {
        case PowerballMode::Random:
            chosen = random.below(26) + 1;
            break;
        case PowerballMode::Rarest:
            for (int n = 1; n <= 26; ++n)
                if (frequency[static_cast<std::size_t>(n - 1)] == lowest)
                    chosen = n;
            break;
        case PowerballMode::LongestOutstanding:
            chosen = best;
            break;
        }
        const auto i = static_cast<std::size_t>(chosen - 1);
        if (!exclude || m_outstanding[i] >= recent)
            return chosen;
        // Passed over: a count no Powerball reaches takes it out of the search for the lowest.
        frequency[i] = 999999;
        lowest = *std::min_element(frequency.begin(), frequency.end());
    }
}

} // namespace powerball
