#pragma once

#include "draws/DrawRecord.h"

#include <cstdint>
#include <filesystem>
#include <utility>
#include <vector>

namespace powerball {

// The draw file as the generator's history tests read it, thousands of times per run: each
// draw's white numbers as a 128-bit mask (bit n for number n). It is read again whenever
// the file's size or modification time changed, so every test sees the file as it stands.
class HistorySnapshot {
public:
    struct Draw {
        double date = 0.0;
        std::uint64_t low = 0;  // numbers 1..63
        std::uint64_t high = 0; // numbers 64..69
        int powerball = 0;
        // A record with a white number twice counts that number twice in a comparison;
        // such a record is compared number by number.
        bool repeatsNumber = false;
        DrawNumbers numbers;
    };

    explicit HistorySnapshot(std::filesystem::path file) : m_path(std::move(file)) {}

    // Reads the file again when it changed since the last look.
    void refresh();

    const std::vector<Draw>& draws() const { return m_draws; }
    // Indexes [first, last) of the draws with from < date <= to, in file order; the whole
    // file when its dates are not in ascending order.
    std::pair<std::size_t, std::size_t> window(double from, double to) const;

private:
    std::filesystem::path m_path;
    std::vector<Draw> m_draws;
    bool m_ascending = true;
    bool m_loaded = false;
    std::uintmax_t m_size = 0;
    std::filesystem::file_time_type m_modified;
};

} // namespace powerball
