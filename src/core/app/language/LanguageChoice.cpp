#include "app/language/LanguageChoice.h"

#include "base/MessageTable.h"

namespace powerball {

std::optional<CaptionTexts> loadLanguage(AppState& state, int code) {
    const std::optional<LanguageFiles::Language> language = LanguageFiles::language(code);
    if (!language)
        return std::nullopt;
    const std::filesystem::path folder = LanguageFiles::folder(state.programFolder);
    const std::filesystem::path index = folder / LanguageFiles::kCaptionIndex;
    const std::filesystem::path file = folder / language->fileName;
    std::error_code error;
    if (!std::filesystem::exists(index, error) || !std::filesystem::exists(file, error))
        return std::nullopt;

    CaptionTexts texts;
    // Only what can be used is read: a caption and a hint per record of the index, and the
    // entries of the message table.
    texts.records = LanguageFiles::captionRecords(LanguageFiles::readCaptionIndex(index));
    texts.lines = LanguageFiles::readLines(file, 2 * texts.records.size()).lines;
    std::filesystem::path messages = file;
    messages += LanguageFiles::kMessageSuffix;
    if (std::filesystem::exists(messages, error)) {
        state.messages.replaceAll(
            LanguageFiles::readLines(messages, MessageTable::builtIn().size()).lines);
        // What was said in the former language is said again in this one.
        state.chart.renewCaption(state.messages);
        state.renewPanelCrossSum(state.messages);
    }
    return texts;
}

} // namespace powerball
