#pragma once

#include <algorithm>

namespace powerball {

// A spin field's position with its range. The position always lies inside the range: a
// value set from outside is clamped, and so is the position when the range moves past it.
class SpinValue {
public:
    constexpr SpinValue(int minimum, int maximum, int position)
        : m_minimum(minimum), m_maximum(maximum), m_position(position) {}

    constexpr int value() const { return m_position; }
    constexpr int minimum() const { return m_minimum; }
    constexpr int maximum() const { return m_maximum; }

    constexpr void setValue(int position) {
        m_position = std::clamp(position, m_minimum, std::max(m_minimum, m_maximum));
    }
    constexpr void setMinimum(int minimum) {
        m_minimum = minimum;
        setValue(m_position);
    }
    constexpr void setMaximum(int maximum) {
        m_maximum = maximum;
        setValue(m_position);
    }

    constexpr bool operator==(const SpinValue&) const = default;

private:
    int m_minimum;
    int m_maximum;
    int m_position;
};

} // namespace powerball
