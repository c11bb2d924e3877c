#pragma once

#include "app/AppState.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace powerball::testing {

// A program folder with a small draw file and the window state the statistics read.
class StatisticTest : public ::testing::Test {
protected:
    void SetUp() override { state.programFolder = folder.path(); }

    void useDraws(const std::vector<DrawRecord>& records) { writeDrawFile(folder, records); }

    // StartDate and SelectedDate, as the two pickers hold them.
    void setWindow(const std::string& start, const std::string& selected) {
        state.startDate = day(start);
        state.selectedDate = day(selected);
    }

    std::vector<int> barValues() const {
        std::vector<int> values;
        for (const ChartBar& bar : state.chart.bars())
            values.push_back(bar.value);
        return values;
    }

    // The value of the bar for number x; fails the test when there is none.
    int valueAt(int x) const {
        for (const ChartBar& bar : state.chart.bars())
            if (bar.x == x)
                return bar.value;
        ADD_FAILURE() << "no bar for " << x;
        return -1;
    }

    TempFolder folder;
    AppState state;
};

} // namespace powerball::testing
