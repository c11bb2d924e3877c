// The command line's shell starts the click tool with each argument as it stands.
#include "platform/shell/ProcessShell.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
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

    EXPECT_EQ(powerball::ProcessShell().startDetached(tool, arguments), std::nullopt);

    const std::optional<std::string> record = waitForRecord(folder.path() / "arguments");
    ASSERT_TRUE(record) << "the tool was not started";
    std::string expected;
    for (const std::string& argument : arguments)
        expected += argument + '\0';
    EXPECT_EQ(*record, expected);
    EXPECT_FALSE(fs::exists(folder.path() / "x"));
    EXPECT_FALSE(fs::exists("x"));
}

// A tool the system cannot start is reported with the reason; before, every start counted
// as done.
struct UnstartableTool {
    const char* name;
    std::optional<std::string> bytes; // nothing: no file at all
    bool executable;
    std::size_t argumentBytes;
    const char* reason;
};

class ProcessShellFailure : public ::testing::TestWithParam<UnstartableTool> {};

INSTANTIATE_TEST_SUITE_P(
    Cases, ProcessShellFailure,
    ::testing::Values(
        UnstartableTool{"Missing", std::nullopt, false, 0, "No such file"},
        UnstartableTool{"NotExecutable", "#!/bin/sh\n", false, 0, "Permission denied"},
        UnstartableTool{"WindowsProgram", std::string("MZ\x90\0\x03\0\0\0PE\0\0", 12), true, 0,
                        "Exec format"},
        // Longer than the system lets one argument be (128 KiB on Linux).
        UnstartableTool{"ArgumentTooLong", "#!/bin/sh\n", true, 256 * 1024, "too long"}),
    [](const auto& info) { return info.param.name; });

TEST_P(ProcessShellFailure, IsReportedWithTheReason) {
    const UnstartableTool& tool = GetParam();
    const ScratchFolder folder;
    const fs::path program = folder.path() / "Pilotex.exe";
    if (tool.bytes) {
        std::ofstream(program, std::ios::binary) << *tool.bytes;
        if (tool.executable)
            fs::permissions(program, fs::perms::owner_exec, fs::perm_options::add);
    }
    const std::vector<std::string> arguments{"START", std::string(tool.argumentBytes, 'x')};

    const std::optional<std::string> failure =
        powerball::ProcessShell().startDetached(program, arguments);

    ASSERT_TRUE(failure);
    EXPECT_NE(failure->find(tool.reason), std::string::npos) << *failure;
}

} // namespace
