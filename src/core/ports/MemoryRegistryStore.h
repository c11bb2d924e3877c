#pragma once

#include "ports/RegistryStore.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace powerball {

// Keys and values held in memory, in the order they were first written. Serves as the test
// double of the registry and as the content of the registry file.
class MemoryRegistryStore : public RegistryStore {
public:
    struct Entry {
        std::string name;
        RegistryValue value;
    };
    struct Key {
        std::string path;
        std::vector<Entry> values;
    };

    void createKey(const std::string& key) override;
    std::optional<RegistryValue> value(const std::string& key,
                                       const std::string& name) const override;
    // Writing into a missing key creates it.
    void setValue(const std::string& key, const std::string& name,
                  const RegistryValue& value) override;
    void flush() override;

    const std::vector<Key>& keys() const { return m_keys; }
    const Key* findKey(std::string_view path) const;

    // For tests: from now on every write and flush fails, as on a full disk.
    void failWrites() { m_failing = true; }
    int flushCount() const { return m_flushCount; }

    // Registry names compare without regard to the case of ASCII letters.
    static bool sameName(std::string_view a, std::string_view b);

private:
    Key& keyFor(const std::string& path);
    std::size_t keyIndex(const std::string& path);
    void throwWhenFailing() const;

    // Names folded to lower case, to their position: a store of many values is filled in
    // linear time.
    using NameIndex = std::unordered_map<std::string, std::size_t>;
    static std::string folded(std::string_view name);

    std::vector<Key> m_keys;
    NameIndex m_keyIndex;
    std::vector<NameIndex> m_valueIndex; // one per key, in the order of m_keys
    bool m_failing = false;
    int m_flushCount = 0;
};

} // namespace powerball
