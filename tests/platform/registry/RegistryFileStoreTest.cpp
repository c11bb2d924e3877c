#include "platform/registry/RegistryFileStore.h"
#include "platform/registry/RegistryFileFormat.h"

#include "TempFolder.h"
#include "app/AppShell.h"
#include "app/Settings.h"
#include "ports/RegistryKey.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <set>
#include <sstream>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

using namespace powerball;
using powerball::testing::TempFolder;
using ::testing::HasSubstr;

namespace {

std::string readText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeText(const std::filesystem::path& file, const std::string& text) {
    std::ofstream(file, std::ios::binary) << text;
}

class RegistryFileStoreTest : public ::testing::Test {
protected:
    AppState startUp(RegistryStore& store) {
        Ports ports;
        ports.clock = &clock;
        ports.registry = &store;
        AppState state;
        AppShell::startUp(state, ports, folder.path());
        return state;
    }

    TempFolder folder;
    FixedClock clock{DrawCalendar::dayNumber(2026, 1, 10)};
    std::filesystem::path file = folder.file("Velmar") / "registry.reg";
};

TEST_F(RegistryFileStoreTest, ReadingLeavesNoTraceAndSavingCreatesTheFile) {
    RegistryFileStore store(file);
    AppState state = startUp(store);
    EXPECT_EQ(state.status[1], "");
    EXPECT_FALSE(std::filesystem::exists(file.parent_path()));

    state.settings.setValue("CheckBox2", 1);
    ASSERT_EQ(Settings::save(state, store), std::nullopt);
    const std::string text = readText(file);
    EXPECT_THAT(text, HasSubstr("[HKEY_CURRENT_USER\\SOFTWARE\\Velmar\\PowerBall]\r\n"));
    EXPECT_THAT(text, HasSubstr("\"Chekcbox2\"=dword:00000001\r\n"));
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(file.parent_path()))
        names.insert(entry.path().filename().string());
    EXPECT_EQ(names, (std::set<std::string>{"registry.reg", "registry.reg.lock"}))
        << "no temporary file is left behind";
}

// Saves take turns: one that finds the lock held waits for it, and gives up with a clear
// message when it is not let go in time, leaving the file as it was. The other program lets
// go the moment the save is seen waiting, not after a while, so the outcome is the same on
// any machine.
TEST_F(RegistryFileStoreTest, ASaveWaitsForTheOneBeforeAndGivesUpWhenItDoesNotEnd) {
    std::filesystem::create_directories(file.parent_path());
    writeText(file, "REGEDIT4\r\n");
    std::filesystem::path lockFile = file;
    lockFile += ".lock";
    for (const bool released : {true, false}) {
        SCOPED_TRACE(released ? "released" : "held");
        // flock locks belong to the open file: a lock of this descriptor holds off the
        // store's own as another program's would.
        int other = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        ASSERT_EQ(::flock(other, LOCK_EX), 0);
        int seenWaiting = 0;
        RegistryFileStore store(file);
        if (released) {
            // A wait far longer than any test runs: only the release ends it.
            store.setSaveLockWait(std::chrono::minutes(10), [&] {
                ++seenWaiting;
                ::close(std::exchange(other, -1));
            });
        } else {
            store.setSaveLockWait(std::chrono::milliseconds(50), [&] { ++seenWaiting; });
        }
        RegistryKey key(store, "SOFTWARE\\Velmar\\PowerBall");
        key.writeString("URLEdit", released ? "http://after" : "http://never");
        if (released) {
            EXPECT_NO_THROW(key.close());
            EXPECT_EQ(seenWaiting, 1) << "the save went on without waiting for the lock";
            EXPECT_THAT(readText(file), HasSubstr("http://after"));
        } else {
            try {
                key.close();
                ADD_FAILURE() << "a save went on while another held the lock";
            } catch (const RegistryError& error) {
                EXPECT_THAT(error.what(), HasSubstr("busy"));
                EXPECT_THAT(error.what(), HasSubstr(file.string()));
            }
            EXPECT_THAT(readText(file), ::testing::Not(HasSubstr("http://never")));
            ::close(other);
        }
    }
}

// A save that was killed between writing its temporary and the rename leaves the temporary;
// the next save clears it, and only names of that form.
TEST_F(RegistryFileStoreTest, TheNextSaveRemovesTemporariesOfAKilledOne) {
    std::filesystem::create_directories(file.parent_path());
    const std::vector<std::pair<std::string, bool>> names{
        {"registry.reg.4711.3.tmp", true},
        {"registry.reg.notes.tmp", false},
        {"registry.reg.4711.tmp", false},
        {"other.reg.4711.3.tmp", false},
    };
    for (const auto& [name, removed] : names)
        writeText(file.parent_path() / name, "left");
    RegistryFileStore store(file);
    ASSERT_EQ(Settings::save(startUp(store), store), std::nullopt);
    for (const auto& [name, removed] : names)
        EXPECT_EQ(std::filesystem::exists(file.parent_path() / name), !removed) << name;
}

// The click tool's values may hold a password: the file is the owner's alone, also when an
// older one was readable by others.
TEST_F(RegistryFileStoreTest, OnlyItsOwnerCanReadTheFile) {
    namespace fs = std::filesystem;
    constexpr auto others = fs::perms::group_all | fs::perms::others_all;
    RegistryFileStore store(file);
    store.setValue("SOFTWARE\\Velmar\\Klickwerk\\Settings", "ZudarAvodaText2",
                   {static_cast<std::uint32_t>(RegistryType::String), {'p', 'w'}});
    store.flush();
    EXPECT_EQ(fs::status(file).permissions() & others, fs::perms::none);

    fs::permissions(file, fs::perms::group_read | fs::perms::others_read, fs::perm_options::add);
    store.setValue("SOFTWARE\\Velmar\\Klickwerk\\Settings", "ZudarAvodaText1",
                   {static_cast<std::uint32_t>(RegistryType::String), {'x'}});
    store.flush();
    EXPECT_EQ(fs::status(file).permissions() & others, fs::perms::none);
    EXPECT_EQ(fs::status(file).permissions() & fs::perms::owner_all,
              fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(RegistryFileStoreTest, UmlautsAndEveryValueSurviveARestart) {
    AppState state;
    {
        RegistryFileStore store(file);
        state = startUp(store);
        state.internet.proxyHost = "Müller-Straße \"7\" \\ Ä";
        state.tips.setLine(3, "1,2,3,4,5,6,7");
        state.startDate = DrawCalendar::dayNumber(2019, 3, 2);
        ASSERT_EQ(Settings::save(state, store), std::nullopt);
    }
    EXPECT_THAT(readText(file), HasSubstr("Müller-Straße"));
    RegistryFileStore store(file);
    EXPECT_EQ(Settings::values(startUp(store)), Settings::values(state));
}

TEST_F(RegistryFileStoreTest, ADamagedFileIsKeptAsideAndTheProgramStartsWithDefaults) {
    std::filesystem::create_directories(file.parent_path());
    const std::string damaged = "REGEDIT4\n[HKEY_CURRENT_USER\\SOFTWARE\\Velmar\\PowerBall]\n"
                                "\"Sprache\"=dword:00000003\n\"UpDown12\"=dword:zz\n";
    writeText(file, damaged);
    {
        RegistryFileStore store(file);
        AppState state = startUp(store);
        EXPECT_EQ(state.languageIndex, 2);
        EXPECT_THAT(state.status[1], HasSubstr("registry.reg.damaged"));
        EXPECT_THAT(state.status[1], HasSubstr("line 4"));
        EXPECT_EQ(readText(file.string() + ".damaged"), damaged);
        EXPECT_FALSE(std::filesystem::exists(file));
        ASSERT_EQ(Settings::save(state, store), std::nullopt);
    }
    EXPECT_NO_THROW(RegistryFileFormat::parse(readText(file)));

    writeText(file, "kaputt");
    RegistryFileStore again(file);
    EXPECT_THAT(again.notice(), HasSubstr("registry.reg.damaged-2"));
    EXPECT_EQ(readText(file.string() + ".damaged"), damaged);
}

TEST_F(RegistryFileStoreTest, AFileThatCannotBeReadIsNeverReplaced) {
    std::filesystem::create_directories(file);
    RegistryFileStore store(file);
    AppState state = startUp(store);
    EXPECT_THAT(state.status[1], HasSubstr("nicht lesbar"));
    EXPECT_EQ(state.settings, CalculationSettings{});
    EXPECT_NE(Settings::save(state, store), std::nullopt);
    EXPECT_TRUE(std::filesystem::is_directory(file));
}

TEST_F(RegistryFileStoreTest, KeysOtherProgramsWroteMeanwhileSurvive) {
    std::filesystem::create_directories(file.parent_path());
    writeText(file, "REGEDIT4\n\n[HKEY_CURRENT_USER\\SOFTWARE\\Velmar\\Pilotex]\n"
                    "\"Liste\"=hex(7):41,00,00,00\n");
    RegistryFileStore program(file);
    const AppState state = startUp(program);
    {
        RegistryFileStore clickTool(file);
        RegistryKey key(clickTool, "SOFTWARE\\Velmar\\Pilotex");
        key.writeString("Pfad", "/opt/pilotex");
        key.close();
    }
    ASSERT_EQ(Settings::save(state, program), std::nullopt);
    const std::string text = readText(file);
    EXPECT_THAT(text, HasSubstr("\"Liste\"=hex(7):41,00,00,00\r\n"));
    EXPECT_THAT(text, HasSubstr("\"Pfad\"=\"/opt/pilotex\"\r\n"));
    EXPECT_THAT(text, HasSubstr("\"Sprache\"=dword:00000002\r\n"));
}

TEST_F(RegistryFileStoreTest, ANewFileNamedWithoutAFolderIsCreatedInTheCurrentOne) {
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());
    RegistryFileStore store("registry.reg");
    RegistryKey key(store, Settings::kKey);
    key.writeString("URLEdit", "http://update.example");
    EXPECT_NO_THROW(key.close());
    std::filesystem::current_path(before);
    EXPECT_THAT(readText(folder.file("registry.reg")), HasSubstr("\"URLEdit\"="));
}

TEST_F(RegistryFileStoreTest, ALinkedFileStaysALink) {
    const std::filesystem::path real = folder.file("dotfiles.reg");
    writeText(real, "REGEDIT4\n");
    std::filesystem::create_directories(file.parent_path());
    std::filesystem::create_symlink(real, file);
    RegistryFileStore store(file);
    ASSERT_EQ(Settings::save(startUp(store), store), std::nullopt);
    EXPECT_TRUE(std::filesystem::is_symlink(file));
    EXPECT_THAT(readText(real), HasSubstr("Chekcbox1"));
}

TEST_F(RegistryFileStoreTest, AValueOfAnotherTypeCannotBeRead) {
    std::filesystem::create_directories(file.parent_path());
    writeText(file, "REGEDIT4\n[HKEY_CURRENT_USER\\K]\n\"Text\"=\"5\"\n\"Zahl\"=dword:00000005\n"
                    "\"Vier\"=hex:00,00,80,3f\n");
    RegistryFileStore store(file);
    const RegistryKey key(store, "k");
    EXPECT_EQ(key.readString("Text"), "5");
    EXPECT_EQ(key.readInteger("Zahl"), 5);
    EXPECT_EQ(key.readBool("zahl"), true);
    EXPECT_EQ(key.readInteger("Fehlt"), std::nullopt);
    EXPECT_THROW(key.readInteger("Text"), RegistryError);
    EXPECT_THROW(key.readBool("Text"), RegistryError);
    EXPECT_THROW(key.readString("Zahl"), RegistryError);
    EXPECT_THROW(key.readDate("Zahl"), RegistryError);
    EXPECT_THROW(key.readDate("Vier"), RegistryError); // a date takes eight bytes
}

// The rule with a home of the test's own: every check runs on every machine, and the
// process's environment stays as it is.
TEST(RegistryFileStore, DefaultPathFollowsTheConfigHome) {
    const TempFolder home;
    const std::string homePath = home.path().string();
    const std::filesystem::path inHome = home.path() / ".config/Velmar/registry.reg";
    const std::filesystem::path configHome = home.file("config");

    EXPECT_EQ(RegistryFileStore::defaultPathFor(configHome.c_str(), homePath.c_str()),
              configHome / "Velmar/registry.reg");
    EXPECT_EQ(RegistryFileStore::defaultPathFor(configHome.c_str(), nullptr),
              configHome / "Velmar/registry.reg"); // no home needed then
    // A relative, empty or unset config home: the home's .config.
    EXPECT_EQ(RegistryFileStore::defaultPathFor("relative", homePath.c_str()), inHome);
    EXPECT_EQ(RegistryFileStore::defaultPathFor("", homePath.c_str()), inHome);
    EXPECT_EQ(RegistryFileStore::defaultPathFor(nullptr, homePath.c_str()), inHome);
    // Neither: no place for the settings.
    EXPECT_THROW(RegistryFileStore::defaultPathFor(nullptr, nullptr), RegistryError);
    EXPECT_THROW(RegistryFileStore::defaultPathFor("relative", ""), RegistryError);
}

} // namespace
