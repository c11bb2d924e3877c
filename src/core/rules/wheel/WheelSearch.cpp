#include "rules/wheel/WheelSearch.h"

#include "rules/wheel/Combinations.h"
#include "rules/wheel/WheelBounds.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cmath>
#include <cstdint>
#include <mutex>
#include <random>
#include <thread>

namespace powerball {

namespace {

using SteadyClock = std::chrono::steady_clock;

// A row as positions 0..v-1 among the chosen numbers, ascending, with its set as bits.
struct Block {
    std::array<int, 5> members{};
    std::uint64_t bits = 0;

    void set(const std::array<int, 5>& sorted) {
        members = sorted;
        bits = 0;
        for (int p : members)
            bits |= std::uint64_t{1} << p;
    }
};

// Which cases (sets of m positions) the rows keep the promise for. A case is kept when one
// of its t-subsets lies in a row, so the state counts the rows holding each t-subset and,
// per case, how many of its t-subsets some row holds; the cases at zero are the open ones.
class CoverState {
public:
    CoverState(int v, int t, int m) : m_t(t) {
        const auto tSubsets = Combinations::binomial(v, t);
        const auto cases = Combinations::binomial(v, m);
        m_rowsHolding.assign(tSubsets, 0);
        m_heldParts.assign(cases, 0);
        m_openAt.assign(cases, -1);
        // The cases containing each t-subset, as one array cut into runs.
        m_casesStart.assign(tSubsets + 1, 0);
        Combinations::forEachSubset(v, m, [&](const int* drawn) {
            Combinations::forEachSubsetOf(drawn, m, t, [&](const int* part) {
                ++m_casesStart[Combinations::rank(part, t) + 1];
            });
        });
        for (std::size_t i = 1; i < m_casesStart.size(); ++i)
            m_casesStart[i] += m_casesStart[i - 1];
        m_cases.resize(m_casesStart.back());
        std::vector<std::uint32_t> fill(m_casesStart.begin(), m_casesStart.end() - 1);
        std::uint32_t caseRank = 0;
        Combinations::forEachSubset(v, m, [&](const int* drawn) {
            Combinations::forEachSubsetOf(drawn, m, t, [&](const int* part) {
                m_cases[fill[Combinations::rank(part, t)]++] = caseRank;
            });
            open(caseRank++);
        });
    }

    std::size_t openCases() const { return m_open.size(); }
    std::uint32_t openCase(std::size_t i) const { return m_open[i]; }

    void addRow(const Block& row) { changeParts(row.members, +1); }
    void removeRow(const Block& row) { changeParts(row.members, -1); }

    // The row loses `out` and takes `in`: only the t-subsets with those change.
    void exchange(const Block& before, int out, int in) {
        std::array<int, 4> rest{};
        std::size_t n = 0;
        for (int p : before.members)
            if (p != out)
                rest[n++] = p;
        std::array<int, 5> part{};
        Combinations::forEachSubsetOf(rest.data(), 4, m_t - 1, [&](const int* others) {
            changePart(with(others, out, part), -1);
            changePart(with(others, in, part), +1);
        });
    }

    // The open cases that adding the row would close, counted once per new t-subset: an
    // estimate, enough to choose between rows.
    std::size_t gainOf(const Block& row) const {
        std::size_t gain = 0;
        Combinations::forEachSubsetOf(row.members.data(), 5, m_t, [&](const int* part) {
            const std::uint32_t r = Combinations::rank(part, m_t);
            if (m_rowsHolding[r] != 0)
                return;
            for (std::uint32_t i = m_casesStart[r]; i < m_casesStart[r + 1]; ++i)
                gain += m_heldParts[m_cases[i]] == 0 ? 1 : 0;
        });
        return gain;
    }

private:
    // The ascending t-subset of `others` (t-1 positions) with `p` added.
    const int* with(const int* others, int p, std::array<int, 5>& part) const {
        int n = 0;
        bool placed = false;
        for (int i = 0; i < m_t - 1; ++i) {
            if (!placed && p < others[i]) {
                part[static_cast<std::size_t>(n++)] = p;
                placed = true;
            }
            part[static_cast<std::size_t>(n++)] = others[i];
        }
        if (!placed)
            part[static_cast<std::size_t>(n)] = p;
        return part.data();
    }

    void changeParts(const std::array<int, 5>& members, int step) {
        Combinations::forEachSubsetOf(members.data(), 5, m_t,
                                      [&](const int* part) { changePart(part, step); });
    }

    void changePart(const int* part, int step) {
        const std::uint32_t r = Combinations::rank(part, m_t);
        const bool wasHeld = m_rowsHolding[r] > 0;
        m_rowsHolding[r] += step;
        const bool held = m_rowsHolding[r] > 0;
        if (wasHeld == held)
            return;
        for (std::uint32_t i = m_casesStart[r]; i < m_casesStart[r + 1]; ++i) {
            const std::uint32_t c = m_cases[i];
            if (held) {
                if (m_heldParts[c]++ == 0)
                    close(c);
            } else if (--m_heldParts[c] == 0) {
                open(c);
            }
        }
    }

    void open(std::uint32_t c) {
        m_openAt[c] = static_cast<std::int32_t>(m_open.size());
        m_open.push_back(c);
    }
    void close(std::uint32_t c) {
        const std::int32_t at = m_openAt[c];
        const std::uint32_t last = m_open.back();
        m_open[static_cast<std::size_t>(at)] = last;
        m_openAt[last] = at;
        m_open.pop_back();
        m_openAt[c] = -1;
    }

    int m_t;
    std::vector<std::int32_t> m_rowsHolding;
    std::vector<std::uint8_t> m_heldParts;
    std::vector<std::uint32_t> m_casesStart;
    std::vector<std::uint32_t> m_cases;
    std::vector<std::uint32_t> m_open;
    std::vector<std::int32_t> m_openAt;
};

// One search on one thread: its own state, random source and steps.
//
// The rows are annealed at a fixed count (the method of Nurmela and Östergård for covering
// designs): the cost is the number of open cases, a step takes an open case and one of the
// rows that lacks only one of the case's numbers to keep it, and swaps one of the row's other
// numbers for that one; a worse state is taken by the Metropolis rule. Once no case is open
// the rows are a wheel; the row that alone keeps the fewest cases goes, and the annealing
// goes on with one row fewer. A round that freezes without a wheel starts again, hot, from
// the fewest open cases seen at that count, and runs longer.
class Search {
public:
    Search(int v, const WheelGuarantee& guarantee, std::uint64_t seed,
           const WheelSearchOptions& options, SteadyClock::time_point deadline,
           const std::atomic<bool>* stop)
        : m_v(v), m_t(guarantee.t), m_m(guarantee.m),
          m_hot(guarantee.t == guarantee.m ? kHot : kHotWider),
          m_cold(guarantee.t == guarantee.m ? kCold : kColdWider), m_random(seed),
          m_options(options), m_deadline(deadline), m_stopFlag(stop),
          m_state(v, guarantee.t, guarantee.m) {}

    // Runs until the budget, the steps or the stop end it, or the bound is reached; calls
    // smaller(rows) for every smaller wheel without an open case.
    template <typename Smaller>
    std::vector<Block> run(std::uint64_t lowerBound, Smaller&& smaller) {
        greedyStart();
        dropSpareRows();
        std::vector<Block> best = m_rows;
        smaller(best);
        while (!ended() && best.size() > lowerBound && best.size() > 1) {
            dropLeastUsefulRow();
            if (!anneal())
                break;
            dropSpareRows();
            best = m_rows;
            smaller(best);
        }
        return best;
    }

    bool stoppedByFlag() const { return m_stopFlag && m_stopFlag->load(); }

private:
    // The temperatures of a round. For "t if t" a state worse by one open case is taken with
    // the chance exp(-1/T), about one in fifty at the start and one in twenty thousand at the
    // end; hotter rounds measured worse on the benchmark's table, they undo more than they
    // mend. When t < m a swap opens or closes many cases at once (each t-subset lies in many
    // cases), so the costs move in bigger steps and the rounds run hotter.
    static constexpr double kHot = 0.25;
    static constexpr double kCold = 0.1;
    static constexpr double kHotWider = 0.6;
    static constexpr double kColdWider = 0.2;
    static constexpr std::uint64_t kFirstRound = 200'000;
    static constexpr std::uint64_t kLongestRound = 5'000'000;

    bool ended() {
        if (m_options.maxSteps != 0 && m_steps >= m_options.maxSteps)
            return true;
        if (stoppedByFlag())
            return true;
        return SteadyClock::now() >= m_deadline;
    }

    std::array<int, 5> membersOfCase(std::uint32_t c) const {
        std::array<int, 5> drawn{};
        Combinations::unrank(c, m_m, drawn.data());
        return drawn;
    }

    std::uint64_t bitsOfCase(std::uint32_t c) const {
        const std::array<int, 5> drawn = membersOfCase(c);
        std::uint64_t bits = 0;
        for (int i = 0; i < m_m; ++i)
            bits |= std::uint64_t{1} << drawn[static_cast<std::size_t>(i)];
        return bits;
    }

    // A row holding t numbers of the case and others at random.
    Block rowFor(const std::array<int, 5>& drawn) {
        std::array<int, 5> shuffled = drawn;
        std::shuffle(shuffled.begin(), shuffled.begin() + m_m, m_random);
        std::uint64_t bits = 0;
        std::array<int, 5> members{};
        for (int i = 0; i < m_t; ++i) {
            members[static_cast<std::size_t>(i)] = shuffled[static_cast<std::size_t>(i)];
            bits |= std::uint64_t{1} << shuffled[static_cast<std::size_t>(i)];
        }
        std::uniform_int_distribution<int> any(0, m_v - 1);
        for (int i = m_t; i < 5;) {
            const int p = any(m_random);
            if (bits & (std::uint64_t{1} << p))
                continue;
            bits |= std::uint64_t{1} << p;
            members[static_cast<std::size_t>(i++)] = p;
        }
        std::sort(members.begin(), members.end());
        Block row;
        row.set(members);
        return row;
    }

    // Adds the best of a few rows for an open case until no case is open.
    void greedyStart() {
        constexpr int kTries = 16;
        while (m_state.openCases() > 0) {
            std::uniform_int_distribution<std::size_t> pick(0, m_state.openCases() - 1);
            const std::array<int, 5> drawn = membersOfCase(m_state.openCase(pick(m_random)));
            Block chosen = rowFor(drawn);
            std::size_t chosenGain = m_state.gainOf(chosen);
            for (int i = 1; i < kTries; ++i) {
                const Block candidate = rowFor(drawn);
                const std::size_t gain = m_state.gainOf(candidate);
                if (gain > chosenGain) {
                    chosen = candidate;
                    chosenGain = gain;
                }
            }
            m_state.addRow(chosen);
            m_rows.push_back(chosen);
        }
    }

    // The cases that would open without row i.
    std::size_t openedWithout(std::size_t i) {
        m_state.removeRow(m_rows[i]);
        const std::size_t opened = m_state.openCases();
        m_state.addRow(m_rows[i]);
        return opened;
    }

    void removeRow(std::size_t i) {
        m_state.removeRow(m_rows[i]);
        m_rows[i] = m_rows.back();
        m_rows.pop_back();
    }

    // Rows that keep no case alone go: the wheel keeps its guarantee without them.
    void dropSpareRows() {
        for (std::size_t i = m_rows.size(); i-- > 0;)
            if (m_rows.size() > 1 && openedWithout(i) == 0)
                removeRow(i);
    }

    // The row whose loss opens the fewest cases goes (the first of a tie at random), so the
    // annealing at one row fewer starts close to a wheel.
    void dropLeastUsefulRow() {
        std::size_t chosen = 0;
        std::size_t fewest = SIZE_MAX;
        std::size_t ties = 0;
        for (std::size_t i = 0; i < m_rows.size(); ++i) {
            const std::size_t opened = openedWithout(i);
            if (opened < fewest) {
                fewest = opened;
                chosen = i;
                ties = 1;
            } else if (opened == fewest &&
                       std::uniform_int_distribution<std::size_t>(0, ties++)(m_random) == 0) {
                chosen = i;
            }
        }
        removeRow(chosen);
    }

    // Replaces the rows (and the state) with others of the same count.
    void restore(const std::vector<Block>& rows) {
        for (const Block& row : m_rows)
            m_state.removeRow(row);
        m_rows = rows;
        for (const Block& row : m_rows)
            m_state.addRow(row);
    }

    // Simulated annealing at the present row count until no case is open (true) or the
    // search ends (false).
    bool anneal() {
        std::uniform_real_distribution<double> chance(0.0, 1.0);
        std::size_t fewestOpen = m_state.openCases();
        std::vector<Block> fewestRows = m_rows;
        while (true) {
            const double cooling =
                std::pow(m_cold / m_hot, 1.0 / static_cast<double>(m_roundLength));
            double temperature = m_hot;
            for (std::uint64_t i = 0; i < m_roundLength; ++i) {
                if (m_state.openCases() == 0)
                    return true;
                if ((m_steps & 255) == 0 && ended())
                    return false;
                ++m_steps;
                temperature *= cooling;
                const std::size_t openBefore = m_state.openCases();
                std::size_t r = 0;
                int out = -1;
                int in = -1;
                if (!chooseMove(r, out, in))
                    continue;
                exchange(r, out, in);
                const std::size_t openAfter = m_state.openCases();
                if (openAfter > openBefore) {
                    const double worse = static_cast<double>(openAfter - openBefore);
                    if (chance(m_random) >= std::exp(-worse / temperature)) {
                        exchange(r, in, out);
                        continue;
                    }
                }
                if (openAfter < fewestOpen) {
                    fewestOpen = openAfter;
                    fewestRows = m_rows;
                }
            }
            if (m_state.openCases() == 0)
                return true;
            restore(fewestRows);
            m_roundLength = std::min(kLongestRound, m_roundLength * 2);
        }
    }

    // A step for a random open case: a row that shares the most numbers with it (t-1, or
    // fewer when none does) takes one of the case's numbers for one of its own others.
    bool chooseMove(std::size_t& r, int& out, int& in) {
        std::uniform_int_distribution<std::size_t> pickCase(0, m_state.openCases() - 1);
        const std::uint64_t caseBits = bitsOfCase(m_state.openCase(pickCase(m_random)));
        int most = -1;
        m_closest.clear();
        for (std::size_t i = 0; i < m_rows.size(); ++i) {
            const int shared = std::popcount(m_rows[i].bits & caseBits);
            if (shared > most) {
                most = shared;
                m_closest.clear();
            }
            if (shared == most)
                m_closest.push_back(static_cast<std::uint32_t>(i));
        }
        r = m_closest[std::uniform_int_distribution<std::size_t>(0,
                                                                 m_closest.size() - 1)(m_random)];
        out = pickBit(m_rows[r].bits & ~caseBits);
        in = pickBit(caseBits & ~m_rows[r].bits);
        return out >= 0 && in >= 0;
    }

    int pickBit(std::uint64_t bits) {
        const int count = std::popcount(bits);
        if (count == 0)
            return -1;
        int skip = std::uniform_int_distribution<int>(0, count - 1)(m_random);
        while (skip-- > 0)
            bits &= bits - 1;
        return std::countr_zero(bits);
    }

    void exchange(std::size_t r, int out, int in) {
        m_state.exchange(m_rows[r], out, in);
        std::array<int, 5> members = m_rows[r].members;
        *std::find(members.begin(), members.end(), out) = in;
        std::sort(members.begin(), members.end());
        m_rows[r].set(members);
    }

    int m_v;
    int m_t;
    int m_m;
    double m_hot;
    double m_cold;
    std::mt19937_64 m_random;
    const WheelSearchOptions& m_options;
    SteadyClock::time_point m_deadline;
    const std::atomic<bool>* m_stopFlag;
    CoverState m_state;
    std::vector<Block> m_rows;
    std::vector<std::uint32_t> m_closest;
    std::uint64_t m_steps = 0;
    std::uint64_t m_roundLength = kFirstRound;
};

Wheel wheelOf(const std::vector<int>& numbers, const WheelGuarantee& guarantee,
              const std::vector<Block>& rows) {
    Wheel wheel{numbers, guarantee, {}};
    for (const Block& row : rows) {
        std::array<int, 5> values{};
        for (std::size_t i = 0; i < 5; ++i)
            values[i] = numbers[static_cast<std::size_t>(row.members[i])];
        wheel.rows.push_back(values);
    }
    std::sort(wheel.rows.begin(), wheel.rows.end());
    return wheel;
}

} // namespace

Wheel fullWheel(const std::vector<int>& numbers, const WheelGuarantee& guarantee) {
    std::vector<int> sorted = numbers;
    std::sort(sorted.begin(), sorted.end());
    Wheel wheel{sorted, guarantee, {}};
    Combinations::forEachSubset(static_cast<int>(sorted.size()), 5, [&](const int* members) {
        std::array<int, 5> row{};
        for (std::size_t i = 0; i < 5; ++i)
            row[i] = sorted[static_cast<std::size_t>(members[i])];
        wheel.rows.push_back(row);
    });
    std::sort(wheel.rows.begin(), wheel.rows.end());
    return wheel;
}

WheelSearchResult searchWheel(const std::vector<int>& numbers, const WheelGuarantee& guarantee,
                              const WheelSearchOptions& options, const std::atomic<bool>* stop,
                              const std::function<void(std::size_t rows)>& onSmaller) {
    const auto started = SteadyClock::now();
    std::vector<int> sorted = numbers;
    std::sort(sorted.begin(), sorted.end());
    const int v = static_cast<int>(sorted.size());

    WheelSearchResult result;
    result.lowerBound = wheelLowerBound(v, guarantee);
    if (guarantee.full()) {
        result.wheel = fullWheel(sorted, guarantee);
        result.complete = true;
        if (onSmaller)
            onSmaller(result.wheel.rows.size());
        return result;
    }

    // Every search reports a smaller wheel only once the proof has checked it, and only
    // when it beats what all searches have found.
    std::mutex bestLock;
    std::size_t bestRows = SIZE_MAX;
    const auto deadline = started + options.budget;
    const int searches = std::max(1, options.searches);
    std::vector<Wheel> found(static_cast<std::size_t>(searches));
    std::vector<bool> byFlag(static_cast<std::size_t>(searches), false);
    auto runSearch = [&](int k) {
        Search search(v, guarantee, options.seed + static_cast<std::uint64_t>(k), options, deadline,
                      stop);
        Wheel& mine = found[static_cast<std::size_t>(k)];
        search.run(result.lowerBound, [&](const std::vector<Block>& rows) {
            Wheel candidate = wheelOf(sorted, guarantee, rows);
            if (!guaranteeProven(candidate))
                return; // never kept: a wheel is only ever shown proven
            mine = std::move(candidate);
            std::lock_guard lock(bestLock);
            if (mine.rows.size() < bestRows) {
                bestRows = mine.rows.size();
                if (onSmaller)
                    onSmaller(bestRows);
            }
        });
        byFlag[static_cast<std::size_t>(k)] = search.stoppedByFlag();
    };
    std::vector<std::thread> threads;
    for (int k = 1; k < searches; ++k)
        threads.emplace_back(runSearch, k);
    runSearch(0);
    for (std::thread& thread : threads)
        thread.join();

    const Wheel* best = nullptr;
    for (const Wheel& wheel : found)
        if (!wheel.rows.empty() && (!best || wheel.rows.size() < best->rows.size()))
            best = &wheel;
    result.wheel = best ? *best : fullWheel(sorted, guarantee);
    result.stopped = std::any_of(byFlag.begin(), byFlag.end(), [](bool b) { return b; });
    result.complete = result.wheel.rows.size() <= result.lowerBound;
    result.seconds = std::chrono::duration<double>(SteadyClock::now() - started).count();
    return result;
}

std::vector<int> wheelPowerballs(std::size_t rows, const std::vector<int>& chosen) {
    std::vector<int> powerballs;
    powerballs.reserve(rows);
    for (std::size_t i = 0; i < rows; ++i)
        powerballs.push_back(chosen.empty() ? 0 : chosen[i % chosen.size()]);
    return powerballs;
}

} // namespace powerball
