// --lang: the commands speak a language's message file; without it the built-in German.
#include "ChildProcess.h"
#include "TempFolder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using nlohmann::json;
using powerball::testing::runProgram;
using powerball::testing::TempFolder;

namespace fs = std::filesystem;

namespace {

json messages(const TempFolder& folder, std::vector<std::string> language) {
    std::vector<std::string> arguments{"--folder", folder.path().string(), "--settings",
                                       folder.file("settings.reg").string(), "--json"};
    arguments.insert(arguments.end(), language.begin(), language.end());
    arguments.push_back("messages");
    const auto run = runProgram(POWERBALL_CLI, arguments);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return json::parse(run.out)["messages"];
}

TEST(LanguageCli, MessagesComeInTheChosenLanguage) {
    TempFolder folder;
    fs::copy(fs::path(POWERBALL_SOURCE_DIR) / "data" / "Land", folder.file("Land"));
    EXPECT_EQ(messages(folder, {})[42], "Stoppen");
    EXPECT_EQ(messages(folder, {"--lang", "2"})[42], "Stop");
    EXPECT_EQ(messages(folder, {"--lang", "1"})[42], "Stoppen");
    EXPECT_EQ(messages(folder, {"--lang", "2"}).size(), 158u);
    EXPECT_EQ(messages(folder, {"--lang", "2"})[93], "Import draws");

    const auto wrong = runProgram(POWERBALL_CLI, {"--lang", "10", "messages"});
    EXPECT_EQ(wrong.exitCode, 1);
}

} // namespace
