#pragma once

#include "ports/RegistryStore.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

namespace powerball {

// The window's settings store: the file named with --settings, else the user's registry file.
// When no file can be had (no home folder to keep it in, a path that cannot be used), the
// settings live in memory for this run, and the store's notice tells the user so: the
// window still opens, with the defaults.
std::unique_ptr<RegistryStore>
openSettingsStore(const std::optional<std::filesystem::path>& file,
                  const std::function<std::filesystem::path()>& defaultPath);

} // namespace powerball
