#include "draws/DrawRecord.h"

#include <bit>
#include <cstring>

namespace powerball {

int DrawNumbers::crossSum() const {
    int sum = 0;
    for (int k = 0; k < 6; ++k)
        sum += slots[static_cast<std::size_t>(k)];
    return sum;
}

DrawNumbers DrawRecord::drawNumbers() const {
    DrawNumbers result;
    for (std::size_t k = 0; k < 8; ++k)
        result.slots[k] = numbers[k];
    return result;
}

void DrawRecord::setNumbers(const std::array<int, 5>& white, int powerball, int powerPlay) {
    for (std::size_t k = 0; k < 5; ++k)
        numbers[k] = static_cast<std::uint8_t>(white[k]);
    numbers[5] = 0;
    numbers[6] = static_cast<std::uint8_t>(powerball);
    numbers[7] = static_cast<std::uint8_t>(powerPlay);
}

DrawRecord::Bytes DrawRecord::encode() const {
    Bytes bytes{};
    const auto bits = std::bit_cast<std::uint64_t>(date);
    for (std::size_t k = 0; k < 8; ++k)
        bytes[k] = static_cast<std::uint8_t>(bits >> (8 * k));
    std::memcpy(bytes.data() + 8, numbers.data(), numbers.size());
    std::memcpy(bytes.data() + 16, tail.data(), tail.size());
    return bytes;
}

DrawRecord DrawRecord::decode(const std::uint8_t* bytes) {
    DrawRecord record;
    std::uint64_t bits = 0;
    for (std::size_t k = 0; k < 8; ++k)
        bits |= static_cast<std::uint64_t>(bytes[k]) << (8 * k);
    record.date = std::bit_cast<double>(bits);
    std::memcpy(record.numbers.data(), bytes + 8, record.numbers.size());
    std::memcpy(record.tail.data(), bytes + 16, record.tail.size());
    return record;
}

} // namespace powerball
