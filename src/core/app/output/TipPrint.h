#pragma once

#include "app/AppState.h"
#include "ports/Ports.h"
#include "rules/output/TipListing.h"

#include <filesystem>
#include <string>
#include <vector>

namespace powerball {

// The listing of the sheet as "Tipp ausdrucken" prints it, titled with the draw after the
// shown draw. A counting row that is not all whole numbers raises a TipListingError.
std::string tipListing(const AppState& state);

// The listing as a printed page: its title line and the counting rows as numbers.
struct TipPage {
    std::string title;
    std::vector<TipListing::Row> rows;
};
TipPage tipPage(const AppState& state);

// Writes the listing to `file` (atomically) without showing it.
void writeTipListing(const AppState& state, const std::filesystem::path& file);

// "Tipp ausdrucken": writes "Tipp.txt" in the program folder and has the desktop show it.
// When a row cannot be printed nothing is written and nothing shown. Returns the file.
std::filesystem::path printTips(AppState& state, const Ports& ports);

} // namespace powerball
