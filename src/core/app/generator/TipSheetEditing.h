#pragma once

#include "app/AppState.h"
#include "ports/Ports.h"

namespace powerball {

// The hand work on the tip sheet around the generator.

// The edit button of a row (`rowIndex` 0..11): the list dialog opens with the row's
// numbers ticked and marked; after OK the ticked numbers go into the row in ascending
// order, and an empty field right after the last one written gets a random number 1..26.
void editTipRow(AppState& state, const Ports& ports, int rowIndex);

// The lucky number: an input box proposes a random number below 99999. A decimal 32-bit
// integer becomes the seed of the random source and is named in status panel 1; anything
// else seeds the random source from the clock, without a message.
void setLuckyNumber(AppState& state, const Ports& ports);

} // namespace powerball
