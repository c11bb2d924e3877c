#include "app/language/LanguageChoice.h"

#include "app/evaluation/TipCheck.h"
#include "base/MessageTable.h"

#include <cstdlib>

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
    }
    // Weekdays, money and the chosen formats follow the language of the captions.
    state.messages.setLanguage(code);
    // What was said in the former language is said again in this one.
    state.chart.renewCaption(state.messages);
    state.renewPanelCrossSum(state.messages);
    renewPrizeNote(state, state);
    return texts;
}

namespace {

void renewDate(std::string& text, double date, const TextFormat& before, const TextFormat& now) {
    const DayNumber day = DrawCalendar::roundToDay(date);
    const std::string old = before.drawDate(day);
    if (text.starts_with(old))
        text.replace(0, old.size(), now.drawDate(day));
}

} // namespace

std::optional<int> languageOfLocale(std::string_view locale) {
    const std::string_view language = locale.substr(0, locale.find_first_of("_.@"));
    static constexpr std::string_view kLanguages[] = {"de", "en", "fr", "es", "it",
                                                      "ru", "pt", "zh", "hi"};
    for (std::size_t k = 0; k < std::size(kLanguages); ++k)
        if (language == kLanguages[k])
            return static_cast<int>(k) + 1;
    return std::nullopt;
}

LocaleEnvironment LocaleEnvironment::ofProcess() {
    const auto value = [](const char* name) -> std::optional<std::string> {
        const char* text = std::getenv(name);
        return text ? std::optional<std::string>(text) : std::nullopt;
    };
    return {value("LC_ALL"), value("LC_MESSAGES"), value("LANG")};
}

int startLanguage(std::optional<int> stored, const LocaleEnvironment& environment) {
    if (stored && LanguageFiles::language(*stored))
        return *stored;
    // The first variable that is set decides, as it does for every program's messages:
    // LC_ALL=C means no language of ours, even with LANG=de_DE.
    for (const auto* variable : {&environment.lcAll, &environment.lcMessages, &environment.lang})
        if (*variable && !(*variable)->empty())
            return languageOfLocale(**variable).value_or(2);
    return 2;
}

void renewDrawTexts(AppState& state, const TextFormat& before) {
    const TextFormat now = state.textFormat();
    renewDate(state.databaseDrawText, state.currentDraw.date, before, now);
    renewDate(state.panelDrawText, state.panelDrawDate, before, now);
}

} // namespace powerball
