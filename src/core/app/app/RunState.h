#pragma once

#include "base/RandomSource.h"
#include "generator/GeneratorState.h"
#include "platform/NumberListBoxes.h"

namespace powerball {

// The tip generator's run, the program's one random source and the list dialog's boxes.
struct RunState {
    RandomSource random;
    GeneratorState generator;
    bool generatorRunning = false;
    // The list dialog lives as long as the program: its ticks and weights stay between
    // uses, and each caller sets up only what it needs.
    NumberListBoxes numberList;
};

} // namespace powerball
