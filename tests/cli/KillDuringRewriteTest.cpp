// powerball-cli killed with SIGKILL at random moments while it rewrites the draw file or
// saves the settings: the file is always the old one or the new one, byte for byte, and what
// a killed writer leaves behind is cleared by the next start or save.
#include "ChildProcess.h"
#include "TempFolder.h"

#include "draws/DrawHistory.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <fstream>
#include <iterator>
#include <ostream>
#include <random>
#include <thread>

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

// The rounds run in a few lanes at once, each in a folder of its own: the writers spend most
// of their time waiting for the disk, so the lanes share the machine well.
constexpr int kLanes = 4;
constexpr int kRoundsPerLane = 50;

class KillDuringRewrite : public ::testing::TestWithParam<Rewrite> {
protected:
    void SetUp() override {
        history = realHistory();
        for (int lane = 0; lane < kLanes; ++lane) {
            const fs::path dir = laneFolder(lane);
            fs::create_directories(dir);
            std::ofstream draws(dir / "Powerball.dat", std::ios::binary);
            for (const DrawRecord& record : history) {
                const auto bytes = record.encode();
                draws.write(reinterpret_cast<const char*>(bytes.data()),
                            static_cast<std::streamsize>(bytes.size()));
            }
            std::ofstream csv(dir / "new-draws.csv");
            for (const char* date : {"2030-01-02", "2030-01-05", "2030-01-09", "2030-01-12"})
                csv << date << ",4,8,15,16,23,10,2\n";
            writeText(dir / "settings.reg", "REGEDIT4\r\n\r\n"
                                            "[HKEY_CURRENT_USER\\SOFTWARE\\Velmar\\PowerBall]\r\n"
                                            "\"URLEdit\"=\"http://127.0.0.1:1\"\r\n");
        }
    }

    fs::path laneFolder(int lane) const { return folder.file("lane" + std::to_string(lane)); }

    // LAST stands for the newest stored draw's date, CSV for the lane's import file.
    std::vector<std::string> cli(const fs::path& dir, const std::vector<std::string>& more) const {
        std::vector<std::string> arguments{"--folder",   dir.string(),
                                           "--settings", (dir / "settings.reg").string(),
                                           "--today",    "2031-01-01"};
        for (const std::string& argument : more)
            arguments.push_back(argument == "LAST"  ? iso(history.back().date)
                                : argument == "CSV" ? (dir / "new-draws.csv").string()
                                                    : argument);
        return arguments;
    }

    std::vector<std::string> leftovers(const fs::path& dir, const Rewrite& rewrite) const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir)) {
            const std::string name = entry.path().filename().string();
            const bool known = name == "Powerball.dat" || name == "settings.reg" ||
                               name == "new-draws.csv" || name.ends_with(".lock");
            if (!known) {
                names.push_back(name);
                EXPECT_TRUE(rewrite.isLeftover(name)) << "a stray file: " << name;
            }
        }
        return names;
    }

    TempFolder folder;
    std::vector<DrawRecord> history;
};

TEST_P(KillDuringRewrite, LeavesTheOldOrTheNewFile) {
    const Rewrite& rewrite = GetParam();
    const fs::path first = laneFolder(0);
    const std::string oldBytes = readText(first / rewrite.file);

    // The new file, from a run that is not killed, and how long such a run takes.
    const auto started = std::chrono::steady_clock::now();
    const ProgramRun whole = runProgram(POWERBALL_CLI, cli(first, rewrite.arguments));
    const auto duration = std::chrono::duration_cast<std::chrono::microseconds>(
        std::chrono::steady_clock::now() - started);
    ASSERT_EQ(whole.exitCode, 0) << whole.err;
    const std::string newBytes = readText(first / rewrite.file);
    ASSERT_NE(newBytes, oldBytes);

    // Kills spread over the whole run, from the start to a little after its usual end.
    std::atomic<int> killed = 0, oldSeen = 0, newSeen = 0, leftBehind = 0;
    std::vector<std::thread> lanes;
    for (int lane = 0; lane < kLanes; ++lane) {
        lanes.emplace_back([&, lane] {
            const fs::path dir = laneFolder(lane);
            std::mt19937 random(20261210 + lane);
            std::uniform_int_distribution<long> delay(0, duration.count() * 6 / 5);
            for (int round = 0; round < kRoundsPerLane; ++round) {
                writeText(dir / rewrite.file, oldBytes);
                killed += runAndKill(POWERBALL_CLI, cli(dir, rewrite.arguments),
                                     std::chrono::microseconds(delay(random)));
                const std::string bytes = readText(dir / rewrite.file);
                if (bytes != oldBytes && bytes != newBytes) {
                    ADD_FAILURE() << "lane " << lane << ", round " << round << ": a file of "
                                  << bytes.size() << " bytes, neither the old (" << oldBytes.size()
                                  << ") nor the new (" << newBytes.size() << ")";
                    return;
                }
                oldSeen += bytes == oldBytes;
                newSeen += bytes == newBytes;
                leftBehind += !leftovers(dir, rewrite).empty();
            }
        });
    }
    for (std::thread& lane : lanes)
        lane.join();
    RecordProperty("killed", killed.load());
    RecordProperty("old", oldSeen.load());
    RecordProperty("new", newSeen.load());
    RecordProperty("leftovers", leftBehind.load());
    EXPECT_GT(killed, 0) << "no run was killed: the delays are too long to test anything";

    // The next start (and save) clears what killed writers left.
    for (int lane = 0; lane < kLanes; ++lane) {
        const fs::path dir = laneFolder(lane);
        writeText(dir / rewrite.file, oldBytes);
        ASSERT_EQ(runProgram(POWERBALL_CLI, cli(dir, rewrite.arguments)).exitCode, 0);
        EXPECT_EQ(leftovers(dir, rewrite), std::vector<std::string>{});
        EXPECT_EQ(readText(dir / rewrite.file), newBytes);
    }
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
                {"settings", "set", "URLEdit", "http://127.0.0.1:2"},
                "settings.reg",
                settingsTemporary}),
    [](const ::testing::TestParamInfo<Rewrite>& info) { return std::string(info.param.name); });

} // namespace
