#include "draws/DrawFilter.h"

#include "base/DrawCalendar.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace powerball {

namespace {

bool isSpace(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

} // namespace

DrawFilter::DrawFilter(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        if (isSpace(text[i])) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && !isSpace(text[end]))
            ++end;
        const std::string_view word = text.substr(i, end - i);
        i = end;
        int value = 0;
        const auto [rest, error] = std::from_chars(word.data(), word.data() + word.size(), value);
        if (error != std::errc() || rest != word.data() + word.size() || word.size() > 4) {
            m_refusesAll = true;
            continue;
        }
        m_conditions.push_back(
            {word.size() == 4 ? Condition::Kind::Year : Condition::Kind::Number, value});
    }
}

bool DrawFilter::passes(double date, const DrawNumbers& numbers) const {
    if (m_refusesAll)
        return false;
    return std::all_of(m_conditions.begin(), m_conditions.end(), [&](const Condition& c) {
        if (c.kind == Condition::Kind::Year)
            return DrawCalendar::civil(DrawCalendar::datePart(date)).year == c.value;
        for (int position = 1; position <= 5; ++position)
            if (numbers.white(position) == c.value)
                return true;
        return numbers.powerball() == c.value;
    });
}

} // namespace powerball
