#pragma once

#include "app/AppState.h"
#include "base/TextFormat.h"
#include "draws/DrawEntryRules.h"
#include "draws/DrawImport.h"
#include "ports/Ports.h"

#include <optional>
#include <string>
#include <vector>

namespace powerball {

// The two commands of the "Datenbank" page that change stored draws by hand. Both rewrite
// the draw file atomically and then locate and check the draw of the selected date again.
// While an update appends to the file they do nothing: a rewrite would replace the file
// under the update, and its further draws would be lost.
class DrawMaintenance {
public:
    // What the entry dialog opens with: the stored draw of the selected date, else the
    // newest draw, else 5 November 1997 with no numbers; `record` keeps the digit groups
    // that the new record carries over.
    struct Opened {
        DrawRecord record;
        DrawEntry entry;
    };
    static Opened openEntry(const AppState& state);

    // "Eingeben": asks for the numbers through the entry dialog, stores them (white numbers
    // sorted) in date order, replacing a stored draw of that date, and shows the draw the
    // dialog opened with again. Returns the stored record, nothing on abort or while an
    // update runs.
    static std::optional<DrawRecord> enterDraw(AppState& state, const Ports& ports);

    // The record that accepting `entry` stores: date and numbers from the dialog, the white
    // numbers in ascending order, the digit groups of the opened record.
    static DrawRecord recordFromEntry(const DrawRecord& opened, const DrawEntry& entry);

    // "Löschen": removes every record dated like the draw the panel shows, then shows the
    // draw of the selected date (the next later one, or the newest), and says in the status
    // bar what went and that Ctrl+Z brings it back. Returns false while an update runs.
    static bool deleteShownDraw(AppState& state, const Ports& ports);

    // Ctrl+Z: takes back the newest hand change that is still undone, through the same locked
    // rewrite, and shows the draw it concerns. An entry whose draw has been changed since
    // stays. Returns false when there was nothing to take back or an update runs.
    static bool undoLastChange(AppState& state, const Ports& ports);
    // What Ctrl+Z would do, "Rückgängig: Löschen der Ziehung vom 17.08.2026"; "Rückgängig"
    // when nothing is left to take back.
    static std::string undoText(const AppState& state);

    // What an import did: the plan of the chosen file, the lines it skipped, and whether
    // the draws were stored.
    struct ImportOutcome {
        bool chosen = false; // a file was chosen and read
        ImportPlan plan;
        std::vector<SkippedLine> skipped;
        bool stored = false;
    };

    // "Importieren…": asks for a file of draws (either form), shows what storing it would do
    // and the lines it skips, and stores the new and changed draws in one rewrite once the
    // user agrees; then shows the draw of the selected date again. Nothing is written when
    // the user cancels or the file changes nothing, nor while an update runs.
    static ImportOutcome importDrawFile(AppState& state, const Ports& ports);

    // Shows the newest stored draw in full and checks the sheet against it, as at start-up:
    // the views follow a file that has grown.
    static void showNewestDraw(AppState& state, const Ports& ports);

    // The summary the question shows: "3 neue Ziehungen, 1 geänderte, 40 unverändert", the
    // counts as the language writes them.
    static std::string importSummary(const MessageTable& messages, const TextFormat& format,
                                     const ImportPlan& plan);

    // Why a line was skipped, in the user's language.
    static std::string skipReason(const MessageTable& messages, const SkippedLine& skipped);

    // "Übersprungene Zeilen: 2" and the first lines with their reasons in the user's
    // language, for the import and the results feed alike.
    static std::string skippedText(const MessageTable& messages,
                                   const std::vector<SkippedLine>& skipped);
};

} // namespace powerball
