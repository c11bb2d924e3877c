#include "rules/generator/FilterCost.h"

#include "base/GameRules.h"
#include "rules/generator/RowTests.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <map>

namespace powerball {

namespace {

// A set of numbers up to 127 as two words: bit n stands for the number n.
struct Mask {
    std::uint64_t low = 0;
    std::uint64_t high = 0;

    void insert(int n) {
        if (n < 64)
            low |= std::uint64_t{1} << n;
        else
            high |= std::uint64_t{1} << (n - 64);
    }
    Mask with(int n) const {
        Mask copy = *this;
        copy.insert(n);
        return copy;
    }
};

int shared(const Mask& a, const Mask& b) {
    return std::popcount(a.low & b.low) + std::popcount(a.high & b.high);
}

struct Draw {
    double date = 0.0;
    Mask white;
    int powerball = 0;
};

struct Row {
    std::array<int, 5> white{}; // ascending
    Mask mask;
    int powerball = 0;
};

// The filters a first row meets (no earlier rows on the sheet, so no overlap test), as
// indices from 0.
using Filter = AcceptanceTest;
constexpr std::size_t kFirstFilter = static_cast<std::size_t>(AcceptanceTest::ForcedPair);
constexpr std::size_t kFilterCount = kAcceptanceTestCount - kFirstFilter;
constexpr std::size_t indexOf(Filter filter) {
    return static_cast<std::size_t>(filter) - kFirstFilter;
}
constexpr Filter filterAt(std::size_t index) {
    return static_cast<Filter>(index + kFirstFilter);
}

Draw drawOf(const DrawRecord& record) {
    Draw draw;
    draw.date = record.date;
    for (std::size_t i = 0; i < 5; ++i)
        draw.white.insert(record.numbers[i]);
    draw.powerball = record.numbers[6];
    return draw;
}

int primeCount(const std::array<int, 5>& white) {
    return static_cast<int>(std::count_if(white.begin(), white.end(), isListedPrime));
}

// The options as the filters read them, and which filters are on.
class Chain {
public:
    explicit Chain(const CalculationSettings& options) : m_options(options) {
        for (std::size_t k = 0; k < 3; ++k)
            m_last[k] = RowTests::lastDrawLimit(options, k);
    }

    bool on(Filter filter) const {
        switch (filter) {
        case Filter::ForcedPair:
            return m_options.forcePair;
        case Filter::NoGroups:
            return m_options.noGroups;
        case Filter::CrossSum:
            return true;
        case Filter::LastDraw:
        case Filter::SecondLastDraw:
        case Filter::ThirdLastDraw:
            return m_last[indexOf(filter) - indexOf(Filter::LastDraw)].on;
        case Filter::EvenNumbers:
            return m_options.minEvenOn;
        case Filter::OddNumbers:
            return m_options.minOddOn;
        case Filter::EarlierWin:
            return m_options.noEarlierWin;
        case Filter::RecentWin:
            return m_options.noRecentWin;
        case Filter::Primes:
            return m_options.minPrimesOn;
        case Filter::Accepted:
        case Filter::Overlap:
            break;
        }
        return false;
    }

    bool lastOn(std::size_t k) const { return m_last[k].on; }

    // Test 5, 6 or 7: the shared numbers with one of the last draws.
    bool lastDrawFails(std::size_t k, int sharedWhite, int powerball, const Draw* draw) const {
        if (!draw)
            return false;
        return RowTests::lastDrawFails(
            m_last[k],
            RowTests::withPowerball(m_options, sharedWhite, powerball == draw->powerball));
    }

    bool primesFail(int whitePrimes, int powerball) const {
        return RowTests::primesFail(m_options, whitePrimes + (isListedPrime(powerball) ? 1 : 0));
    }

    // Whether a draw of the window shares `winClass` or more with the row.
    bool historyFails(const Row& row, const std::vector<Draw>& window, int winClass) const {
        const int powerball = m_options.countPowerball ? row.powerball : -1;
        for (const Draw& draw : window)
            if (shared(row.mask, draw.white) + (draw.powerball == powerball ? 1 : 0) >= winClass)
                return true;
        return false;
    }

    const CalculationSettings& options() const { return m_options; }

private:
    const CalculationSettings& m_options;
    std::array<RowTests::LastDrawLimit, 3> m_last{};
};

// The draws a history filter reads: from < date <= to.
std::vector<Draw> windowOf(const std::vector<Draw>& draws, double from, double to) {
    std::vector<Draw> window;
    for (const Draw& draw : draws)
        if (from < draw.date && draw.date <= to)
            window.push_back(draw);
    return window;
}

// What a row is judged against: the last three draws and the two history windows.
struct Context {
    std::array<const Draw*, 3> last{};
    std::vector<Draw> earlier; // empty when the filter is off
    std::vector<Draw> recent;
};

Context contextAt(const Chain& chain, const std::vector<Draw>& draws, std::ptrdiff_t lastIndex,
                  double startDate, double selected) {
    Context context;
    for (std::size_t k = 0; k < 3; ++k)
        if (lastIndex - static_cast<std::ptrdiff_t>(k) >= 0)
            context.last[k] = &draws[static_cast<std::size_t>(lastIndex) - k];
    const CalculationSettings& options = chain.options();
    if (options.noEarlierWin)
        context.earlier = windowOf(draws, startDate, selected);
    if (options.noRecentWin)
        context.recent = windowOf(draws, selected - 7.0 * options.recentWeeks.value(), selected);
    return context;
}

std::array<bool, kFilterCount> failures(const Chain& chain, const Context& context,
                                        const Row& row) {
    const CalculationSettings& options = chain.options();
    std::array<bool, kFilterCount> fails{};
    const std::array<bool, 4> pairs = RowTests::neighbourPairs(row.white);
    fails[indexOf(Filter::ForcedPair)] = RowTests::pairFails(options, pairs);
    fails[indexOf(Filter::NoGroups)] = RowTests::groupFails(options, pairs);
    const std::array<int, 5>& w = row.white;
    fails[indexOf(Filter::CrossSum)] =
        RowTests::crossSumFails(options, w[0] + w[1] + w[2] + w[3] + w[4]);
    const int even = RowTests::evenCount(w);
    fails[indexOf(Filter::EvenNumbers)] = RowTests::evenFails(options, even);
    fails[indexOf(Filter::OddNumbers)] = RowTests::oddFails(options, even);
    for (std::size_t k = 0; k < 3; ++k) {
        const Draw* draw = context.last[k];
        fails[indexOf(Filter::LastDraw) + k] =
            chain.lastDrawFails(k, draw ? shared(row.mask, draw->white) : 0, row.powerball, draw);
    }
    fails[indexOf(Filter::EarlierWin)] =
        options.noEarlierWin &&
        chain.historyFails(row, context.earlier, options.earlierWinClass.value());
    fails[indexOf(Filter::RecentWin)] =
        options.noRecentWin &&
        chain.historyFails(row, context.recent, options.recentWinClass.value());
    fails[indexOf(Filter::Primes)] = chain.primesFail(primeCount(row.white), row.powerball);
    return fails;
}

// The Powerballs 1..26 grouped by what the filters without history see of them: whether
// they are a listed prime and which of the last draws' Powerballs they equal, as far as a
// filter that is on reads it.
struct PowerballClass {
    std::vector<int> powerballs;
};

std::vector<PowerballClass> powerballClasses(const Chain& chain, const Context& context) {
    const CalculationSettings& options = chain.options();
    std::map<unsigned, PowerballClass> classes;
    for (int pb = 1; pb <= kHighestPowerball; ++pb) {
        unsigned key = options.minPrimesOn && isListedPrime(pb) ? 1u : 0u;
        for (std::size_t k = 0; k < 3; ++k)
            if (chain.lastOn(k) && options.countPowerball && context.last[k] &&
                context.last[k]->powerball == pb)
                key |= 2u << k;
        classes[key].powerballs.push_back(pb);
    }
    std::vector<PowerballClass> result;
    for (auto& [key, group] : classes)
        result.push_back(std::move(group));
    return result;
}

// Every white set that passes the white-number filters, with the classes of Powerballs
// that pass the last-draw and prime filters with it: visit(row, bit c set for class c).
template <typename Visit>
void forEachWhiteSet(const Chain& chain, const Context& context,
                     const std::vector<PowerballClass>& classes, Visit&& visit) {
    const int crossSumMin = chain.options().crossSumMin.value();
    const int crossSumMax = chain.options().crossSumMax.value();
    const bool powerballMatters = classes.size() > 1 || chain.options().minPrimesOn ||
                                  chain.lastOn(0) || chain.lastOn(1) || chain.lastOn(2);
    const unsigned allClasses = (1u << classes.size()) - 1;
    Row row;
    for (int a = 1; a <= 65; ++a) {
        const Mask ma = Mask{}.with(a);
        for (int b = a + 1; b <= 66; ++b) {
            const Mask mb = ma.with(b);
            for (int c = b + 1; c <= 67; ++c) {
                const Mask mc = mb.with(c);
                for (int d = c + 1; d <= 68; ++d) {
                    const int partial = a + b + c + d;
                    if (partial + d + 1 > crossSumMax)
                        break; // the sum only grows from here
                    const Mask md = mc.with(d);
                    const int last = std::min(69, crossSumMax - partial);
                    for (int e = std::max(d + 1, crossSumMin - partial); e <= last; ++e) {
                        row.white = {a, b, c, d, e};
                        if (!RowTests::whitesPass(chain.options(), row.white))
                            continue;
                        row.mask = md.with(e);
                        if (!powerballMatters) {
                            visit(row, allClasses);
                            continue;
                        }
                        std::array<int, 3> sharedWhite{};
                        for (std::size_t k = 0; k < 3; ++k)
                            if (chain.lastOn(k) && context.last[k])
                                sharedWhite[k] = shared(row.mask, context.last[k]->white);
                        const int primes = primeCount(row.white);
                        unsigned passing = 0;
                        for (std::size_t g = 0; g < classes.size(); ++g) {
                            const int pb = classes[g].powerballs.front();
                            bool fails = chain.primesFail(primes, pb);
                            for (std::size_t k = 0; k < 3 && !fails; ++k)
                                fails = chain.lastDrawFails(k, sharedWhite[k], pb, context.last[k]);
                            if (!fails)
                                passing |= 1u << g;
                        }
                        if (passing)
                            visit(row, passing);
                    }
                }
            }
        }
    }
}

// A history window as one bit per draw under each white number and each Powerball, so
// that a row's hits with every draw add up 64 draws at a time.
class HistoryIndex {
public:
    HistoryIndex(const std::vector<Draw>& window, int winClass, bool countPowerball)
        : m_words((window.size() + 63) / 64), m_winClass(winClass),
          m_countPowerball(countPowerball), m_bits(kValues * m_words) {
        for (std::size_t i = 0; i < window.size(); ++i) {
            const std::uint64_t bit = std::uint64_t{1} << (i % 64);
            for (int n = 1; n < 128; ++n)
                if (n < 64 ? (window[i].white.low >> n) & 1
                           : (window[i].white.high >> (n - 64)) & 1)
                    m_bits[word(kWhite + n, i / 64)] |= bit;
            if (window[i].powerball >= 0 && window[i].powerball < 128)
                m_bits[word(kPowerball + window[i].powerball, i / 64)] |= bit;
        }
    }

    // Whether a draw of the window shares `winClass` or more with the row.
    bool rejects(const Row& row) const {
        if (m_words == 0)
            return false;
        std::array<std::size_t, 6> rows{};
        std::size_t inputs = 0;
        for (int n : row.white)
            if (n > 0 && n < 128)
                rows[inputs++] = static_cast<std::size_t>(kWhite + n);
        if (m_countPowerball && row.powerball >= 0 && row.powerball < 128)
            rows[inputs++] = static_cast<std::size_t>(kPowerball + row.powerball);
        for (std::size_t w = 0; w < m_words; ++w) {
            // Three bit planes of a counter per draw.
            std::uint64_t c0 = 0, c1 = 0, c2 = 0;
            for (std::size_t k = 0; k < inputs; ++k) {
                const std::uint64_t x = m_bits[rows[k] * m_words + w];
                const std::uint64_t carry0 = c0 & x;
                c0 ^= x;
                const std::uint64_t carry1 = c1 & carry0;
                c1 ^= carry0;
                c2 |= carry1;
            }
            if (atLeast(c0, c1, c2))
                return true;
        }
        return false;
    }

private:
    static constexpr int kWhite = 0;
    static constexpr int kPowerball = 128;
    static constexpr std::size_t kValues = 256;

    std::size_t word(int value, std::size_t w) const {
        return static_cast<std::size_t>(value) * m_words + w;
    }
    // The draws whose count is `m_winClass` or more.
    std::uint64_t atLeast(std::uint64_t c0, std::uint64_t c1, std::uint64_t c2) const {
        switch (m_winClass) {
        case 0:
            return ~std::uint64_t{0};
        case 1:
            return c0 | c1 | c2;
        case 2:
            return c1 | c2;
        case 3:
            return c2 | (c1 & c0);
        case 4:
            return c2;
        case 5:
            return c2 & (c1 | c0);
        case 6:
            return c2 & c1;
        case 7:
            return c2 & c1 & c0;
        default:
            return m_winClass < 0 ? ~std::uint64_t{0} : 0;
        }
    }

    std::size_t m_words;
    int m_winClass;
    bool m_countPowerball;
    std::vector<std::uint64_t> m_bits;
};

// A fixed-seed generator, the same on every platform (splitmix64).
class SampleSource {
public:
    std::uint64_t next() {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // Uniform in [0, n) for n below 2^53.
    std::uint64_t below(std::uint64_t n) {
        const double unit = static_cast<double>(next() >> 11) * 0x1.0p-53;
        return std::min(n - 1, static_cast<std::uint64_t>(unit * static_cast<double>(n)));
    }

private:
    std::uint64_t m_state = 20151007;
};

// Wilson's 95 % interval of a share of k in n.
std::pair<double, double> wilsonInterval(int k, int n) {
    constexpr double z = 1.959963984540054;
    const double p = static_cast<double>(k) / n;
    const double z2n = z * z / n;
    const double centre = (p + z2n / 2) / (1 + z2n);
    const double half = z * std::sqrt(p * (1 - p) / n + z2n / (4.0 * n)) / (1 + z2n);
    return {std::max(0.0, centre - half), std::min(1.0, centre + half)};
}

void measureShare(const Chain& chain, const Context& context, FilterCost& cost) {
    const std::vector<PowerballClass> classes = powerballClasses(chain, context);
    std::uint64_t kept = 0;
    forEachWhiteSet(chain, context, classes, [&kept, &classes](const Row&, unsigned passing) {
        for (std::size_t g = 0; g < classes.size(); ++g)
            if (passing & (1u << g))
                kept += classes[g].powerballs.size();
    });
    const bool historyMatters = !context.earlier.empty() || !context.recent.empty();
    if (!historyMatters || kept == 0) {
        cost.exact = true;
        cost.rowsKept = kept;
        cost.share = static_cast<double>(kept) / static_cast<double>(FilterCost::kAllRows);
        cost.low = cost.high = cost.share;
        return;
    }

    // Rows drawn evenly from those that pass the filters without history: their positions
    // in the order of the walk, sorted so that one more walk finds them all.
    SampleSource source;
    std::vector<std::uint64_t> positions(FilterCost::kSampleRows);
    for (std::uint64_t& position : positions)
        position = source.below(kept);
    std::sort(positions.begin(), positions.end());
    const CalculationSettings& options = chain.options();
    const HistoryIndex earlier(context.earlier, options.earlierWinClass.value(),
                               options.countPowerball);
    const HistoryIndex recent(context.recent, options.recentWinClass.value(),
                              options.countPowerball);
    int passed = 0;
    std::size_t next = 0;
    std::uint64_t walked = 0;
    forEachWhiteSet(chain, context, classes, [&](const Row& found, unsigned passing) {
        for (std::size_t g = 0; g < classes.size() && next < positions.size(); ++g) {
            if (!(passing & (1u << g)))
                continue;
            const std::vector<int>& powerballs = classes[g].powerballs;
            const std::uint64_t end = walked + powerballs.size();
            for (; next < positions.size() && positions[next] < end; ++next) {
                Row row = found;
                row.powerball = powerballs[positions[next] - walked];
                if (!earlier.rejects(row) && !recent.rejects(row))
                    ++passed;
            }
            walked = end;
        }
    });
    const double base = static_cast<double>(kept) / static_cast<double>(FilterCost::kAllRows);
    const auto [low, high] = wilsonInterval(passed, FilterCost::kSampleRows);
    cost.exact = false;
    cost.sampleRows = FilterCost::kSampleRows;
    cost.share = base * passed / FilterCost::kSampleRows;
    cost.low = base * low;
    cost.high = base * high;
}

} // namespace

FilterCost measureFilterCost(const FilterCostInput& input) {
    const Chain chain(input.settings);
    std::vector<Draw> draws;
    draws.reserve(input.draws.size());
    for (const DrawRecord& record : input.draws)
        draws.push_back(drawOf(record));

    FilterCost cost;

    // The share: the draw on or after the selected date (else the last) is the last draw,
    // and the history windows end at its date, as a run at the selected date has them.
    {
        std::ptrdiff_t located = -1;
        double selected = input.selectedDate;
        if (!draws.empty()) {
            const double day = std::floor(input.selectedDate);
            const auto found = std::find_if(draws.begin(), draws.end(),
                                            [day](const Draw& d) { return d.date >= day; });
            located = found == draws.end() ? static_cast<std::ptrdiff_t>(draws.size()) - 1
                                           : found - draws.begin();
            selected = draws[static_cast<std::size_t>(located)].date;
        }
        const Context context = contextAt(chain, draws, located, input.startDate, selected);
        measureShare(chain, context, cost);
    }

    // The draws, each as a first row computed the day before it.
    std::array<int, kFilterCount> rejected{};
    for (std::size_t i = 0; i < draws.size(); ++i) {
        if (draws[i].date < std::floor(input.startDate))
            continue; // "since" the start date: its own draw counts
        const double dayBefore = std::floor(draws[i].date) - 1;
        std::ptrdiff_t lastBefore = static_cast<std::ptrdiff_t>(i) - 1;
        while (lastBefore >= 0 && draws[static_cast<std::size_t>(lastBefore)].date > dayBefore)
            --lastBefore;
        const Context context = contextAt(chain, draws, lastBefore, input.startDate, dayBefore);
        Row row;
        for (std::size_t k = 0; k < 5; ++k)
            row.white[k] = input.draws[i].numbers[k];
        std::sort(row.white.begin(), row.white.end());
        row.mask = draws[i].white;
        row.powerball = draws[i].powerball;
        const std::array<bool, kFilterCount> fails = failures(chain, context, row);
        ++cost.drawsJudged;
        if (std::none_of(fails.begin(), fails.end(), [](bool f) { return f; }))
            ++cost.drawsKept;
        for (std::size_t f = 0; f < kFilterCount; ++f)
            rejected[f] += fails[f] ? 1 : 0;
    }
    for (std::size_t f = 0; f < kFilterCount; ++f)
        if (chain.on(filterAt(f)))
            cost.perFilter.push_back({acceptanceTestName(filterAt(f)), rejected[f]});
    return cost;
}

} // namespace powerball
