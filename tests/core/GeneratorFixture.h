#pragma once

#include "app/AppState.h"
#include "ports/Ports.h"

#include "CallbackPump.h"
#include "ScriptedPrompts.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace powerball::testing {

// A program folder with a draw file, the window state and ports with scripted answers.
class GeneratorTest : public ::testing::Test {
protected:
    GeneratorTest() : clock(DrawCalendar::kDesignedStartDate + 4000, 777) {
        state.programFolder = folder.path();
        ports.prompts = &prompts;
        ports.clock = &clock;
        ports.events = &pump;
    }

    // Draws on consecutive days from `first`, one per set of white numbers.
    void useDraws(double first, const std::vector<std::array<int, 5>>& whites,
                  const std::vector<int>& powerballs = {}) {
        std::vector<DrawRecord> records;
        for (std::size_t i = 0; i < whites.size(); ++i) {
            DrawRecord record;
            record.date = first + static_cast<double>(i);
            record.setNumbers(whites[i], i < powerballs.size() ? powerballs[i] : 1, 2);
            records.push_back(record);
        }
        writeDrawFile(folder, records);
    }

    TempFolder folder;
    AppState state;
    ScriptedPrompts prompts;
    FixedClock clock;
    CallbackPump pump;
    Ports ports;
};

} // namespace powerball::testing
