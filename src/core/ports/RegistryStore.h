#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace powerball {

// The registry's type codes of the values the program reads and writes. Other codes occur
// in stores that other programs wrote and are carried along untouched.
enum class RegistryType : std::uint32_t { String = 1, Binary = 3, Integer = 4 };

// One value as the registry holds it: its type code and its raw data. A string's data is
// its UTF-8 text without a terminator, an integer's its four bytes, least significant first.
struct RegistryValue {
    std::uint32_t type = static_cast<std::uint32_t>(RegistryType::Binary);
    std::vector<std::uint8_t> data;

    bool is(RegistryType wanted) const { return type == static_cast<std::uint32_t>(wanted); }
    bool operator==(const RegistryValue&) const = default;
};

// A key that cannot be opened, a value of another type than asked, a store that cannot be
// written.
class RegistryError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The current user's part of the registry: keys below the user's root, holding typed values.
// Key paths and value names are compared without regard to case, as the registry does.
class RegistryStore {
public:
    virtual ~RegistryStore() = default;

    // Opens a key for reading and writing, creating it when it is missing.
    virtual void createKey(const std::string& key) = 0;
    // The value, or nothing when the key or the value does not exist.
    virtual std::optional<RegistryValue> value(const std::string& key,
                                               const std::string& name) const = 0;
    virtual void setValue(const std::string& key, const std::string& name,
                          const RegistryValue& value) = 0;
    // Closing the keys: every value written so far becomes durable.
    virtual void flush() = 0;

    // A note for the user about the store itself, such as a damaged file that was kept
    // aside; empty when all is well.
    virtual std::string notice() const { return {}; }

    // A restore that could not take every stored value says so: before the next flush
    // writes defaults over those values, a store with a file keeps a copy of it.
    virtual void keepCopyBeforeNextSave() {}
    // What the user is told once about such a copy; empty when there is none to tell.
    virtual std::string takeSaveNotice() { return {}; }
};

// The store of a program that has none: reads nothing and keeps nothing.
class NullRegistryStore : public RegistryStore {
public:
    void createKey(const std::string&) override {}
    std::optional<RegistryValue> value(const std::string&, const std::string&) const override {
        return std::nullopt;
    }
    void setValue(const std::string&, const std::string&, const RegistryValue&) override {}
    void flush() override {}
};

} // namespace powerball
