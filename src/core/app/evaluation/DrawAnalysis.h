#pragma once

#include "app/AppState.h"
#include "ports/Ports.h"

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace powerball {

// What the draw analysis did, for the command line and the tests.
struct DrawAnalysisResult {
    struct Hit {
        double earlierDate = 0.0; // the earlier draw that repeated the numbers
        double drawDate = 0.0;    // the draw in row 1
        int hits = 0;
    };
    bool ran = false;         // both questions were answered and the passes began
    bool endedByUser = false; // a question was answered with No: no report
    int threshold = 0;
    int passes = 0;
    // Row 1 against the earlier draws and against the following draw, by white hits 0..6.
    std::array<long long, 7> earlier{};
    std::array<long long, 7> next{};
    long long earlierComparisons = 0;
    std::array<double, 6> expectedEarlier{};
    std::array<double, 6> expectedNext{};
    std::vector<Hit> hits; // every comparison that raised a question
    std::vector<std::string> report;
    std::filesystem::path reportFile;
};

// "Historische Analyse beginnend mit …": from the draw of the selected date on, puts each
// draw into row 1, compares it with every earlier draw of the window and with the draw that
// follows it, and counts the hits, beside what random draws would give. A hit of at least
// the chosen threshold asks whether to go on; No ends it without a report.
DrawAnalysisResult analyseDraws(AppState& state, const Ports& ports);

} // namespace powerball
