#include "rules/generator/NumberPool.h"

#include <algorithm>
#include <array>

namespace powerball {

void NumberPool::append(int number, int times) {
    for (int i = 0; i < times; ++i)
        m_entries.push_back(static_cast<std::uint8_t>(number));
}

void NumberPool::removeAll(int number) {
    std::erase(m_entries, static_cast<std::uint8_t>(number));
}

void NumberPool::removeBelow(int bound) {
    std::erase_if(m_entries, [bound](std::uint8_t entry) { return entry < bound; });
}

void NumberPool::removeFirst(int number) {
    const auto found = std::find(m_entries.begin(), m_entries.end(), number);
    if (found != m_entries.end())
        m_entries.erase(found);
}

int NumberPool::count(int number) const {
    return static_cast<int>(std::count(m_entries.begin(), m_entries.end(), number));
}

int NumberPool::distinctCount() const {
    std::array<bool, 256> seen{};
    int distinct = 0;
    for (std::uint8_t entry : m_entries)
        if (!seen[entry]) {
            seen[entry] = true;
            ++distinct;
        }
    return distinct;
}

} // namespace powerball
