#include "app/output/TipFileCommands.h"

#include "app/evaluation/TipCheck.h"
#include "base/AtomicFile.h"
#include "base/FileReading.h"
#include "base/MessageTable.h"
#include "rules/output/TipFile.h"

namespace powerball {

namespace {

FileQuestion tipFileQuestion(const AppState& state, std::string caption) {
    FileQuestion question;
    question.caption = std::move(caption);
    question.filter = state.messages.text(Msg::TipFileFilter);
    question.defaultExtension = TipFile::kExtension;
    question.folder = state.tipFileDialogFolder();
    return question;
}

std::string quoted(const std::filesystem::path& file) {
    return "\"" + file.string() + "\"";
}

// The rows are filled on a copy, so that a file that yields nothing leaves the sheet as it
// was: an empty file, one caught in the middle of a rewrite, or one that is no text.
void fillSheet(AppState& state, const Ports& ports, const std::filesystem::path& file) {
    const MessageTable& m = state.messages;
    const std::string bytes = readFileBytes(file, TipFile::kMaxReadBytes + 1);
    const bool cut = bytes.size() > TipFile::kMaxReadBytes;
    const TipFile::DecodedText decoded =
        TipFile::decode(std::string_view(bytes).substr(0, TipFile::kMaxReadBytes));
    if (!decoded.isText)
        throw TipFileRefused(fillPlaceholders(m.text(Msg::TipFileNotText), {quoted(file)}));
    TipSheet filled = state.tips;
    filled.clearUnlocked();
    TipFile::fill(filled, decoded.text);
    if (!TipFile::holdsAnyValue(filled))
        throw TipFileRefused(fillPlaceholders(m.text(Msg::TipFileNoRow), {quoted(file)}));
    state.tips = filled;
    if (cut)
        ports.userPrompts().showMessage(fillPlaceholders(
            m.text(Msg::TipFileCut), {quoted(file), std::to_string(TipFile::kMaxReadBytes)}));
    else if (decoded.linesBeyond > 0)
        ports.userPrompts().showMessage(fillPlaceholders(
            m.text(Msg::TipFileLinesBeyond), {quoted(file), std::to_string(decoded.linesBeyond)}));
}

} // namespace

void writeTipFile(const TipSheet& sheet, const std::filesystem::path& file) {
    saveFileAtomically(file, TipFile::text(sheet));
}

std::optional<std::filesystem::path> saveTips(AppState& state, const Ports& ports) {
    FileQuestion question = tipFileQuestion(state, state.messages.text(Msg::TipSaveCaption));
    question.proposedName = TipFile::proposedName(state.selectedDate);
    const std::optional<std::filesystem::path> file = ports.userPrompts().askSaveFile(question);
    if (file) {
        saveTipsTo(state, *file);
        state.lastTipFileFolder = file->parent_path();
    }
    return file;
}

void saveTipsTo(const AppState& state, const std::filesystem::path& file) {
    writeTipFile(state.tips, file);
}

std::optional<std::filesystem::path> loadTips(AppState& state, const Ports& ports) {
    const std::optional<std::filesystem::path> file = ports.userPrompts().askOpenFile(
        tipFileQuestion(state, state.messages.text(Msg::TipLoadCaption)));
    if (file) {
        // The folder counts as used even when the file turns out to hold no tips.
        state.lastTipFileFolder = file->parent_path();
        fillSheet(state, ports, *file);
    }
    evaluateSelectedDate(state, ports);
    return file;
}

void loadTipsFrom(AppState& state, const Ports& ports, const std::filesystem::path& file) {
    fillSheet(state, ports, file);
    evaluateSelectedDate(state, ports);
}

} // namespace powerball
