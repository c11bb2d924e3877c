// Several powerball-cli processes saving the settings at the same time, each one value of
// its own: every value a process reported as saved is in the file afterwards.
#include "ChildProcess.h"
#include "TempFolder.h"

#include "app/Settings.h"
#include "platform/registry/RegistryFileStore.h"
#include "ports/RegistryKey.h"

#include <gtest/gtest.h>

using namespace powerball;
using namespace powerball::testing;

namespace {

TEST(SettingsWritersCliTest, NoSavedValueIsLost) {
    TempFolder folder;
    const std::filesystem::path settings = folder.file("settings.reg");
    const std::vector<std::string> names{"Losnummer",     "ZWEIPREIS",     "EINPREIS",
                                         "ProxyHostEdit", "ProxyPortEdit", "URLEdit"};
    for (int round = 0; round < 15; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        std::filesystem::remove(settings);
        std::vector<std::vector<std::string>> runs;
        for (const std::string& name : names)
            runs.push_back({"--folder", folder.path().string(), "--settings", settings.string(),
                            "settings", "set", name, name + "-" + std::to_string(round)});
        const std::vector<ProgramRun> results = runTogether(POWERBALL_CLI, runs);

        RegistryFileStore store(settings);
        const RegistryKey key(store, Settings::kKey);
        for (std::size_t k = 0; k < names.size(); ++k) {
            // A save that gave up said so; one that reported success must have kept its value.
            if (results[k].exitCode != 0) {
                EXPECT_EQ(results[k].exitCode, 2) << results[k].err;
                EXPECT_NE(results[k].err.find("busy"), std::string::npos) << results[k].err;
                continue;
            }
            EXPECT_EQ(key.readString(names[k]), names[k] + "-" + std::to_string(round))
                << names[k] << " was reported saved but is lost";
        }
        if (::testing::Test::HasFailure())
            return;
    }
}

} // namespace
