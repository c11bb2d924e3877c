#include "app/ProgramFolder.h"
#include "app/UserFolderSeed.h"
#include "draws/DrawHistory.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <latch>
#include <thread>

using namespace powerball;
using powerball::testing::day;
using powerball::testing::draw;
using powerball::testing::readText;
using powerball::testing::TempFolder;
using powerball::testing::writeText;

namespace {

namespace fs = std::filesystem;

TEST(ProgramFolder, TheOptionThenADrawFileBesideTheProgramThenTheUsersFolder) {
    TempFolder temp;
    const fs::path bin = temp.path() / "prefix" / "bin";
    fs::create_directories(bin);
    const ProgramFolder::Environment environment{std::nullopt, "/home/ann"};

    const ProgramFolder given = ProgramFolder::choose(temp.path() / "mine", bin, environment);
    EXPECT_EQ(given.source, ProgramFolder::Source::Option);
    EXPECT_EQ(given.folder, temp.path() / "mine");
    EXPECT_EQ(given.installedData, temp.path() / "prefix" / "share" / "velmar-powerball");

    const ProgramFolder installed = ProgramFolder::choose(std::nullopt, bin, environment);
    EXPECT_EQ(installed.source, ProgramFolder::Source::PerUser);
    EXPECT_EQ(installed.folder, "/home/ann/.local/share/Velmar/PowerBall");

    writeText(bin / "Powerball.dat", "");
    const ProgramFolder portable = ProgramFolder::choose(std::nullopt, bin, environment);
    EXPECT_EQ(portable.source, ProgramFolder::Source::BesideProgram);
    EXPECT_EQ(portable.folder, bin);
}

TEST(ProgramFolder, PerUserFolderFollowsTheXdgRules) {
    struct Case {
        std::optional<std::string> xdgDataHome;
        std::optional<std::string> home;
        const char* expected; // nullptr: no folder to be had
    };
    const Case cases[] = {
        {"/data/ann", "/home/ann", "/data/ann/Velmar/PowerBall"},
        {std::nullopt, "/home/ann", "/home/ann/.local/share/Velmar/PowerBall"},
        // A relative XDG_DATA_HOME is to be ignored.
        {"relative/data", "/home/ann", "/home/ann/.local/share/Velmar/PowerBall"},
        {"/data/ann", std::nullopt, "/data/ann/Velmar/PowerBall"},
        {std::nullopt, std::nullopt, nullptr},
        {"relative", "", nullptr},
    };
    for (const Case& c : cases) {
        const ProgramFolder::Environment environment{c.xdgDataHome, c.home};
        if (c.expected)
            EXPECT_EQ(ProgramFolder::perUserFolder(environment), c.expected);
        else
            EXPECT_THROW(ProgramFolder::perUserFolder(environment), std::runtime_error);
    }
}

// What a package installs into share/velmar-powerball.
struct InstalledData {
    explicit InstalledData(const TempFolder& temp) : path(temp.path() / "share") {
        writeText(path / "yippee.wav", "RIFF-sound");
        writeText(path / "Land" / "powerball.txt", "index");
        writeText(path / "Land" / "Power_en.txt", "english");
        writeText(path / "Script" / "Beispiel.vks", "script");
        writeHistory({"2015-10-07,18,30,40,48,52,9,2", "2015-10-10,12,27,29,43,68,13,3",
                      "2015-10-14,1,7,27,32,50,15,2"});
    }
    void writeHistory(const std::vector<std::string>& lines) const {
        std::string csv = "date,white1,white2,white3,white4,white5,powerball,power_play\n";
        for (const std::string& line : lines)
            csv += line + "\n";
        writeText(path / "powerball-draws.csv", csv);
    }
    fs::path path;
};

std::vector<std::string> storedDates(const fs::path& folder) {
    std::vector<std::string> dates;
    for (const DrawRecord& record : DrawHistory::inFolder(folder).readAll())
        dates.push_back(powerball::testing::iso(record.date));
    return dates;
}

TEST(UserFolderSeed, FirstStartPlacesEverythingAndKeepsWhatIsThere) {
    TempFolder temp;
    const InstalledData installed(temp);
    const fs::path user = temp.path() / "user" / "Velmar" / "PowerBall";
    // A language file the user already has stays the user's.
    writeText(user / "Land" / "Power_en.txt", "my english");

    const UserFolderSeed::Report report = UserFolderSeed::seed(user, installed.path);

    EXPECT_TRUE(report.installedDataFound);
    EXPECT_TRUE(report.historyMerged);
    EXPECT_EQ(report.drawsAdded, 3u);
    EXPECT_EQ(storedDates(user),
              (std::vector<std::string>{"2015-10-07", "2015-10-10", "2015-10-14"}));
    EXPECT_EQ(readText(user / "yippee.wav"), "RIFF-sound");
    EXPECT_EQ(readText(user / "Land" / "powerball.txt"), "index");
    EXPECT_EQ(readText(user / "Land" / "Power_en.txt"), "my english");
    EXPECT_EQ(readText(user / "Script" / "Beispiel.vks"), "script");
    auto copied = report.filesCopied;
    std::sort(copied.begin(), copied.end());
    EXPECT_EQ(copied,
              (std::vector<fs::path>{"Land/powerball.txt", "Script/Beispiel.vks", "yippee.wav"}));
    for (const auto& entry : fs::recursive_directory_iterator(user))
        EXPECT_EQ(entry.path().filename().string().find(".part"), std::string::npos)
            << entry.path();
}

// Starts at once (two windows restored with a session, a script starting the command line in
// parallel) each seed the same new folder; every one succeeds and the folder ends up as one
// start alone leaves it. They used to share one temporary name and failed now and then.
TEST(UserFolderSeed, StartsAtOnceAllSucceed) {
    constexpr int kRounds = 20;
    constexpr int kStarts = 4;
    TempFolder temp;
    const InstalledData installed(temp);
    for (int round = 0; round < kRounds; ++round) {
        const fs::path user = temp.path() / ("user" + std::to_string(round));
        std::latch together(kStarts);
        std::vector<std::string> failures(kStarts);
        std::vector<std::thread> starts;
        for (int k = 0; k < kStarts; ++k)
            starts.emplace_back([&, k] {
                together.arrive_and_wait();
                try {
                    UserFolderSeed::seed(user, installed.path);
                } catch (const std::exception& failure) {
                    failures[static_cast<std::size_t>(k)] = failure.what();
                }
            });
        for (std::thread& start : starts)
            start.join();
        for (const std::string& failure : failures)
            EXPECT_EQ(failure, "") << "round " << round;
        EXPECT_EQ(storedDates(user),
                  (std::vector<std::string>{"2015-10-07", "2015-10-10", "2015-10-14"}));
        EXPECT_EQ(readText(user / "Land" / "powerball.txt"), "index");
    }
}

TEST(UserFolderSeed, LaterStartsKeepTheUsersChangesAndAnUpgradeAddsOnlyNewDraws) {
    TempFolder temp;
    InstalledData installed(temp);
    const fs::path user = temp.path() / "user";
    UserFolderSeed::seed(user, installed.path);

    // The user corrects one draw and deletes another; the same package starts again.
    const DrawHistory history = DrawHistory::inFolder(user);
    history.insertOrReplace(draw("2015-10-07", {1, 2, 3, 4, 5}, 6, 4));
    history.removeDate(day("2015-10-10"));
    const UserFolderSeed::Report again = UserFolderSeed::seed(user, installed.path);
    EXPECT_FALSE(again.historyMerged);
    EXPECT_TRUE(again.filesCopied.empty());
    EXPECT_EQ(storedDates(user), (std::vector<std::string>{"2015-10-07", "2015-10-14"}));

    // A newer package: two later draws, and a changed older one.
    installed.writeHistory({"2015-10-07,18,30,40,48,52,9,5", "2015-10-10,12,27,29,43,68,13,3",
                            "2015-10-14,1,7,27,32,50,15,2", "2015-10-17,8,10,17,33,44,7,2",
                            "2015-10-21,3,9,11,39,69,26,4"});
    const UserFolderSeed::Report upgrade = UserFolderSeed::seed(user, installed.path);
    EXPECT_TRUE(upgrade.historyMerged);
    EXPECT_EQ(upgrade.drawsAdded, 2u);
    const auto records = history.readAll();
    EXPECT_EQ(storedDates(user),
              (std::vector<std::string>{"2015-10-07", "2015-10-14", "2015-10-17", "2015-10-21"}));
    EXPECT_EQ(records.front().numbers, draw("2015-10-07", {1, 2, 3, 4, 5}, 6, 4).numbers)
        << "the user's correction stays";
    EXPECT_EQ(records.back(), draw("2015-10-21", {3, 9, 11, 39, 69}, 26, 4));
}

// A later package with new language texts reaches the user, except in files the user made
// or changed: those stay as they are.
TEST(UserFolderSeed, AnUpgradeRenewsOnlyTheFilesTheUserLeftAsPlaced) {
    TempFolder temp;
    InstalledData installed(temp);
    const fs::path user = temp.path() / "user";
    writeText(user / "Land" / "Power_en.txt", "my english"); // there before the first start
    UserFolderSeed::seed(user, installed.path);
    writeText(user / "Script" / "Beispiel.vks", "my script");

    writeText(installed.path / "Land" / "powerball.txt", "index 2");
    writeText(installed.path / "Land" / "Power_en.txt", "english 2");
    writeText(installed.path / "Script" / "Beispiel.vks", "script 2");
    const UserFolderSeed::Report upgrade = UserFolderSeed::seed(user, installed.path);
    EXPECT_EQ(upgrade.filesRenewed, (std::vector<fs::path>{"Land/powerball.txt"}));
    EXPECT_TRUE(upgrade.filesCopied.empty());
    EXPECT_EQ(readText(user / "Land" / "powerball.txt"), "index 2");
    EXPECT_EQ(readText(user / "Land" / "Power_en.txt"), "my english");
    EXPECT_EQ(readText(user / "Script" / "Beispiel.vks"), "my script");
    EXPECT_EQ(readText(user / "yippee.wav"), "RIFF-sound");
    for (const auto& entry : fs::recursive_directory_iterator(user))
        EXPECT_NE(entry.path().extension(), ".part") << entry.path();

    // The same package again renews nothing, even where the user's copy differs.
    EXPECT_TRUE(UserFolderSeed::seed(user, installed.path).filesRenewed.empty());

    // Without the checksums a file equal to the package's is taken as placed, so the next
    // package renews it; the others still count as the user's.
    fs::remove(user / UserFolderSeed::kPlacedFilesFile);
    EXPECT_TRUE(UserFolderSeed::seed(user, installed.path).filesRenewed.empty());
    writeText(installed.path / "Land" / "powerball.txt", "index 3");
    writeText(installed.path / "Script" / "Beispiel.vks", "script 3");
    const UserFolderSeed::Report next = UserFolderSeed::seed(user, installed.path);
    EXPECT_EQ(next.filesRenewed, (std::vector<fs::path>{"Land/powerball.txt"}));
    EXPECT_EQ(readText(user / "Script" / "Beispiel.vks"), "my script");
}

TEST(UserFolderSeed, DamagedStampOrHistoryLosesNothing) {
    TempFolder temp;
    InstalledData installed(temp);
    const fs::path user = temp.path() / "user";
    UserFolderSeed::seed(user, installed.path);
    DrawHistory::inFolder(user).removeDate(day("2015-10-10"));

    // A stamp that cannot be read costs a merge of every missing date, nothing more.
    writeText(user / UserFolderSeed::kStampFile, "\x01garbage");
    installed.writeHistory({"2015-10-07,18,30,40,48,52,9,2", "2015-10-10,12,27,29,43,68,13,3",
                            "2015-10-14,1,7,27,32,50,15,2", "2015-10-17,8,10,17,33,44,7,2"});
    EXPECT_EQ(UserFolderSeed::seed(user, installed.path).drawsAdded, 2u);
    EXPECT_EQ(storedDates(user).size(), 4u);

    // A broken bundled history is refused as a whole and the user's file stays as it was.
    const std::string before = readText(user / "Powerball.dat");
    installed.writeHistory({"2015-10-24,1,2,3,4,5,6,2", "2015-10-28,not,a,draw"});
    EXPECT_THROW(UserFolderSeed::seed(user, installed.path), std::runtime_error);
    EXPECT_EQ(readText(user / "Powerball.dat"), before);
}

TEST(UserFolderSeed, WithoutInstalledDataTheFolderIsStillMade) {
    TempFolder temp;
    const fs::path user = temp.path() / "a" / "b";
    const UserFolderSeed::Report report = UserFolderSeed::seed(user, temp.path() / "nothing");
    EXPECT_TRUE(report.folderCreated);
    EXPECT_FALSE(report.installedDataFound);
    EXPECT_TRUE(fs::is_directory(user));
}

TEST(UserFolderSeed, AFolderThatCannotBeMadeIsNamedInTheFailure) {
    TempFolder temp;
    writeText(temp.path() / "file", "not a folder");
    ProgramFolder chosen;
    chosen.folder = temp.path() / "file" / "PowerBall";
    chosen.source = ProgramFolder::Source::PerUser;
    const auto failure = chosen.prepare();
    ASSERT_TRUE(failure);
    EXPECT_NE(failure->find((temp.path() / "file" / "PowerBall").string()), std::string::npos);
}

} // namespace
