#include "app/language/LanguageChoice.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace powerball {
namespace {

TEST(LanguageChoice, LanguageOfALocaleName) {
    const std::vector<std::pair<std::string, std::optional<int>>> cases{
        {"de_DE.UTF-8", 1},
        {"en_US.UTF-8", 2},
        {"fr_CA", 3},
        {"es", 4},
        {"it_IT@euro", 5},
        {"ru_RU.KOI8-R", 6},
        {"pt_BR", 7},
        {"zh_CN.GB18030", 8},
        {"hi_IN", 9},
        {"C", std::nullopt},
        {"POSIX", std::nullopt},
        {"C.UTF-8", std::nullopt},
        {"nl_NL", std::nullopt},
        {"", std::nullopt},
        {"deu", std::nullopt},
    };
    for (const auto& [locale, code] : cases)
        EXPECT_EQ(languageOfLocale(locale), code) << locale;
}

TEST(LanguageChoice, StoredLanguageThenTheLocaleThenEnglish) {
    struct Case {
        std::optional<int> stored;
        LocaleEnvironment environment;
        int expected;
        const char* why;
    };
    const std::vector<Case> cases{
        {6, {"fr_FR.UTF-8", "de_DE", "it_IT"}, 6, "the stored language first"},
        {std::nullopt, {"fr_FR.UTF-8", "de_DE", "it_IT"}, 3, "LC_ALL before the others"},
        {std::nullopt, {std::nullopt, "de_DE", "it_IT"}, 1, "LC_MESSAGES before LANG"},
        {std::nullopt, {"", "", "it_IT"}, 5, "an empty variable counts as unset"},
        {std::nullopt, {"C", "de_DE", "it_IT"}, 2, "LC_ALL=C speaks no language of ours"},
        {std::nullopt, {std::nullopt, std::nullopt, "nl_NL.UTF-8"}, 2, "an unknown language"},
        {std::nullopt, {}, 2, "nothing set"},
        {0, {std::nullopt, std::nullopt, "ru_RU"}, 6, "a stored value that names no language"},
        {12, {}, 2, "a stored value out of range"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(startLanguage(c.stored, c.environment), c.expected) << c.why;
}

TEST(LanguageChoice, ShownDrawTextsFollowANewLanguageAndFormat) {
    AppState state;
    const double wednesday = DrawCalendar::dayNumber(2026, 8, 5);
    state.currentDraw.date = wednesday;
    state.panelDrawDate = wednesday;
    const TextFormat before = state.textFormat();
    state.databaseDrawText = before.drawDate(wednesday) + "    7  19  33  45  60 PB:12 PP:3";
    state.panelDrawText = state.databaseDrawText;

    state.messages.setLanguage(2);
    renewDrawTexts(state, before);
    EXPECT_EQ(state.panelDrawText, "Wed 05.08.26    7  19  33  45  60 PB:12 PP:3");

    const TextFormat english = state.textFormat();
    state.settings.languageFormats = true;
    renewDrawTexts(state, english);
    EXPECT_EQ(state.databaseDrawText, "Wed 08/05/26    7  19  33  45  60 PB:12 PP:3");
    EXPECT_EQ(state.panelDrawText, state.databaseDrawText);

    // A text that is no draw text of that day stays as it is.
    state.panelDrawText = "Ziehungsdaten werden geladen";
    renewDrawTexts(state, state.textFormat());
    EXPECT_EQ(state.panelDrawText, "Ziehungsdaten werden geladen");
}

} // namespace
} // namespace powerball
