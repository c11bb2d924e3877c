#pragma once

#include "app/AppState.h"
#include "ports/Ports.h"

#include <filesystem>
#include <optional>
#include <stdexcept>

namespace powerball {

// A tip file that yields no row, or that is no text: the sheet stays as it was and the
// message, in the user's language, says why.
class TipFileRefused : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Writes the sheet's tip file in place of `file`: the old file stays whole when the write
// fails, and the FileSaveError names the file and the reason.
void writeTipFile(const TipSheet& sheet, const std::filesystem::path& file);

// "Speichern des Tipps": asks for the file in the program folder with the proposed name of
// the next draw and writes it. Returns the file written, nothing when the dialog was
// cancelled.
std::optional<std::filesystem::path> saveTips(AppState& state, const Ports& ports);

// Saves to `file` without a dialog, as the command line does.
void saveTipsTo(const AppState& state, const std::filesystem::path& file);

// "Tipp laden aus Datei": asks for a tip file, clears the unlocked rows and fills all 12
// rows from it, then checks the sheet against the draw of the selected date; the check runs
// also when the dialog was cancelled. A file that cannot be read, that is no regular file or
// no text, or that yields no row at all changes nothing and raises an error that says why
// (TipFileRefused, FileReadError). Lines after the 12th, or bytes past the read limit, are
// reported through the prompts. Returns the file loaded.
std::optional<std::filesystem::path> loadTips(AppState& state, const Ports& ports);

// Loads `file` into the sheet and checks it, as the command line does.
void loadTipsFrom(AppState& state, const Ports& ports, const std::filesystem::path& file);

} // namespace powerball
