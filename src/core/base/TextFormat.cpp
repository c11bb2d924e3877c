#include "base/TextFormat.h"

#include <cmath>
#include <cstdio>

namespace powerball {

namespace {

// U+00A0 and U+202F: a space that never breaks a number apart.
constexpr const char* kNoBreak = "\u00A0";
constexpr const char* kNarrowNoBreak = "\u202F";

using C = TextFormat::Conventions;

// A row a language: digit groups, decimal point, the groups above the first three, whether
// four digits are grouped, what stands before and after an amount of money and after a
// percentage, the order of day, month and year and their separator; below, the weekdays.
// clang-format off

// The program's fixed formats: the German ones.
constexpr C kGerman{".", ",", 3, true, "", " $", " %", "dmy", ".",
                    {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"}};

// Indexed by language code; US English, Brazilian Portuguese (the players of a US lottery
// who write Portuguese mostly write it the Brazilian way), simplified Chinese, Hindi of India.
const C kConventions[] = {
    kGerman,
    kGerman,
    {",",            ".", 3, true,  "$",    "",   " %", "mdy", "/", // English
     {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"}},
    {kNarrowNoBreak, ",", 3, true,  "",     " $", " %", "dmy", "/", // French
     {"dim.", "lun.", "mar.", "mer.", "jeu.", "ven.", "sam."}},
    {".",            ",", 3, false, "",     " $", " %", "dmy", "/", // Spanish
     {"dom", "lun", "mar", "mié", "jue", "vie", "sáb"}},
    {".",            ",", 3, true,  "",     " $", "%",  "dmy", "/", // Italian
     {"dom", "lun", "mar", "mer", "gio", "ven", "sab"}},
    {kNoBreak,       ",", 3, true,  "",     " $", " %", "dmy", ".", // Russian
     {"вс", "пн", "вт", "ср", "чт", "пт", "сб"}},
    {".",            ",", 3, true,  "US$ ", "",   "%",  "dmy", "/", // Portuguese
     {"dom", "seg", "ter", "qua", "qui", "sex", "sáb"}},
    {",",            ".", 3, true,  "$",    "",   "%",  "ymd", "/", // Chinese
     {"周日", "周一", "周二", "周三", "周四", "周五", "周六"}},
    {",",            ".", 2, true,  "$",    "",   "%",  "dmy", "/", // Hindi
     {"रवि", "सोम", "मंगल", "बुध", "गुरु", "शुक्र", "शनि"}},
};
// clang-format on

// An amount of money as the language writes it, its sign before all.
std::string moneyText(const C& c, bool negative, const std::string& amount) {
    return (negative ? "-" : "") + std::string(c.moneyPrefix) + amount + c.moneySuffix;
}

} // namespace

TextFormat::TextFormat(int language, bool languageFormats)
    : m_language(language >= 1 && language <= 9 ? language : 1),
      m_languageFormats(languageFormats) {}

const TextFormat::Conventions& TextFormat::conventions(int language) {
    return language >= 1 && language <= 9 ? kConventions[language] : kGerman;
}

const TextFormat::Conventions& TextFormat::shown() const {
    return m_languageFormats ? conventions(m_language) : kGerman;
}

std::string TextFormat::grouped(const Conventions& c, long long value) {
    const bool negative = value < 0;
    std::string digits = std::to_string(negative ? -(value + 1) + 1ULL : value + 0ULL);
    if (digits.size() > 4 || (digits.size() == 4 && c.groupFourDigits)) {
        std::string text;
        std::size_t first = digits.size() - 3;
        std::string tail = digits.substr(first);
        std::string head = digits.substr(0, first);
        while (head.size() > static_cast<std::size_t>(c.secondaryGroup)) {
            const std::size_t cut = head.size() - static_cast<std::size_t>(c.secondaryGroup);
            tail = head.substr(cut) + c.group + tail;
            head.resize(cut);
        }
        digits = head + c.group + tail;
    }
    return negative ? "-" + digits : digits;
}

std::string TextFormat::withDecimals(const Conventions& c, double value, int decimals) {
    if (!std::isfinite(value))
        return "-";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, std::fabs(value));
    const std::string text = buffer;
    const std::size_t point = text.find('.');
    const bool negative = value < 0 && text.find_first_not_of("0.") != std::string::npos;
    std::string result = grouped(c, std::stoll(text.substr(0, point)));
    if (point != std::string::npos)
        result += c.decimalPoint + text.substr(point + 1);
    return negative ? "-" + result : result;
}

std::string TextFormat::dateText(const Conventions& c, DayNumber day, bool twoDigitYear) {
    const CivilDate d = DrawCalendar::civil(day);
    char part[3][8];
    std::snprintf(part[0], sizeof part[0], "%02d", d.day);
    std::snprintf(part[1], sizeof part[1], "%02d", d.month);
    std::snprintf(part[2], sizeof part[2], twoDigitYear ? "%02d" : "%04d",
                  twoDigitYear ? d.year % 100 : d.year);
    std::string text;
    for (const char* order = c.dateOrder; *order; ++order) {
        if (!text.empty())
            text += c.dateSeparator;
        text += part[*order == 'd' ? 0 : *order == 'm' ? 1 : 2];
    }
    return text;
}

std::string TextFormat::money(std::int64_t usd) const {
    const Conventions& c = conventions(m_language);
    return moneyText(c, usd < 0, grouped(c, usd < 0 ? -usd : usd));
}

std::string TextFormat::money(double usd) const {
    const Conventions& c = conventions(m_language);
    return moneyText(c, usd <= -0.005, withDecimals(c, std::fabs(usd), 2));
}

std::string TextFormat::percent(double value, int decimals) const {
    const Conventions& c = conventions(m_language);
    return withDecimals(c, value, decimals) + c.percentSuffix;
}

std::string TextFormat::count(long long value) const {
    return grouped(conventions(m_language), value);
}

std::string TextFormat::amount(double value, int decimals) const {
    return withDecimals(conventions(m_language), value, decimals);
}

std::string TextFormat::number(long long value) const {
    return grouped(shown(), value);
}

std::string TextFormat::decimal(double value, int decimals) const {
    return withDecimals(shown(), value, decimals);
}

std::string TextFormat::date(DayNumber day) const {
    return dateText(shown(), day, false);
}

std::string TextFormat::drawDate(DayNumber day) const {
    return weekday(day) + " " + dateText(shown(), day, true);
}

std::string TextFormat::weekday(DayNumber day) const {
    return conventions(m_language).weekdays[DrawCalendar::weekday(day)];
}

} // namespace powerball
