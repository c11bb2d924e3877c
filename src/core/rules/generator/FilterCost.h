#pragma once

#include "draws/DrawRecord.h"
#include "rules/generator/CalculationSettings.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace powerball {

// What the acceptance filters cost: the share of all rows they let through, and how many of
// the real draws they would have let through. A pure function of copied values, so a worker
// thread may run it while the window goes on.
struct FilterCostInput {
    CalculationSettings settings;
    double startDate = 0.0;
    double selectedDate = 0.0;
    std::vector<DrawRecord> draws; // the draw file, oldest first
};

struct FilterRejections {
    std::string_view name; // stable English name: "cross_sum", "earlier_win" ...
    int drawsRejected = 0; // draws this filter rejects on its own
};

struct FilterCost {
    static constexpr std::uint64_t kAllRows = 292'201'338; // C(69,5) * 26
    static constexpr int kSampleRows = 200'000;

    double share = 0.0; // of all rows, 0..1
    double low = 0.0;   // the 95 % interval; both equal `share` when it is exact
    double high = 0.0;
    bool exact = true;
    std::uint64_t rowsKept = 0; // exact count when `exact`
    int sampleRows = 0;         // rows the history filters judged, when not exact
    int drawsJudged = 0;
    int drawsKept = 0;
    std::vector<FilterRejections> perFilter; // the filters that are on, in chain order
};

// The share counts every row of five white numbers and a Powerball 1..26 against the
// filters as a generator run at the selected date would apply them to its first row (no
// earlier rows on the sheet). The filters that read no history are counted exactly over
// all white sets; when a history filter is on, the share of rows that pass it is taken
// from a fixed-seed sample of the rows that pass the others.
//
// Each draw after the start date is judged as a first row generated the day before it:
// the last three draws are the three before it, the history filters read only the draws
// before it.
FilterCost measureFilterCost(const FilterCostInput& input);

} // namespace powerball
