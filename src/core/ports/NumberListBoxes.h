#pragma once

#include <array>
#include <string>
#include <utility>

namespace powerball {

// The 69 numbered boxes of the list dialog "Welche Zahlen für die Berechnung": a tick, the
// yellow mark and the weight text of each number 1..69 (index n - 1 for number n).
struct NumberListBoxes {
    static constexpr int kHighest = 69;

    std::array<bool, kHighest> ticked{};
    std::array<bool, kHighest> marked{};
    std::array<std::string, kHighest> weights;

    // A number outside 1..69 throws std::out_of_range instead of reaching another box.
    bool isTicked(int number) const { return ticked.at(index(number)); }
    void setTicked(int number, bool on) { ticked.at(index(number)) = on; }
    bool isMarked(int number) const { return marked.at(index(number)); }
    void setMarked(int number, bool on) { marked.at(index(number)) = on; }
    const std::string& weight(int number) const { return weights.at(index(number)); }
    void setWeight(int number, std::string text) { weights.at(index(number)) = std::move(text); }

    static std::size_t index(int number) { return static_cast<std::size_t>(number - 1); }

    bool operator==(const NumberListBoxes&) const = default;
};

// How the list dialog was left when the generator showed its pool in it.
enum class PoolListAnswer {
    Keep,    // OK: go on with the pool as built
    Rebuild, // "&Rechnen": go on with a pool rebuilt from the boxes
    Abort,   // Abort or closed: end the run
};

} // namespace powerball
