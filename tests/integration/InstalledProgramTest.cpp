// The program as a package installs it: `cmake --install` into a temporary prefix, then the
// installed powerball-cli run with a temporary home, as a user who just installed it.
#include "ChildProcess.h"
#include "TempFolder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>

using powerball::testing::readText;
using powerball::testing::runProgram;
using powerball::testing::TempFolder;
using powerball::testing::writeText;

namespace {

namespace fs = std::filesystem;

class InstalledProgram : public ::testing::Test {
protected:
    void SetUp() override {
        const auto install = runProgram(
            CMAKE_COMMAND, {"--install", POWERBALL_BUILD_DIR, "--prefix", prefix.string()});
        ASSERT_EQ(install.exitCode, 0) << install.out << install.err;
    }

    // The installed CLI with the temporary home and nothing else of the test's XDG folders.
    nlohmann::json cli(const std::vector<std::string>& arguments) const {
        std::vector<std::string> all{"--json"};
        all.insert(all.end(), arguments.begin(), arguments.end());
        const auto run =
            runProgram(prefix / "bin" / "powerball-cli", all,
                       {"HOME=" + home.string(), "XDG_DATA_HOME=", "XDG_CONFIG_HOME="});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        return nlohmann::json::parse(run.out, nullptr, false);
    }

    std::size_t drawCount() const { return cli({"draws"})["draws"].size(); }

    TempFolder temp;
    fs::path prefix = temp.path() / "prefix";
    fs::path home = temp.path() / "home";
    fs::path userFolder = home / ".local" / "share" / "Velmar" / "PowerBall";
    fs::path shipped = prefix / "share" / "velmar-powerball";
};

TEST_F(InstalledProgram, LaysOutTheDesktopFiles) {
    for (const char* file :
         {"bin/powerball-cli", "bin/powerball-server", "share/velmar-powerball/powerball-draws.csv",
          "share/velmar-powerball/yippee.wav", "share/velmar-powerball/Land/powerball.txt",
          "share/velmar-powerball/Land/Power_en.txt.meld",
          "share/velmar-powerball/Script/Beispiel.vks",
          "share/applications/de.velmar.powerball.desktop",
          "share/metainfo/de.velmar.powerball.metainfo.xml",
          "share/icons/hicolor/scalable/apps/de.velmar.powerball.svg",
          "share/icons/hicolor/48x48/apps/de.velmar.powerball.png",
          "share/icons/hicolor/128x128/apps/de.velmar.powerball.png",
          "share/icons/hicolor/256x256/apps/de.velmar.powerball.png",
          "share/man/man1/powerball-cli.1.gz", "share/man/man1/powerball-server.1.gz",
          "share/doc/velmar-powerball/copyright", "share/doc/velmar-powerball/changelog.gz",
          "share/doc/velmar-powerball/powerball-server.service"})
        EXPECT_TRUE(fs::is_regular_file(prefix / file)) << file;
    // The draw file is made in each user's folder, never shipped.
    EXPECT_FALSE(fs::exists(prefix / "bin" / "Powerball.dat"));
}

TEST_F(InstalledProgram, SeedsTheUsersFolderOnceAndAnUpgradeAddsOnlyNewDraws) {
    const nlohmann::json paths = cli({"paths"});
    EXPECT_EQ(paths["source"], "user");
    EXPECT_EQ(paths["program_folder"], userFolder.string());
    EXPECT_EQ(paths["settings_file"], (home / ".config" / "Velmar" / "registry.reg").string());
    EXPECT_EQ(paths["installed_data"], shipped.string());
    for (const char* file : {"Powerball.dat", "yippee.wav", "Land/powerball.txt",
                             "Land/Power_de.txt", "Script/Beispiel.vks"})
        EXPECT_TRUE(fs::is_regular_file(userFolder / file)) << file;

    // Every line of the bundled history but its header is a draw.
    const std::string csv = readText(shipped / "powerball-draws.csv");
    const auto bundled = static_cast<std::size_t>(std::count(csv.begin(), csv.end(), '\n')) - 1;
    EXPECT_EQ(drawCount(), bundled);

    // The user deletes a draw and changes a sound: the next start seeds nothing again.
    EXPECT_EQ(cli({"delete", "--date", "2015-10-10"})["removed"], 1);
    writeText(userFolder / "yippee.wav", "my own sound");
    EXPECT_EQ(drawCount(), bundled - 1);
    EXPECT_EQ(readText(userFolder / "yippee.wav"), "my own sound");

    // A newer package ships two later draws.
    std::ofstream(shipped / "powerball-draws.csv", std::ios::app)
        << "2026-08-08,1,2,3,4,5,6,2\n2026-08-10,7,8,9,10,11,12,3\n";
    EXPECT_EQ(drawCount(), bundled + 1);
    const nlohmann::json last = cli({"draws"})["draws"].back();
    EXPECT_EQ(last["date"], "2026-08-10");
    EXPECT_EQ(drawCount(), bundled + 1) << "the upgrade is merged once";
}

TEST_F(InstalledProgram, AFolderGivenOrBesideTheProgramIsUsedAsItIs) {
    const nlohmann::json given = cli({"--folder", (temp.path() / "mine").string(), "paths"});
    EXPECT_EQ(given["source"], "option");
    EXPECT_FALSE(fs::exists(userFolder));

    // A portable copy: the draw file beside the executable.
    writeText(prefix / "bin" / "Powerball.dat", "");
    const nlohmann::json portable = cli({"paths"});
    EXPECT_EQ(portable["source"], "program");
    EXPECT_EQ(portable["program_folder"], (prefix / "bin").string());
    EXPECT_FALSE(fs::exists(userFolder));
}

} // namespace
