#include "app/draws/DrawMaintenance.h"

#include "app/evaluation/TipCheck.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>

namespace powerball {

DrawMaintenance::Opened DrawMaintenance::openEntry(const AppState& state) {
    DrawRecord opened;
    opened.date = DrawCalendar::kMinimumDate;
    const DrawHistory history = state.drawHistory();
    if (history.exists()) {
        for (const DrawRecord& record : history.readAll()) {
            opened = record;
            if (record.date == state.selectedDate)
                break;
        }
    }
    return {opened, drawEntryFromRecord(opened)};
}

DrawRecord DrawMaintenance::recordFromEntry(const DrawRecord& opened, const DrawEntry& entry) {
    if (const auto problem = drawEntryProblem(entry))
        throw std::out_of_range("the entered draw cannot be stored: " + *problem);
    std::array<int, 5> white = entry.white;
    std::sort(white.begin(), white.end());
    DrawRecord record = opened;
    record.date = entry.date;
    record.setNumbers(white, entry.powerball, entry.powerPlay);
    return record;
}

std::optional<DrawRecord> DrawMaintenance::enterDraw(AppState& state, const Ports& ports) {
    if (state.updateRunning())
        return std::nullopt;
    const Opened opened = openEntry(state);
    state.scanFromDate = opened.record.date;

    std::optional<DrawRecord> stored;
    if (const auto accepted = ports.userPrompts().askDrawNumbers(opened.entry)) {
        stored = recordFromEntry(opened.record, *accepted);
        state.drawHistory().insertOrReplace(*stored); // creates a missing file
    }
    state.setSelectedDate(opened.record.date);
    evaluateSelectedDate(state, ports);
    return stored;
}

bool DrawMaintenance::deleteShownDraw(AppState& state, const Ports& ports) {
    if (state.updateRunning())
        return false;
    state.drawHistory().removeDate(state.currentDraw.date);
    evaluateSelectedDate(state, ports);
    return true;
}

std::string DrawMaintenance::importSummary(const MessageTable& messages, const ImportPlan& plan) {
    return std::to_string(plan.added.size()) + messages.text(Msg::ImportNew) +
           std::to_string(plan.changed.size()) + messages.text(Msg::ImportChanged) +
           std::to_string(plan.unchanged) + messages.text(Msg::ImportUnchanged);
}

namespace {

// The message of each kind of skipped line, in the order of `SkipKind`.
constexpr int kSkipMessages[] = {
    Msg::SkipOwnFields,      Msg::SkipPublicFields, Msg::SkipIsoDate,    Msg::SkipUsDate,
    Msg::SkipNumber,         Msg::SkipSixNumbers,   Msg::SkipMultiplier, Msg::SkipInvalidDraw,
    Msg::SkipUnfinishedLine, Msg::SkipNoDrawDay,    Msg::SkipAfterToday, Msg::SkipDateTwice};
static_assert(std::size(kSkipMessages) == static_cast<std::size_t>(SkipKind::DateTwice) + 1);

} // namespace

// The skipped lines below the summary, each with its reason in the user's language; a long
// list is cut, the count stays.
std::string DrawMaintenance::skippedText(const MessageTable& messages,
                                         const std::vector<SkippedLine>& skipped) {
    constexpr std::size_t kListed = 10;
    std::string text = messages.text(Msg::ImportSkipped) + " " + std::to_string(skipped.size());
    for (std::size_t k = 0; k < skipped.size() && k < kListed; ++k)
        text += "\n" + messages.text(Msg::ImportLine) + std::to_string(skipped[k].line) + ": " +
                fillPlaceholders(
                    messages.text(kSkipMessages[static_cast<std::size_t>(skipped[k].kind)]),
                    {skipped[k].excerpt});
    if (skipped.size() > kListed)
        text += "\n…";
    return text;
}

DrawMaintenance::ImportOutcome DrawMaintenance::importDrawFile(AppState& state,
                                                               const Ports& ports) {
    ImportOutcome outcome;
    if (state.updateRunning())
        return outcome;
    const MessageTable& m = state.messages;
    UserPrompts& prompts = ports.userPrompts();
    FileQuestion question;
    question.caption = m.text(Msg::ImportCaption);
    question.filter = m.text(Msg::ImportFilter);
    question.defaultExtension = "csv";
    const auto file = prompts.askOpenFile(question);
    if (!file)
        return outcome;

    const DrawHistory history = state.drawHistory();
    const DrawCsvContent content = readAnyDrawCsv(*file, ports.systemClock().today());
    outcome.chosen = true;
    outcome.skipped = content.skipped;
    outcome.plan =
        planImport(history.exists() ? history.readAll() : std::vector<DrawRecord>{}, content.draws);

    std::string text = importSummary(m, outcome.plan);
    if (!content.skipped.empty())
        text += "\n\n" + skippedText(m, content.skipped);
    if (outcome.plan.changesNothing()) {
        // The reasons quote the file, so the box shows them as they stand.
        prompts.showPlainText(text + "\n\n" + m.text(Msg::ImportNothing));
        return outcome;
    }
    if (!outcome.plan.changed.empty())
        text += "\n\n" + m.text(Msg::ImportReplaces);
    if (!prompts.askYesNo(m.text(Msg::ImportCaption), text + "\n\n" + m.text(Msg::ImportAsk)))
        return outcome;

    std::vector<DrawRecord> draws = outcome.plan.added;
    draws.insert(draws.end(), outcome.plan.changed.begin(), outcome.plan.changed.end());
    importDraws(history, std::move(draws));
    outcome.stored = true;
    evaluateSelectedDate(state, ports);
    return outcome;
}

} // namespace powerball
