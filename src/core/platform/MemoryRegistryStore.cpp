#include "platform/MemoryRegistryStore.h"

#include <algorithm>

namespace powerball {

bool MemoryRegistryStore::sameName(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return std::ranges::equal(a, b, [&](char x, char y) { return lower(x) == lower(y); });
}

namespace {

template <class Keys> auto* findIn(Keys& keys, std::string_view path) {
    const auto found = std::ranges::find_if(
        keys, [&](const auto& key) { return MemoryRegistryStore::sameName(key.path, path); });
    return found == keys.end() ? nullptr : &*found;
}

} // namespace

const MemoryRegistryStore::Key* MemoryRegistryStore::findKey(std::string_view path) const {
    return findIn(m_keys, path);
}

MemoryRegistryStore::Key& MemoryRegistryStore::keyFor(const std::string& path) {
    if (Key* key = findIn(m_keys, path))
        return *key;
    return m_keys.emplace_back(Key{path, {}});
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
    const Key* found = findKey(key);
    if (!found)
        return std::nullopt;
    for (const Entry& entry : found->values)
        if (sameName(entry.name, name))
            return entry.value;
    return std::nullopt;
}

void MemoryRegistryStore::setValue(const std::string& key, const std::string& name,
                                   const RegistryValue& value) {
    throwWhenFailing();
    std::vector<Entry>& values = keyFor(key).values;
    for (Entry& entry : values) {
        if (sameName(entry.name, name)) {
            entry.value = value;
            return;
        }
    }
    values.push_back({name, value});
}

void MemoryRegistryStore::flush() {
    throwWhenFailing();
    ++m_flushCount;
}

} // namespace powerball
