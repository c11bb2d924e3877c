#pragma once

#include "app/AppState.h"
#include "rules/language/LanguageFiles.h"

#include <optional>
#include <string>
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

} // namespace powerball
