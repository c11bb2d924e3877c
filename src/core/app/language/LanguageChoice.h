#pragma once

#include "app/AppState.h"
#include "rules/language/LanguageFiles.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace powerball {

// What a language gives the window's controls: the caption index's records and the language
// file's lines, a caption and a hint per record.
struct CaptionTexts {
    std::vector<LanguageFiles::CaptionRecord> records;
    std::vector<std::string> lines;

    const std::string& caption(std::size_t record) const {
        return LanguageFiles::lineAt(lines, 2 * record);
    }
    const std::string& hint(std::size_t record) const {
        return LanguageFiles::lineAt(lines, 2 * record + 1);
    }
};

// Loads the language of `code` (1 deutsch .. 9 हिंदी) from the folder "Land": its message
// file, when there is one, replaces the whole message table; the caption texts come back
// for the window to apply. Nothing comes back, and nothing changes, when the caption index
// or the language file is missing or the code names no language. A file that exists but
// cannot be read raises a FileReadError. The caller sets the language index once the texts
// are applied. The chart's caption and the draw panel's cross sum take the new messages.
std::optional<CaptionTexts> loadLanguage(AppState& state, int code);

// The language a locale name such as "de_DE.UTF-8" or "pt_BR" speaks; nothing for "C",
// "POSIX" or a language the program has no texts for.
std::optional<int> languageOfLocale(std::string_view locale);

// The locale variables in the order they decide the language of messages.
struct LocaleEnvironment {
    std::optional<std::string> lcAll, lcMessages, lang;
    static LocaleEnvironment ofProcess();
};

// The language a face speaks when none is asked for: the one the settings file stores
// ("Sprache"), else that of the user's locale (the first of LC_ALL, LC_MESSAGES, LANG that is
// set and not empty), else English.
int startLanguage(std::optional<int> stored, const LocaleEnvironment& environment);

// After the language or the choice of formats changed: the shown draw texts, written in
// `before`, take the weekday and date of the state's format now.
void renewDrawTexts(AppState& state, const TextFormat& before);

} // namespace powerball
