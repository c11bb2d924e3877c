#include "platform/registry/SettingsStoreOpening.h"

#include "platform/registry/RegistryFileStore.h"
#include "ports/MemoryRegistryStore.h"

#include <exception>
#include <string>
#include <utility>

namespace powerball {

namespace {

// Settings that last for this run only, with the reason as the notice.
class RunOnlyRegistryStore : public MemoryRegistryStore {
public:
    explicit RunOnlyRegistryStore(std::string reason) : m_reason(std::move(reason)) {}

    std::string notice() const override {
        return "Die Einstellungen können nicht gespeichert werden (" + m_reason +
               "); sie gelten nur bis zum Ende dieses Laufs.";
    }

private:
    std::string m_reason;
};

} // namespace

std::unique_ptr<RegistryStore>
openSettingsStore(const std::optional<std::filesystem::path>& file,
                  const std::function<std::filesystem::path()>& defaultPath) {
    try {
        return std::make_unique<RegistryFileStore>(file ? *file : defaultPath());
    } catch (const std::exception& failure) {
        return std::make_unique<RunOnlyRegistryStore>(failure.what());
    }
}

} // namespace powerball
