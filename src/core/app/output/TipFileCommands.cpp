#include "app/output/TipFileCommands.h"

#include "app/evaluation/TipCheck.h"
#include "base/AtomicFile.h"
#include "base/FileReading.h"
#include "rules/output/TipFile.h"

namespace powerball {

namespace {

FileQuestion tipFileQuestion(const AppState& state, std::string caption) {
    FileQuestion question;
    question.caption = std::move(caption);
    question.filter = TipFile::kFilter;
    question.defaultExtension = TipFile::kExtension;
    question.folder = state.programFolder;
    return question;
}

void fillSheet(AppState& state, const std::filesystem::path& file) {
    const std::string bytes = readFileBytes(file, TipFile::kMaxReadBytes);
    state.tips.clearUnlocked();
    TipFile::fill(state.tips, bytes);
}

} // namespace

void writeTipFile(const TipSheet& sheet, const std::filesystem::path& file) {
    saveFileAtomically(file, TipFile::text(sheet));
}

std::optional<std::filesystem::path> saveTips(AppState& state, const Ports& ports) {
    FileQuestion question = tipFileQuestion(state, "Tipp speichern");
    question.proposedName = TipFile::proposedName(state.selectedDate);
    const std::optional<std::filesystem::path> file = ports.userPrompts().askSaveFile(question);
    if (file)
        saveTipsTo(state, *file);
    return file;
}

void saveTipsTo(const AppState& state, const std::filesystem::path& file) {
    writeTipFile(state.tips, file);
}

std::optional<std::filesystem::path> loadTips(AppState& state, const Ports& ports) {
    const std::optional<std::filesystem::path> file =
        ports.userPrompts().askOpenFile(tipFileQuestion(state, "Tipp laden"));
    if (file)
        fillSheet(state, *file);
    evaluateSelectedDate(state, ports);
    return file;
}

void loadTipsFrom(AppState& state, const Ports& ports, const std::filesystem::path& file) {
    fillSheet(state, file);
    evaluateSelectedDate(state, ports);
}

} // namespace powerball
