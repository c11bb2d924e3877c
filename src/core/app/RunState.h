#pragma once

#include "base/RandomSource.h"
#include "ports/NumberListBoxes.h"
#include "rules/generator/GeneratorState.h"

namespace powerball {

// The tip generator's run, the program's one random source and the list dialog's boxes.
struct RunState {
    RandomSource random;
    GeneratorState generator;
    bool generatorRunning = false;
    // The settings analysis, which runs the generator once per week of history: the
    // calculate button and Esc stop it after the current step.
    RunPhase analysis = RunPhase::Idle;
    // The draw analysis works through the history: the window shows the wait cursor.
    bool analysisBusy = false;
    // The list dialog lives as long as the program: its ticks and weights stay between
    // uses, and each caller sets up only what it needs.
    NumberListBoxes numberList;
};

} // namespace powerball
