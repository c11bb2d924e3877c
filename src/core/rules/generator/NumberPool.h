#pragma once

#include "base/RandomSource.h"

#include <cstdint>
#include <vector>

namespace powerball {

// The weighted list of white numbers that a run draws its rows from: a number's weight is
// its count of entries. It grows as needed, so no append is ever dropped.
class NumberPool {
public:
    static constexpr int kHighest = 69;

    void clear() { m_entries.clear(); }
    void append(int number, int times = 1);
    // Every entry equal to the number.
    void removeAll(int number);
    // Every entry below the bound.
    void removeBelow(int bound);
    // The entry of the number nearest the start, if it has one.
    void removeFirst(int number);

    int count(int number) const;
    int size() const { return static_cast<int>(m_entries.size()); }
    bool empty() const { return m_entries.empty(); }
    // How many different numbers the pool holds.
    int distinctCount() const;
    // One entry, chosen uniformly: a draw below the length. The pool must not be empty.
    int pick(RandomSource& random) const {
        return m_entries[static_cast<std::size_t>(random.below(size()))];
    }

    const std::vector<std::uint8_t>& entries() const { return m_entries; }

private:
    std::vector<std::uint8_t> m_entries;
};

} // namespace powerball
