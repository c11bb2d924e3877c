// The command line's shell starts the click tool with each argument as it stands.
#include "platform/shell/ProcessShell.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <thread>

namespace {

namespace fs = std::filesystem;

// A folder of its own under the temp folder, removed at the end.
class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern = (fs::temp_directory_path() / "shell-test-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("no temp folder");
        m_path = pattern;
    }
    ~ScratchFolder() {
        std::error_code ignored;
        fs::remove_all(m_path, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const fs::path& path() const { return m_path; }

private:
    fs::path m_path;
};

// The stand-in tool under the name the program starts, ready to run.
fs::path installStandIn(const fs::path& folder) {
    const fs::path tool = folder / "Pilotex.exe";
    fs::copy_file(POWERBALL_TOOL_STAND_IN, tool);
    fs::permissions(tool, fs::perms::owner_exec, fs::perm_options::add);
    return tool;
}

// The stand-in writes its record in one rename; nothing after a generous wait means it
// never ran.
std::optional<std::string> waitForRecord(const fs::path& file) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (std::chrono::steady_clock::now() < deadline) {
        if (std::ifstream in{file, std::ios::binary})
            return std::string(std::istreambuf_iterator<char>(in), {});
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return std::nullopt;
}

TEST(ProcessShellTest, PassesEveryArgumentUnchanged) {
    const ScratchFolder folder;
    const fs::path tool = installStandIn(folder.path());
    // Texts a joined command line or a shell in between would change or run.
    const std::vector<std::string> arguments{
        "START",      "/tmp/a folder/20160101.vks", "say \"hi\"", "", "$(touch x)", "'single' ; *",
        "back\\slash"};

    powerball::ProcessShell().startDetached(tool, arguments);

    const std::optional<std::string> record = waitForRecord(folder.path() / "arguments");
    ASSERT_TRUE(record) << "the tool was not started";
    std::string expected;
    for (const std::string& argument : arguments)
        expected += argument + '\0';
    EXPECT_EQ(*record, expected);
    EXPECT_FALSE(fs::exists(folder.path() / "x"));
    EXPECT_FALSE(fs::exists("x"));
}

TEST(ProcessShellTest, AMissingProgramIsNotReported) {
    const ScratchFolder folder;
    EXPECT_NO_THROW(powerball::ProcessShell().startDetached(folder.path() / "Pilotex.exe", {}));
}

} // namespace
