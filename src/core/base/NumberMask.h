#pragma once

#include <bit>
#include <cstdint>

namespace powerball {

// A set of numbers 0..127 as a 128-bit mask, bit n for the number n. Runs of consecutive
// numbers come out of a few shifts and ands, counts out of a popcount.
class NumberMask {
public:
    static constexpr int kLimit = 128;

    NumberMask() = default;

    // Numbers outside 0..127 are not taken.
    void insert(int number);
    bool contains(int number) const;
    int size() const { return std::popcount(m_low) + std::popcount(m_high); }
    bool empty() const { return (m_low | m_high) == 0; }

    // Every number moved down by `count` places (0 <= count < 128); numbers below 0 drop out.
    NumberMask shiftedDown(int count) const;
    NumberMask operator&(const NumberMask& other) const {
        return NumberMask(m_low & other.m_low, m_high & other.m_high);
    }

    // The numbers n for which n, n + 1, ..., n + length - 1 are all in the set.
    NumberMask runStarts(int length) const;

    // Calls visit(n) for every number in ascending order.
    template <class Visitor> void forEach(Visitor&& visit) const {
        for (std::uint64_t bits = m_low; bits != 0; bits &= bits - 1)
            visit(std::countr_zero(bits));
        for (std::uint64_t bits = m_high; bits != 0; bits &= bits - 1)
            visit(64 + std::countr_zero(bits));
    }

    bool operator==(const NumberMask&) const = default;

private:
    NumberMask(std::uint64_t low, std::uint64_t high) : m_low(low), m_high(high) {}

    std::uint64_t m_low = 0;  // numbers 0..63
    std::uint64_t m_high = 0; // numbers 64..127
};

} // namespace powerball
