#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace powerball {

// The eight numbers of a record in memory. Slots are numbered 1..8 as the draw file has
// them: 1..5 white numbers in stored order, 6 the unused sixth number (0), 7 the Powerball,
// 8 the Power Play multiplier.
struct DrawNumbers {
    std::array<int, 8> slots{};

    int slot(int number) const { return slots[static_cast<std::size_t>(number - 1)]; }
    int white(int position) const { return slot(position); } // position 1..5
    int powerball() const { return slots[6]; }
    int powerPlay() const { return slots[7]; }
    int crossSum() const;
    bool operator==(const DrawNumbers&) const = default;
};

// One 32-byte record of the draw file, little-endian:
//   0  double  draw date as a day number
//   8  5 bytes white numbers, 13 the sixth slot (0), 14 Powerball, 15 Power Play
//   16 16 bytes two digit groups and padding that no Powerball draw uses; writers carry
//      them over from the record they last read.
struct DrawRecord {
    static constexpr std::size_t kSize = 32;
    using Bytes = std::array<std::uint8_t, kSize>;

    double date = 0.0;
    std::array<std::uint8_t, 8> numbers{};
    std::array<std::uint8_t, 16> tail{};

    DrawNumbers drawNumbers() const;
    void setNumbers(const std::array<int, 5>& white, int powerball, int powerPlay);

    Bytes encode() const;
    static DrawRecord decode(const std::uint8_t* bytes);

    bool operator==(const DrawRecord&) const = default;
};

} // namespace powerball
