#pragma once

#include <array>
#include <span>

namespace powerball {

// What pure chance gives, to set a result beside: random tips (five of 1..69 and a Powerball
// of 1..26) against the real draws, or random draws against a fixed row.
namespace ChanceBaseline {

// The chance that five random white numbers of 1..69 hit exactly `hits` of five drawn ones:
// C(5,k)·C(64,5−k)/C(69,5), whatever the draw.
double whiteHitChance(int hits);

// The chance that a random Powerball of 1..26 hits the drawn one; none for a Powerball above
// 26, which older drums had.
double powerballHitChance(int drawnPowerball);

// Rows expected in each cell of a sum table (hits 0..5, without and with the Powerball) when
// `rowsPerDraw` random tips are checked against each of the drawn Powerballs' draws.
using ExpectedTable = std::array<std::array<double, 2>, 6>;
ExpectedTable expectedRows(std::span<const int> drawnPowerballs, int rowsPerDraw);

// The chance that a Poisson count with mean `mean` reaches at least `count`.
double poissonAtLeast(int count, double mean);

} // namespace ChanceBaseline

} // namespace powerball
