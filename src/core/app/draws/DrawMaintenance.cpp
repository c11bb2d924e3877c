#include "app/draws/DrawMaintenance.h"

#include "app/evaluation/TipCheck.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>

namespace powerball {

namespace {

// The stored records of one day, for a change that may be taken back.
std::vector<DrawRecord> recordsOf(const DrawHistory& history, double date) {
    std::vector<DrawRecord> records;
    if (history.exists())
        for (const DrawRecord& record : history.readAll())
            if (record.date == date)
                records.push_back(record);
    return records;
}

// A message with the draw's date, "Ziehung vom 17.08.2026 gelöscht …".
std::string dated(const AppState& state, int entry, double date) {
    return fillPlaceholders(state.messages.text(entry),
                            {state.textFormat().date(DrawCalendar::roundToDay(date))});
}

} // namespace

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
        const DrawHistory history = state.drawHistory();
        DrawChange change{DrawChange::Kind::Enter, stored->date, recordsOf(history, stored->date),
                          stored};
        history.insertOrReplace(*stored); // creates a missing file
        state.drawChanges.push_back(std::move(change));
        state.status[1] = dated(state, Msg::DrawEntered, stored->date);
    }
    state.setSelectedDate(opened.record.date);
    evaluateSelectedDate(state, ports);
    return stored;
}

bool DrawMaintenance::deleteShownDraw(AppState& state, const Ports& ports) {
    if (state.updateRunning())
        return false;
    // The panel's draw, not the current one: a scan may have moved that without showing it.
    const double date = state.panelDrawDate;
    const DrawHistory history = state.drawHistory();
    DrawChange change{DrawChange::Kind::Delete, date, recordsOf(history, date), std::nullopt};
    history.removeDate(date);
    if (!change.before.empty()) {
        state.drawChanges.push_back(std::move(change));
        state.status[1] = dated(state, Msg::DrawDeleted, date);
    }
    evaluateSelectedDate(state, ports);
    return true;
}

bool DrawMaintenance::undoLastChange(AppState& state, const Ports& ports) {
    if (state.updateRunning() || state.drawChanges.empty())
        return false;
    const DrawChange change = std::move(state.drawChanges.back());
    state.drawChanges.pop_back();
    const DrawHistory history = state.drawHistory();
    if (change.kind == DrawChange::Kind::Delete) {
        history.insertOrReplaceAll(change.before);
        state.setSelectedDate(change.date);
        state.status[1] = dated(state, Msg::DeleteUndone, change.date);
    } else {
        // Only the entry itself is taken back, not what came over it since.
        if (recordsOf(history, change.date) != std::vector<DrawRecord>{*change.after})
            return false;
        if (change.before.empty())
            history.removeDate(change.date);
        else
            history.insertOrReplaceAll(change.before);
        state.status[1] = dated(state, Msg::EnterUndone, change.date);
    }
    evaluateSelectedDate(state, ports);
    return true;
}

std::string DrawMaintenance::undoText(const AppState& state) {
    if (state.drawChanges.empty())
        return state.messages.text(Msg::UndoCaption);
    const DrawChange& last = state.drawChanges.back();
    return dated(state, last.kind == DrawChange::Kind::Delete ? Msg::UndoDelete : Msg::UndoEnter,
                 last.date);
}

void DrawMaintenance::showNewestDraw(AppState& state, const Ports& ports) {
    const DrawHistory history = state.drawHistory();
    if (history.exists())
        if (const std::vector<DrawRecord> records = history.readAll();
            !records.empty() && records.back().date > state.selectedDate)
            state.setSelectedDate(records.back().date);
    evaluateSelectedDate(state, ports);
}

std::string DrawMaintenance::importSummary(const MessageTable& messages, const TextFormat& format,
                                           const ImportPlan& plan) {
    const auto count = [&](std::size_t n) { return format.count(static_cast<long long>(n)); };
    return count(plan.added.size()) + messages.text(Msg::ImportNew) + count(plan.changed.size()) +
           messages.text(Msg::ImportChanged) + count(plan.unchanged) +
           messages.text(Msg::ImportUnchanged);
}

namespace {

// The message of each kind of skipped line, in the order of `SkipKind`.
constexpr int kSkipMessages[] = {
    Msg::SkipOwnFields,      Msg::SkipPublicFields, Msg::SkipIsoDate,    Msg::SkipUsDate,
    Msg::SkipNumber,         Msg::SkipSixNumbers,   Msg::SkipMultiplier, Msg::SkipInvalidDraw,
    Msg::SkipUnfinishedLine, Msg::SkipNoDrawDay,    Msg::SkipAfterToday, Msg::SkipDateTwice};
static_assert(std::size(kSkipMessages) == static_cast<std::size_t>(SkipKind::DateTwice) + 1);

} // namespace

std::string DrawMaintenance::skipReason(const MessageTable& messages, const SkippedLine& skipped) {
    return fillPlaceholders(messages.text(kSkipMessages[static_cast<std::size_t>(skipped.kind)]),
                            {skipped.excerpt});
}

// The skipped lines below the summary, each with its reason in the user's language; a long
// list is cut, the count stays.
std::string DrawMaintenance::skippedText(const MessageTable& messages,
                                         const std::vector<SkippedLine>& skipped) {
    constexpr std::size_t kListed = 10;
    std::string text = messages.text(Msg::ImportSkipped) + " " + std::to_string(skipped.size());
    for (std::size_t k = 0; k < skipped.size() && k < kListed; ++k)
        text += "\n" + messages.text(Msg::ImportLine) + std::to_string(skipped[k].line) + ": " +
                skipReason(messages, skipped[k]);
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

    std::string text = importSummary(m, state.textFormat(), outcome.plan);
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
    const std::size_t stored = draws.size();
    importDraws(history, std::move(draws));
    outcome.stored = true;
    showNewestDraw(state, ports);
    state.status[1] = fillPlaceholders(m.text(Msg::DrawsImported), {std::to_string(stored)});
    return outcome;
}

} // namespace powerball
