#pragma once

#include "base/DrawCalendar.h"

#include <cstdint>
#include <string>

namespace powerball {

// How the program writes numbers, money, percentages, dates and weekdays for the language
// in use (1 deutsch .. 9 हिंदी, as the value "Sprache"; any other code is German).
//
// Two kinds of text: what the program adds of its own (prize amounts and winnings, the
// balance lines, the filter cost line) always follows the language's conventions, so that
// "$50,104" never reads as fifty dollars in English. The dates and numbers the program has
// always written keep their fixed formats ("dd.mm.yyyy", decimal comma, thousands point)
// unless the user asks for the language's formats (`languageFormats`). Weekday names are
// always those of the language. Files never use this: they keep their own formats.
class TextFormat {
public:
    explicit TextFormat(int language = 1, bool languageFormats = false);

    int language() const { return m_language; }
    bool languageFormats() const { return m_languageFormats; }
    bool operator==(const TextFormat&) const = default;

    // The program's own additions, in the language's conventions.
    std::string money(std::int64_t usd) const;             // "$50,104", "50.104 $"
    std::string money(double usd) const;                   // with cents: "$0.32", "0,32 $"
    std::string percent(double value, int decimals) const; // 33.33, 1 -> "33.3 %", "33,3 %"
    std::string count(long long value) const;              // "1,205", "1.205", "1 205"
    std::string amount(double value, int decimals) const;  // "38.32", "38,32"

    // The fixed formats, or the language's when `languageFormats` is on.
    std::string number(long long value) const;             // "1.000" / "1,000"
    std::string decimal(double value, int decimals) const; // "1.000,5" / "1,000.5"
    std::string date(DayNumber day) const;                 // "05.08.2026" / "08/05/2026"
    // The draw texts' date: the weekday, then the date with two digits of the year.
    std::string drawDate(DayNumber day) const; // "Mi 05.08.26" / "Wed 08/05/26"

    // The language's abbreviated weekday name.
    std::string weekday(DayNumber day) const;

    // The conventions a language writes numbers and dates in.
    struct Conventions {
        const char* group;         // between groups of digits
        const char* decimalPoint;  // before the decimals
        int secondaryGroup;        // digits in the groups above the first three (Indian: 2)
        bool groupFourDigits;      // false: "5104" stays whole, "15.104" is grouped
        const char* moneyPrefix;   // "$" or ""
        const char* moneySuffix;   // " $" or ""
        const char* percentSuffix; // " %" or "%"
        const char* dateOrder;     // "dmy", "mdy" or "ymd"
        const char* dateSeparator; // "." or "/"
        const char* weekdays[7];   // Sunday first
    };
    static const Conventions& conventions(int language);

private:
    const Conventions& shown() const;
    static std::string grouped(const Conventions& c, long long value);
    static std::string withDecimals(const Conventions& c, double value, int decimals);
    static std::string dateText(const Conventions& c, DayNumber day, bool twoDigitYear);

    int m_language;
    bool m_languageFormats;
};

} // namespace powerball
