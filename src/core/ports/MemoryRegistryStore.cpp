#include "ports/MemoryRegistryStore.h"

#include <algorithm>

namespace powerball {

bool MemoryRegistryStore::sameName(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return std::ranges::equal(a, b, [&](char x, char y) { return lower(x) == lower(y); });
}

std::string MemoryRegistryStore::folded(std::string_view name) {
    std::string result(name);
    for (char& c : result)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c + 32);
    return result;
}

const MemoryRegistryStore::Key* MemoryRegistryStore::findKey(std::string_view path) const {
    const auto found = m_keyIndex.find(folded(path));
    return found == m_keyIndex.end() ? nullptr : &m_keys[found->second];
}

std::size_t MemoryRegistryStore::keyIndex(const std::string& path) {
    const auto [found, added] = m_keyIndex.try_emplace(folded(path), m_keys.size());
    if (added) {
        m_keys.push_back(Key{path, {}});
        m_valueIndex.emplace_back();
    }
    return found->second;
}

MemoryRegistryStore::Key& MemoryRegistryStore::keyFor(const std::string& path) {
    return m_keys[keyIndex(path)];
}

void MemoryRegistryStore::throwWhenFailing() const {
    if (m_failing)
        throw RegistryError("no space left on device");
}

void MemoryRegistryStore::createKey(const std::string& key) {
    throwWhenFailing();
    keyFor(key);
}

std::optional<RegistryValue> MemoryRegistryStore::value(const std::string& key,
                                                        const std::string& name) const {
    const auto foundKey = m_keyIndex.find(folded(key));
    if (foundKey == m_keyIndex.end())
        return std::nullopt;
    const NameIndex& names = m_valueIndex[foundKey->second];
    const auto found = names.find(folded(name));
    if (found == names.end())
        return std::nullopt;
    return m_keys[foundKey->second].values[found->second].value;
}

void MemoryRegistryStore::setValue(const std::string& key, const std::string& name,
                                   const RegistryValue& value) {
    throwWhenFailing();
    const std::size_t index = keyIndex(key);
    std::vector<Entry>& values = m_keys[index].values;
    const auto [found, added] = m_valueIndex[index].try_emplace(folded(name), values.size());
    if (added)
        values.push_back({name, value});
    else
        values[found->second].value = value;
}

void MemoryRegistryStore::flush() {
    throwWhenFailing();
    ++m_flushCount;
}

} // namespace powerball
