#pragma once

#include "app/AppState.h"
#include "rules/generator/PowerballChoice.h"

namespace powerball {

// Runs the outstanding and then the frequency statistic of the Powerballs into the chart
// and reads their bars back, as the generator does once at the start of its rows.
PowerballChoice powerballChoiceFromStatistics(AppState& state);

} // namespace powerball
