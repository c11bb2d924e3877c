#pragma once

#include <cstdint>

namespace powerball {

// The program's one random generator: a 32-bit linear congruential generator. Every draw
// first steps the seed (seed × 134775813 + 1, modulo 2^32); a draw below n is the upper 32
// bits of seed × n. The same seed followed by the same actions gives the same tips.
class RandomSource {
public:
    void setSeed(std::uint32_t seed) { m_seed = seed; }
    std::uint32_t seed() const { return m_seed; }

    // A number from 0 to n - 1; n must be above 0.
    int below(int n) {
        m_seed = m_seed * 134775813u + 1u;
        return static_cast<int>(
            (static_cast<std::uint64_t>(m_seed) * static_cast<std::uint64_t>(n)) >> 32);
    }

private:
    std::uint32_t m_seed = 0;
};

} // namespace powerball
