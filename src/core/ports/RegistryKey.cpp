#include "ports/RegistryKey.h"

#include <bit>

namespace powerball {

namespace {

std::uint64_t littleEndian(const std::vector<std::uint8_t>& bytes) {
    std::uint64_t value = 0;
    for (std::size_t k = bytes.size(); k-- > 0;)
        value = value << 8 | bytes[k];
    return value;
}

std::vector<std::uint8_t> littleEndianBytes(std::uint64_t value, std::size_t count) {
    std::vector<std::uint8_t> bytes(count);
    for (std::uint8_t& byte : bytes) {
        byte = static_cast<std::uint8_t>(value & 0xff);
        value >>= 8;
    }
    return bytes;
}

} // namespace

RegistryKey::RegistryKey(RegistryStore& store, std::string path)
    : m_store(store), m_path(std::move(path)) {
    m_store.createKey(m_path);
}

std::optional<RegistryValue> RegistryKey::read(const std::string& name, RegistryType type) const {
    std::optional<RegistryValue> value = m_store.value(m_path, name);
    if (value && !value->is(type))
        throw RegistryError("invalid data type for \"" + name + "\"");
    return value;
}

std::optional<std::int32_t> RegistryKey::readInteger(const std::string& name) const {
    const auto value = read(name, RegistryType::Integer);
    if (!value)
        return std::nullopt;
    if (value->data.size() != 4)
        throw RegistryError("invalid data size for \"" + name + "\"");
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(littleEndian(value->data)));
}

std::optional<bool> RegistryKey::readBool(const std::string& name) const {
    const auto value = readInteger(name);
    if (!value)
        return std::nullopt;
    return *value != 0;
}

std::optional<std::string> RegistryKey::readString(const std::string& name) const {
    const auto value = read(name, RegistryType::String);
    if (!value)
        return std::nullopt;
    std::string text(value->data.begin(), value->data.end());
    // Stores written elsewhere may keep the terminator with the text.
    while (!text.empty() && text.back() == '\0')
        text.pop_back();
    return text;
}

std::optional<double> RegistryKey::readDate(const std::string& name) const {
    const auto value = read(name, RegistryType::Binary);
    if (!value)
        return std::nullopt;
    if (value->data.size() != sizeof(double))
        throw RegistryError("invalid data size for \"" + name + "\"");
    return std::bit_cast<double>(littleEndian(value->data));
}

void RegistryKey::writeInteger(const std::string& name, std::int32_t value) {
    m_store.setValue(m_path, name,
                     {static_cast<std::uint32_t>(RegistryType::Integer),
                      littleEndianBytes(static_cast<std::uint32_t>(value), 4)});
}

void RegistryKey::writeBool(const std::string& name, bool value) {
    writeInteger(name, value ? 1 : 0);
}

void RegistryKey::writeString(const std::string& name, const std::string& value) {
    m_store.setValue(m_path, name,
                     {static_cast<std::uint32_t>(RegistryType::String),
                      std::vector<std::uint8_t>(value.begin(), value.end())});
}

void RegistryKey::writeDate(const std::string& name, double value) {
    m_store.setValue(m_path, name,
                     {static_cast<std::uint32_t>(RegistryType::Binary),
                      littleEndianBytes(std::bit_cast<std::uint64_t>(value), sizeof(double))});
}

void RegistryKey::close() {
    m_store.flush();
}

} // namespace powerball
