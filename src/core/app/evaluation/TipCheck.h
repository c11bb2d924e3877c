#pragma once

#include "app/AppState.h"
#include "ports/Ports.h"
#include "rules/evaluation/TipMatch.h"

namespace powerball {

// The sheet check: sorts each row, shows its cross sum, compares it with the current draw
// and shows hits, colours and the sound. Does nothing but clear the histogram while the
// check is switched off.
void checkSheet(AppState& state, SoundPlayer& sound);

// The sheet's winnings note in the status bar said again in the language of the window's
// messages, from the prizes of the last check.
void renewPrizeNote(SheetState& sheet, WindowView& window);

// Locates the draw of the selected date, makes it the current draw, shows it and checks
// the sheet against it. A missing draw file is reported and created empty.
void evaluateSelectedDate(AppState& state, const Ports& ports);

inline constexpr const char* kNoDrawFileMessage = "Lesen Sie zuerst die Daten der Ziehungen ein";

} // namespace powerball
