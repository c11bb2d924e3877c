// powerball-cli killed with SIGKILL while it rewrites the draw file or saves the settings:
// the file is always the old one or the new one, byte for byte, and what a killed writer
// leaves behind is cleared by the next start or save.
//
// The program is killed at each step that changes a file of its folder in turn (a preloaded
// shim counts the writes, flushes, renames and removals, and kills it just before the Nth),
// so every state a kill can leave the files in is reached, whatever the machine's load,
// instead of kills at moments taken from one timed run.
#include "ChildProcess.h"
#include "TempFolder.h"

#include "draws/DrawHistory.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <map>
#include <ostream>

using namespace powerball;
using namespace powerball::testing;
namespace fs = std::filesystem;

namespace {

struct Rewrite {
    const char* name;
    std::vector<std::string> arguments;
    const char* file; // the file the command replaces
    // A file a killed writer may leave, which the next start or save removes.
    bool (*isLeftover)(const std::string& name);
};

// Names the case in test listings, which would otherwise show the pointers it holds.
void PrintTo(const Rewrite& rewrite, std::ostream* out) {
    *out << rewrite.name;
}

bool drawTemporary(const std::string& name) {
    return name.starts_with(DrawHistory::kInsertTemporary) ||
           name.starts_with(DrawHistory::kRemoveTemporary);
}

bool settingsTemporary(const std::string& name) {
    return name.starts_with("settings.reg.") && name.ends_with(".tmp");
}

// No rewrite comes near this many steps; a run that is still killed there never ends.
constexpr int kMostKillPoints = 1000;

// Under AddressSanitizer the program refuses to start when a preloaded library comes before
// the sanitizer's runtime; the shim only passes calls on, so that order is harmless here.
std::string sanitizerOptions() {
    const char* given = std::getenv("ASAN_OPTIONS");
    return std::string("ASAN_OPTIONS=") + (given && *given ? std::string(given) + ":" : "") +
           "verify_asan_link_order=0";
}

// The files of a folder with their bytes, lock files left out (they come and stay by design).
using Files = std::map<std::string, std::string>;

class KillDuringRewrite : public ::testing::TestWithParam<Rewrite> {
protected:
    void SetUp() override {
        history = realHistory();
        std::ofstream draws(dir / "Powerball.dat", std::ios::binary);
        for (const DrawRecord& record : history) {
            const auto bytes = record.encode();
            draws.write(reinterpret_cast<const char*>(bytes.data()),
                        static_cast<std::streamsize>(bytes.size()));
        }
        draws.close();
        std::ofstream csv(dir / "new-draws.csv");
        for (const char* date : {"2030-01-02", "2030-01-05", "2030-01-09", "2030-01-12"})
            csv << date << ",4,8,15,16,23,10,2\n";
        csv.close();
        // An address no command of this test asks: none of them reaches the network.
        writeText(dir / "settings.reg", "REGEDIT4\r\n\r\n"
                                        "[HKEY_CURRENT_USER\\SOFTWARE\\Velmar\\PowerBall]\r\n"
                                        "\"URLEdit\"=\"http://old.invalid\"\r\n");
        start = files();
    }

    Files files() const {
        Files all;
        for (const auto& entry : fs::directory_iterator(dir))
            if (entry.path().extension() != ".lock")
                all[entry.path().filename().string()] = readText(entry.path());
        return all;
    }

    // The folder as `wanted` has it: the same files with the same bytes, no others.
    void restore(const Files& wanted) const {
        for (const auto& [name, bytes] : files())
            if (!wanted.contains(name))
                fs::remove(dir / name);
        for (const auto& [name, bytes] : wanted)
            writeText(dir / name, bytes);
    }

    // LAST stands for the newest stored draw's date, CSV for the import file.
    std::vector<std::string> cli(const std::vector<std::string>& more) const {
        std::vector<std::string> arguments{"--folder",   dir.string(),
                                           "--settings", (dir / "settings.reg").string(),
                                           "--today",    "2031-01-01"};
        for (const std::string& argument : more)
            arguments.push_back(argument == "LAST"  ? iso(history.back().date)
                                : argument == "CSV" ? (dir / "new-draws.csv").string()
                                                    : argument);
        return arguments;
    }

    // The rewrite, killed just before its `point`th step on the folder's files (never when it
    // has fewer).
    ProgramRun runKilledAt(const Rewrite& rewrite, int point) const {
        return runProgram(POWERBALL_CLI, cli(rewrite.arguments),
                          {"LD_PRELOAD=" POWERBALL_FAULTSHIM, sanitizerOptions(),
                           "FAULTSHIM_PATH=" + dir.string(),
                           "FAULTSHIM_KILL_AT=" + std::to_string(point)});
    }

    // What the run left besides the known files; each must be of a kind the next start or
    // save removes.
    std::vector<std::string> leftovers(const Rewrite& rewrite) const {
        std::vector<std::string> names;
        for (const auto& [name, bytes] : files())
            if (!start.contains(name)) {
                names.push_back(name);
                EXPECT_TRUE(rewrite.isLeftover(name)) << "a stray file: " << name;
            }
        return names;
    }

    TempFolder folder;
    // As the system names it: the shim finds the files by the paths of their descriptors.
    fs::path dir = fs::canonical(folder.path());
    std::vector<DrawRecord> history;
    Files start; // the folder before the rewrite
};

TEST_P(KillDuringRewrite, LeavesTheOldOrTheNewFile) {
    const Rewrite& rewrite = GetParam();
    const std::string oldBytes = start.at(rewrite.file);

    // The new file, from a run that is not killed.
    const ProgramRun whole = runProgram(POWERBALL_CLI, cli(rewrite.arguments));
    ASSERT_EQ(whole.exitCode, 0) << whole.err;
    const std::string newBytes = readText(dir / rewrite.file);
    ASSERT_NE(newBytes, oldBytes);

    // Killed at each step in turn, from the start of the rewrite as the user leaves it and
    // from the folder a kill left its temporaries in.
    std::vector<Files> beginnings{start};
    int killed = 0, oldSeen = 0, newSeen = 0;
    for (std::size_t b = 0; b < beginnings.size(); ++b) {
        const Files beginning = beginnings[b];
        for (int point = 1;; ++point) {
            SCOPED_TRACE("beginning " + std::to_string(b) + ", killed before step " +
                         std::to_string(point));
            ASSERT_LT(point, kMostKillPoints) << "the rewrite never ends";
            restore(beginning);
            const ProgramRun run = runKilledAt(rewrite, point);
            const std::string bytes = readText(dir / rewrite.file);
            ASSERT_TRUE(bytes == oldBytes || bytes == newBytes)
                << "a file of " << bytes.size() << " bytes, neither the old (" << oldBytes.size()
                << ") nor the new (" << newBytes.size() << ")";
            const std::vector<std::string> left = leftovers(rewrite);
            if (run.signal != SIGKILL) {
                // Fewer steps than `point`: the run went through, and cleared what was left.
                EXPECT_EQ(run.exitCode, 0) << run.err;
                EXPECT_EQ(bytes, newBytes);
                EXPECT_EQ(left, std::vector<std::string>{});
                break;
            }
            ++killed;
            oldSeen += bytes == oldBytes;
            newSeen += bytes == newBytes;
            if (b == 0 && !left.empty() && beginnings.size() == 1) {
                // The first kill that leaves something: the same rewrite again from there.
                Files withLeftovers = files();
                withLeftovers[rewrite.file] = oldBytes;
                beginnings.push_back(withLeftovers);
            }

            // The next start (and save) clears what the killed writer left.
            writeText(dir / rewrite.file, oldBytes);
            const ProgramRun next = runProgram(POWERBALL_CLI, cli(rewrite.arguments));
            ASSERT_EQ(next.exitCode, 0) << next.err;
            EXPECT_EQ(leftovers(rewrite), std::vector<std::string>{});
            EXPECT_EQ(readText(dir / rewrite.file), newBytes);
        }
    }
    RecordProperty("killed", killed);
    RecordProperty("old", oldSeen);
    RecordProperty("new", newSeen);
    // Kills before the file was replaced leave the old one, kills after it the new one.
    EXPECT_GT(oldSeen, 0);
    EXPECT_GT(newSeen, 0);
    EXPECT_EQ(beginnings.size(), 2u) << "no kill left a temporary behind to be cleared";
}

INSTANTIATE_TEST_SUITE_P(
    , KillDuringRewrite,
    ::testing::Values(
        Rewrite{"Enter",
                {"enter", "--date", "2030-01-02", "--white", "1,2,3,4,5", "--pb", "6", "--pp", "2"},
                "Powerball.dat",
                drawTemporary},
        Rewrite{"Delete", {"delete", "--date", "LAST"}, "Powerball.dat", drawTemporary},
        Rewrite{"Import", {"import", "CSV"}, "Powerball.dat", drawTemporary},
        Rewrite{"SettingsSave",
                {"settings", "set", "URLEdit", "http://new.invalid"},
                "settings.reg",
                settingsTemporary}),
    [](const ::testing::TestParamInfo<Rewrite>& info) { return std::string(info.param.name); });

} // namespace
