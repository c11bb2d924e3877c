#include "base/NumberMask.h"

namespace powerball {

void NumberMask::insert(int number) {
    if (number < 0 || number >= kLimit)
        return;
    if (number < 64)
        m_low |= std::uint64_t{1} << number;
    else
        m_high |= std::uint64_t{1} << (number - 64);
}

bool NumberMask::contains(int number) const {
    if (number < 0 || number >= kLimit)
        return false;
    if (number < 64)
        return (m_low >> number) & 1U;
    return (m_high >> (number - 64)) & 1U;
}

NumberMask NumberMask::shiftedDown(int count) const {
    if (count == 0)
        return *this;
    if (count >= 64)
        return NumberMask(m_high >> (count - 64), 0);
    return NumberMask((m_low >> count) | (m_high << (64 - count)), m_high >> count);
}

NumberMask NumberMask::runStarts(int length) const {
    NumberMask starts = *this;
    for (int k = 1; k < length; ++k)
        starts = starts & shiftedDown(k);
    return starts;
}

} // namespace powerball
