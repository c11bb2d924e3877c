#pragma once

#include "draws/DrawRecord.h"

#include <string_view>
#include <vector>

namespace powerball {

// The quick filter of the table of draws. Each word of the text is one condition, and a draw
// shows when it meets them all: four digits name a year ("2024"), a shorter number a number
// the draw has among its white numbers or as its Powerball ("7"). An empty text keeps every
// draw; a word that is neither keeps none, so a typing error never looks like a result.
class DrawFilter {
public:
    explicit DrawFilter(std::string_view text = {});

    bool passes(double date, const DrawNumbers& numbers) const;
    bool keepsAll() const { return m_conditions.empty() && !m_refusesAll; }

private:
    struct Condition {
        enum class Kind { Year, Number };
        Kind kind = Kind::Number;
        int value = 0;
    };
    std::vector<Condition> m_conditions;
    bool m_refusesAll = false;
};

} // namespace powerball
