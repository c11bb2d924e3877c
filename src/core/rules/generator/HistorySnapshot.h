#pragma once

#include "base/FileStamp.h"
#include "draws/DrawRecord.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <utility>
#include <vector>

namespace powerball {

// The draw file as the generator's history tests read it, thousands of times per run: each
// draw's white numbers and Powerball as bytes, to be looked up in a table of the candidate's
// numbers. It is read again whenever this program has written a draw file since the last
// look, or the file's size or modification time changed (a write from outside), so every
// test sees the file as it stands.
class HistorySnapshot {
public:
    struct Draw {
        double date = 0.0;
        std::array<std::uint8_t, 5> white{}; // as stored, duplicates and all
        std::uint8_t powerball = 0;
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
    std::uint64_t m_writeCount = 0;
    FileStamp m_stamp;
};

} // namespace powerball
