#pragma once

#include "ports/RegistryStore.h"

#include <cstdint>
#include <optional>
#include <string>

namespace powerball {

// One open key with typed access to its values. A missing value reads as nothing; a value
// of another type than asked cannot be read and raises a RegistryError, as the registry does.
class RegistryKey {
public:
    // Opens the key, creating it when it is missing.
    RegistryKey(RegistryStore& store, std::string path);

    std::optional<std::int32_t> readInteger(const std::string& name) const;
    // An integer; any value but 0 is true.
    std::optional<bool> readBool(const std::string& name) const;
    std::optional<std::string> readString(const std::string& name) const;
    // Eight bytes of binary data: a day number as an IEEE-754 double, least significant first.
    std::optional<double> readDate(const std::string& name) const;

    void writeInteger(const std::string& name, std::int32_t value);
    void writeBool(const std::string& name, bool value);
    void writeString(const std::string& name, const std::string& value);
    void writeDate(const std::string& name, double value);

    // Makes the writes durable.
    void close();

private:
    std::optional<RegistryValue> read(const std::string& name, RegistryType type) const;

    RegistryStore& m_store;
    std::string m_path;
};

} // namespace powerball
