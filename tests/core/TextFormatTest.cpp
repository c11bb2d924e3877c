#include "base/TextFormat.h"

#include <gtest/gtest.h>

#include <limits>

#include <string>
#include <vector>

namespace powerball {
namespace {

// Wednesday, 5 August 2026: day and month tell apart which comes first.
const DayNumber kDay = DrawCalendar::dayNumber(2026, 8, 5);

struct LanguageCase {
    int code;
    const char* name;
    const char* money;     // 50104
    const char* cents;     // 0.3199
    const char* percent;   // 33.333 with one decimal
    const char* count;     // 1234567
    const char* fourDigit; // 5104
    const char* date;      // with the language's formats
    const char* drawDate;  // with the language's formats
    const char* weekday;
};

const std::vector<LanguageCase> kLanguages{
    {1, "de", "50.104 $", "0,32 $", "33,3 %", "1.234.567", "5.104", "05.08.2026", "Mi 05.08.26",
     "Mi"},
    {2, "en", "$50,104", "$0.32", "33.3 %", "1,234,567", "5,104", "08/05/2026", "Wed 08/05/26",
     "Wed"},
    {3, "fr", "50\u202F104 $", "0,32 $", "33,3 %", "1\u202F234\u202F567", "5\u202F104",
     "05/08/2026", "mer. 05/08/26", "mer."},
    {4, "es", "50.104 $", "0,32 $", "33,3 %", "1.234.567", "5104", "05/08/2026", "mié 05/08/26",
     "mié"},
    {5, "it", "50.104 $", "0,32 $", "33,3%", "1.234.567", "5.104", "05/08/2026", "mer 05/08/26",
     "mer"},
    {6, "ru", "50\u00A0104 $", "0,32 $", "33,3 %", "1\u00A0234\u00A0567", "5\u00A0104",
     "05.08.2026", "ср 05.08.26", "ср"},
    {7, "pt", "US$ 50.104", "US$ 0,32", "33,3%", "1.234.567", "5.104", "05/08/2026", "qua 05/08/26",
     "qua"},
    {8, "cn", "$50,104", "$0.32", "33.3%", "1,234,567", "5,104", "2026/08/05", "周三 26/08/05",
     "周三"},
    {9, "in", "$50,104", "$0.32", "33.3%", "12,34,567", "5,104", "05/08/2026", "बुध 05/08/26", "बुध"},
};

TEST(TextFormat, OwnAdditionsFollowTheLanguageWhateverTheChoiceOfFormats) {
    for (const LanguageCase& c : kLanguages)
        for (const bool languageFormats : {false, true}) {
            const TextFormat format(c.code, languageFormats);
            SCOPED_TRACE(std::string(c.name) + (languageFormats ? " language formats" : ""));
            EXPECT_EQ(format.money(std::int64_t{50'104}), c.money);
            EXPECT_EQ(format.money(0.3199), c.cents);
            EXPECT_EQ(format.percent(33.333, 1), c.percent);
            EXPECT_EQ(format.count(1'234'567), c.count);
            EXPECT_EQ(format.count(5'104), c.fourDigit);
            EXPECT_EQ(format.weekday(kDay), c.weekday);
        }
}

TEST(TextFormat, DatesAndNumbersKeepTheFixedFormatsUnlessTheLanguagesAreChosen) {
    for (const LanguageCase& c : kLanguages) {
        SCOPED_TRACE(c.name);
        const TextFormat fixed(c.code, false);
        EXPECT_EQ(fixed.date(kDay), "05.08.2026");
        EXPECT_EQ(fixed.drawDate(kDay), std::string(c.weekday) + " 05.08.26");
        EXPECT_EQ(fixed.number(1'000), "1.000");
        EXPECT_EQ(fixed.decimal(1'000.5, 1), "1.000,5");

        const TextFormat own(c.code, true);
        EXPECT_EQ(own.date(kDay), c.date);
        EXPECT_EQ(own.drawDate(kDay), c.drawDate);
    }
    const TextFormat english(2, true);
    EXPECT_EQ(english.number(1'000), "1,000");
    EXPECT_EQ(english.decimal(1'000.5, 1), "1,000.5");
    EXPECT_EQ(TextFormat(1, true).decimal(1'000.5, 1), "1.000,5");
}

TEST(TextFormat, EdgesOfTheNumbers) {
    const TextFormat english(2);
    const TextFormat german(1);
    const TextFormat hindi(9);
    const std::vector<std::pair<std::string, std::string>> cases{
        {english.money(std::int64_t{0}), "$0"},
        {english.money(std::int64_t{-1'500}), "-$1,500"},
        {german.money(std::int64_t{-1'500}), "-1.500 $"},
        {english.money(-0.001), "$0.00"}, // no minus before a zero
        {english.money(999.995), "$1,000.00"},
        {german.count(999), "999"},
        {german.count(-1'234), "-1.234"},
        {german.count(std::numeric_limits<long long>::min()), "-9.223.372.036.854.775.808"},
        {hindi.count(10'000'000), "1,00,00,000"},
        {hindi.count(100'000), "1,00,000"},
        {TextFormat(4).count(15'104), "15.104"},
        {german.percent(0.0, 0), "0 %"},
        {german.amount(-0.001, 2), "0,00"},
        {english.amount(11'688'053.52, 2), "11,688,053.52"},
        // A code that names no language writes German.
        {TextFormat(0).money(std::int64_t{1'000}), "1.000 $"},
        {TextFormat(42, true).date(kDay), "05.08.2026"},
    };
    for (const auto& [got, expected] : cases)
        EXPECT_EQ(got, expected);
}

} // namespace
} // namespace powerball
