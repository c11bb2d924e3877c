#pragma once

#include "draws/DrawHistory.h"

#include <filesystem>
#include <istream>
#include <vector>

namespace powerball {

// Draws from a CSV file of the form
//   date,white1,white2,white3,white4,white5,powerball,power_play
//   1997-11-01,22,25,28,33,37,20,0
// The header line is optional; blank lines are skipped. A malformed line, or a draw that
// breaks the rule every stored draw keeps, fails the whole read with its line number, so
// nothing half-read is ever stored.
std::vector<DrawRecord> readDrawCsv(std::istream& input, const std::string& sourceName);
std::vector<DrawRecord> readDrawCsv(const std::filesystem::path& file);

// Stores the draws in one rewrite; a draw replaces every stored draw of its date. Each new
// record carries the digit groups of the record it replaces, else of the file's last record.
void importDraws(const DrawHistory& history, std::vector<DrawRecord> draws);

// Stores only the draws of dates the file does not hold yet, in one rewrite under the lock;
// every stored draw stays as it is, the ones the user entered or changed included. New
// records carry the digit groups of the file's last record. Returns how many were added.
std::size_t addMissingDraws(const DrawHistory& history, std::vector<DrawRecord> draws);

} // namespace powerball
