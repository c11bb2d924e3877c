#pragma once

#include "app/AppState.h"
#include "ports/Ports.h"
#include "rules/generator/TipCandidate.h"

#include <string>

namespace powerball {

// The tip generator behind "Tipps berechnen" and "&Berechnen". Pressed while idle it runs:
// it fills the first `rowCount` unlocked rows with tips drawn from the pool, keeps the
// locked rows and empties the others, and checks the sheet at its end. Pressed while a run
// goes on (its caption reads "Stoppen"), it is the stop request: the caption comes back at
// once, and the running loop ends after the current candidate. Stop requests arrive
// through the event pump, which the run calls once per candidate. A press after the stop,
// while the stopped run still winds down, is ignored.
// While an analysis runs the button stops the analysis and its current run instead.
void pressCalculate(AppState& state, const Ports& ports);

// One whole run as the analyses start it, whatever an analysis in progress says; nothing
// happens while a run is going on.
void runTipGenerator(AppState& state, const Ports& ports);

// The caption of "Tipps berechnen" as the window shows it now.
const std::string& calculateCaption(const AppState& state);

// The progress line of a candidate in status panel 1, e.g.
// "1.Tipp:  3 17  22  45  61  CS: 148" (`row` counted from 1).
std::string candidateStatus(const MessageTable& messages, int row, const TipCandidate& candidate);

} // namespace powerball
