#include "platform/registry/SettingsStoreOpening.h"

#include "platform/registry/RegistryFileStore.h"

#include "TempFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace powerball;
using powerball::testing::TempFolder;
using ::testing::HasSubstr;

namespace {

std::filesystem::path noHomeFolder() {
    throw RegistryError("No home folder to keep the settings in");
}

// Without a home folder the window still gets settings: in memory, for this run, with a
// notice that says why.
TEST(SettingsStoreOpening, NoHomeFolderKeepsTheSettingsForTheRun) {
    const auto store = openSettingsStore(std::nullopt, noHomeFolder);
    ASSERT_NE(store, nullptr);
    EXPECT_THAT(store->notice(), HasSubstr("No home folder"));
    EXPECT_THAT(store->notice(), HasSubstr("nur bis zum Ende dieses Laufs"));
    const RegistryValue three{static_cast<std::uint32_t>(RegistryType::Integer), {3, 0, 0, 0}};
    store->setValue("SOFTWARE\\Velmar\\PowerBall", "Sprache", three);
    store->flush();
    EXPECT_EQ(store->value("SOFTWARE\\Velmar\\PowerBall", "Sprache"), three);
}

TEST(SettingsStoreOpening, NamedFileWinsOverTheDefault) {
    TempFolder folder;
    const auto store = openSettingsStore(folder.file("own.reg"), noHomeFolder);
    EXPECT_EQ(store->notice(), "");
    EXPECT_NE(dynamic_cast<RegistryFileStore*>(store.get()), nullptr);
}

} // namespace
