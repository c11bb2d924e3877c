#pragma once

#include "ports/MemoryRegistryStore.h"
#include "ports/RegistryStore.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace powerball {

// The current user's registry as a REGEDIT4 text file, by default
// $XDG_CONFIG_HOME/Velmar/registry.reg. Keys are held in memory; closing them writes the
// file again: the values written since, laid over the file as it is then, so that keys
// another program changed meanwhile survive. A save holds an flock on "registry.reg.lock"
// beside the file for its read-merge-write, waiting kSaveLockWait at most, so two programs
// saving at once never lose each other's values. The file is replaced in one rename and is
// never left half-written.
//
// A file that cannot be read as a registry file is kept aside under another name and the
// store starts empty; a file that cannot be read at all is left alone and never replaced.
// Either way the store's notice tells the user.
class RegistryFileStore : public RegistryStore {
public:
    static constexpr std::string_view kRoot = "HKEY_CURRENT_USER\\";
    static constexpr std::chrono::milliseconds kSaveLockWait{3000};

    explicit RegistryFileStore(std::filesystem::path file);

    // $XDG_CONFIG_HOME/Velmar/registry.reg, or ~/.config/Velmar/registry.reg when the variable
    // is unset or not an absolute path.
    static std::filesystem::path defaultPath();
    // The same for the given values of XDG_CONFIG_HOME and HOME (nullptr: unset), so that the
    // rule can be checked without touching the process's environment. Without a usable
    // config home and without a home folder there is no path: RegistryError.
    static std::filesystem::path defaultPathFor(const char* configHome, const char* home);

    // How long a save waits for another one's lock (kSaveLockWait unless a test says
    // otherwise), and what runs each time it finds the lock held, for a test to let go of
    // the lock the moment the save is seen waiting.
    void setSaveLockWait(std::chrono::milliseconds wait, std::function<void()> whileHeld = {}) {
        m_lockWait = wait;
        m_whileLockHeld = std::move(whileHeld);
    }

    const std::filesystem::path& path() const { return m_path; }

    void createKey(const std::string& key) override;
    std::optional<RegistryValue> value(const std::string& key,
                                       const std::string& name) const override;
    void setValue(const std::string& key, const std::string& name,
                  const RegistryValue& value) override;
    void flush() override;
    std::string notice() const override { return m_notice; }
    // The next flush first copies the file to "registry.reg.bak" (replacing an older copy).
    void keepCopyBeforeNextSave() override { m_keepCopy = true; }
    std::string takeSaveNotice() override { return std::exchange(m_saveNotice, {}); }

private:
    struct Write {
        std::string key;
        std::optional<MemoryRegistryStore::Entry> entry; // nothing: the key is only created
    };

    MemoryRegistryStore readFile();
    std::filesystem::path keepAside(const std::string& reason);
    void writeFile(const MemoryRegistryStore& content) const;
    void keepCopy();

    std::filesystem::path m_path;
    MemoryRegistryStore m_content;
    std::vector<Write> m_pending;
    std::string m_notice;
    std::string m_unwritable; // why the file must not be replaced; empty when it may
    bool m_keepCopy = false;
    std::string m_saveNotice;
    std::chrono::milliseconds m_lockWait = kSaveLockWait;
    std::function<void()> m_whileLockHeld;
};

} // namespace powerball
