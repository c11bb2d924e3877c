#pragma once

#include "app/AppState.h"
#include "ports/NumberListBoxes.h"
#include "ports/Ports.h"
#include "rules/wheel/WheelSearch.h"
#include "rules/wheel/WheelTickets.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace powerball {

// What the player typed for the numbers or the Powerballs of a wheel, read: the numbers in
// ascending order, or why they make none, in the user's language.
struct WheelInput {
    std::vector<int> numbers;
    std::string problem; // empty when the numbers can be used
};

// 6 to 40 distinct white numbers; anything that is no digit separates them.
WheelInput readWheelNumbers(const MessageTable& messages, std::string_view text);
// No, one or several distinct Powerballs 1..26, separated as above.
WheelInput readWheelPowerballs(const MessageTable& messages, std::string_view text);

// The ticked numbers of the number list, ascending: where a wheel's numbers start from.
std::vector<int> tickedNumbers(const NumberListBoxes& boxes);
// "3, 7, 12": numbers as the dialog shows them and reads them back.
std::string numbersText(const std::vector<int>& numbers);

// A wheel that a search found, with the Powerball of each row.
struct WheelPlay {
    WheelSearchResult result;
    std::vector<int> powerballs; // one per row; 0 leaves the field empty

    const Wheel& wheel() const { return result.wheel; }
    std::size_t rows() const { return result.wheel.rows.size(); }
};
WheelPlay makeWheelPlay(WheelSearchResult result, const std::vector<int>& chosenPowerballs);

// "In den Tippschein" and "Nächste 12": the unlocked rows of the sheet take the wheel's rows
// from `first` on, in order; the locked rows stay, and unlocked rows left over are emptied.
// The sheet is checked against the selected draw afterwards and the status bar says which
// rows stand on it. Returns where the next page starts (the number of rows when all are placed).
std::size_t placeWheelRows(AppState& state, const Ports& ports, const WheelPlay& play,
                           std::size_t first);

// Writes the whole wheel as tip files of 12 rows into `folder`, named after the draw a tip
// made on `today` plays for and a running number ("yyyymmdd-k.vlt"). An existing file is never
// replaced: the running number goes on past it. Each file is saved atomically; when one
// fails, the files written before it are removed again and the FileSaveError stands, so a
// failure leaves the folder as it was. Returns the files in the wheel's order.
std::vector<std::filesystem::path> writeWheelTipFiles(const std::filesystem::path& folder,
                                                      const WheelPlay& play, double today);

// "Als Tippdateien speichern": the tip files into the program folder; the status bar names
// them.
std::vector<std::filesystem::path> saveWheelTipFiles(AppState& state, const Ports& ports,
                                                     const WheelPlay& play);

// Every row against the draw the window shows (`currentDraw`); nothing while none is shown.
std::optional<WheelCheck> checkWheelAgainstDraw(const CurrentDraw& draw, const WheelPlay& play);

// The listing of every row for the print preview, titled with the draw after the shown one.
std::string wheelListing(const AppState& state, const WheelPlay& play);

} // namespace powerball
