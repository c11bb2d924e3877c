#pragma once

#include "draws/DrawHistory.h"

#include <filesystem>
#include <functional>
#include <istream>
#include <optional>
#include <string>
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

// The two forms of a file of draws, told apart by the header: the program's own form above,
// and the public results as the lottery publishes them,
//   Draw Date,Winning Numbers,Multiplier
//   09/26/2020,11 21 27 36 62 24,3
// with the Powerball last of the six numbers and the multiplier possibly empty (stored 0).
enum class DrawCsvForm { Own, PublicResults };

// Why a line was skipped. The window words it in the user's language from the kind and the
// quoted part of the line; `reason` is the English text with the detail, for the CLI.
enum class SkipKind {
    OwnFields,      // not a date and seven numbers
    PublicFields,   // not a date, six numbers and a multiplier
    IsoDate,        // not yyyy-mm-dd
    UsDate,         // not mm/dd/yyyy
    Number,         // a number field that is no number from 0 to 255
    SixNumbers,     // the winning numbers are not six numbers
    Multiplier,     // the multiplier is no number from 0 to 255
    InvalidDraw,    // the numbers break the draw rule
    UnfinishedLine, // the last line, without its line end, of a file written while it was read
    NoDrawDay,      // the date is no draw day of its time
    AfterToday,     // the date lies after today
    DateTwice,      // the results feed gives one date twice with different numbers
};

struct SkippedLine {
    int line = 0;
    std::string reason;
    SkipKind kind = SkipKind::OwnFields;
    std::string excerpt; // quoted, as the reason quotes it
    bool operator==(const SkippedLine&) const = default;
};

// A file of either form, read leniently: a malformed line is listed and skipped, the other
// lines are kept, since a downloaded file may well have a stray line. Only a file that is
// no text of lines at all (a line of over 1000 characters) fails whole. Given `today`, a
// draw dated after it is skipped too.
struct DrawCsvContent {
    DrawCsvForm form = DrawCsvForm::Own;
    std::vector<DrawRecord> draws;
    std::vector<int> drawLines; // the line number of each draw
    std::vector<SkippedLine> skipped;
};
// A stream is taken as whole.
DrawCsvContent readAnyDrawCsv(std::istream& input, const std::string& sourceName,
                              std::optional<DayNumber> today = std::nullopt);
// A stream read from a file: a last line without its line end is taken only when
// `unchangedWhileRead` (asked only then) says that nobody wrote to the file while it was
// read; otherwise it may be half written (a download or an export still at work) and is
// skipped as UnfinishedLine.
DrawCsvContent readAnyDrawCsv(std::istream& input, const std::string& sourceName,
                              const std::function<bool()>& unchangedWhileRead,
                              std::optional<DayNumber> today = std::nullopt);
// The file is read once; it counts as unchanged when its size stayed what it was at the
// opening and every byte of it was read.
DrawCsvContent readAnyDrawCsv(const std::filesystem::path& file,
                              std::optional<DayNumber> today = std::nullopt);

// What storing the draws would do to the stored ones, one entry per date (of several draws
// of one date in the list, the later wins): draws of dates not stored yet, draws that differ
// from the stored draw of their date, and how many equal it (the white numbers in any
// order). Only the added and changed draws need writing.
struct ImportPlan {
    std::vector<DrawRecord> added;
    std::vector<DrawRecord> changed;
    int unchanged = 0;

    bool changesNothing() const { return added.empty() && changed.empty(); }
};
ImportPlan planImport(const std::vector<DrawRecord>& stored, const std::vector<DrawRecord>& draws);

// Stores the draws in one rewrite; a draw replaces every stored draw of its date. Each new
// record carries the digit groups of the record it replaces, else of the file's last record.
void importDraws(const DrawHistory& history, std::vector<DrawRecord> draws);

// Stores only the draws of dates the file does not hold yet, in one rewrite under the lock;
// every stored draw stays as it is, the ones the user entered or changed included. New
// records carry the digit groups of the file's last record. Returns how many were added.
std::size_t addMissingDraws(const DrawHistory& history, std::vector<DrawRecord> draws);

} // namespace powerball
