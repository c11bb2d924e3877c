#pragma once

#include "JsonOutput.h"

#include "app/AppState.h"

#include <cstddef>
#include <iosfwd>
#include <string>
#include <vector>

namespace powerball::cli {

// The result of a sheet check as the verbs that check print it, in the language in use: the
// shown draw and the filled rows with their hits (all 12 and the sounds played, even none,
// with --verbose), or the same as JSON.
void printCheck(const AppState& state, std::size_t soundsPlayed, bool verbose, std::ostream& out);
Json checkJson(const AppState& state, std::size_t soundsPlayed);

// The selected date (in the shown format), the shown draw and its cross sum.
void printShownDraw(const AppState& state, std::ostream& out);

// Which rows and marks the text output shows: the filled rows, or all with --verbose; the
// hit marks and tiers of a check; the rows kept by a lock.
struct RowsShown {
    bool verbose = false;
    bool colors = false;
    bool locks = false;
};
void printRows(const AppState& state, const RowsShown& shown, std::ostream& out);

// A stored draw as a line of text: its date in the shown format, the five white numbers,
// the Powerball and the Power Play.
std::string drawLine(const TextFormat& format, const DrawRecord& record);

// A message of the table in use with its placeholders filled.
std::string said(const AppState& state, int entry, const std::vector<std::string>& arguments);

// The refusals of the verbs' own checks, in the language in use: a date before the pickers'
// minimum (named by the option that gave it), and more --row than the sheet has rows.
std::string beforeEarliestDate(const AppState& state, const std::string& option);
std::string tooManyRows(const AppState& state);

// A failure in the language in use; from the built-in table when the language's message
// file is too short to hold it, so that a failure never goes unsaid.
std::string failure(const AppState& state, int entry, const std::vector<std::string>& arguments);

} // namespace powerball::cli
