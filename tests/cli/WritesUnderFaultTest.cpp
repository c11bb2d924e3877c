// Every file the command line writes, on a full or failing disk: a preloaded shim makes the
// writes, the flush to disk or the rename of one file fail, and the command must say which
// file and why, end with exit code 2, report nothing as done and leave the old file as it was.
#include "CliRun.h"
#include "ClosedPort.h"
#include "TempFolder.h"

#include "app/Settings.h"
#include "draws/DrawHistory.h"
#include "platform/registry/RegistryFileStore.h"
#include "ports/RegistryKey.h"
#include "rules/sheet/TipSheet.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>

using namespace powerball;
using namespace powerball::testing;
namespace fs = std::filesystem;

namespace {

// Every file below the folder with its bytes; lock files come and stay by design.
std::map<std::string, std::string> contents(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file() && entry.path().extension() != ".lock")
            files[fs::relative(entry.path(), folder).string()] = readText(entry.path());
    return files;
}

// Under AddressSanitizer the program refuses to start when a preloaded library comes before
// the sanitizer's runtime; the shim only passes calls on, so that order is harmless here.
std::string sanitizerOptions() {
    const char* given = std::getenv("ASAN_OPTIONS");
    return std::string("ASAN_OPTIONS=") + (given && *given ? std::string(given) + ":" : "") +
           "verify_asan_link_order=0";
}

struct WritePath {
    const char* what;
    std::vector<std::string> arguments;
    const char* file; // below the folder: the file the command replaces
    // What the failing paths contain, when not the file's name: a deletion writes its
    // temporary under another name.
    const char* pattern = nullptr;
};

struct Fault {
    const char* what;
    std::vector<std::string> environment;
    const char* reason; // as the system words it
};

class WritesUnderFaultTest : public ::testing::Test {
protected:
    void SetUp() override {
        writeDrawFile(folder, {draw("2015-10-07", {1, 2, 3, 4, 5}, 6, 2),
                               draw("2015-10-10", {7, 19, 33, 45, 60}, 12, 3),
                               draw("2015-10-14", {1, 2, 3, 4, 5}, 8, 4)});
        RegistryFileStore store(folder.file("settings.reg"));
        RegistryKey key(store, Settings::kKey);
        // The hand-over's script update must not reach a server someone runs here.
        key.writeString("URLEdit", noServer.base());
        TipSheet sheet;
        sheet.setLine(0, "3,17,22,45,61,9,5");
        for (int r = 0; r < TipSheet::kRowCount; ++r)
            for (int f = 0; f < TipRow::kFieldCount; ++f)
                key.writeString(TipSheet::fieldName(r, f), sheet.field(r, f));
        key.close();
        writeText(folder.file("Script/Lotto.vks"), "[Z1_1] [Z2_1] PB [S1_1] [TIPPDATEI]\r\n");
        writeText(folder.file("import.csv"), "2015-10-17,1,2,3,40,50,9,2\n");
        for (const char* name : {"my-tips.vlt", "tips.txt", "Test.rtf", "weeks.txt",
                                 "Tipps/20151017.vlt", "Tipps/20160101.vks"})
            writeText(folder.file(name), std::string("old ") + name + "\r\n");
    }

    ProgramRun cli(const std::vector<std::string>& more,
                   const std::vector<std::string>& environment) const {
        return runCli({"--folder", folder.path().string(), "--settings",
                       folder.file("settings.reg").string(), "--today", "2016-01-01"},
                      more, environment);
    }

    TempFolder folder;
    ClosedPort noServer;
};

TEST_F(WritesUnderFaultTest, EveryWriteFailsCleanly) {
    const std::vector<WritePath> paths{
        {"draw rewrite by an entry",
         {"enter", "--date", "2015-10-17", "--white", "1,2,3,4,5", "--pb", "6", "--pp", "2"},
         "Powerball.dat"},
        {"draw rewrite by a deletion",
         {"delete", "--date", "2015-10-10"},
         "Powerball.dat",
         DrawHistory::kRemoveTemporary.data()},
        {"draw rewrite by an import",
         {"import", folder.file("import.csv").string()},
         "Powerball.dat"},
        {"settings set", {"settings", "set", "URLEdit", "http://example.org"}, "settings.reg"},
        {"settings save", {"--set", "CheckBox2=1", "settings", "save"}, "settings.reg"},
        {"tip file", {"tips", "save", folder.file("my-tips.vlt").string()}, "my-tips.vlt"},
        {"listing",
         {"print", "--date", "2015-10-10", "--out", folder.file("tips.txt").string()},
         "tips.txt"},
        {"analysis report",
         {"analyse", "draws", "--from", "2015-10-07", "--start", "2015-10-07", "--threshold", "5"},
         "Test.rtf"},
        {"copy of the analysis report",
         {"analyse", "draws", "--from", "2015-10-07", "--start", "2015-10-07", "--threshold", "5",
          "--report", folder.file("weeks.txt").string()},
         "weeks.txt"},
        {"hand-over file",
         {"handover", "--date", "2015-10-10", "--script", folder.file("Script/Lotto.vks").string(),
          "--no-start"},
         "Tipps/20151017.vlt"},
        {"filled click script",
         {"handover", "--date", "2015-10-10", "--script", folder.file("Script/Lotto.vks").string(),
          "--no-start"},
         "Tipps/20160101.vks"},
    };
    const std::vector<Fault> faults{
        {"disk full at the first byte",
         {"FAULTSHIM_OPS=write", "FAULTSHIM_AFTER=0", "FAULTSHIM_ERRNO=ENOSPC"},
         "No space left on device"},
        {"disk full after 10 bytes",
         {"FAULTSHIM_OPS=write", "FAULTSHIM_AFTER=10", "FAULTSHIM_ERRNO=ENOSPC"},
         "No space left on device"},
        {"I/O error at the write",
         {"FAULTSHIM_OPS=write", "FAULTSHIM_ERRNO=EIO"},
         "Input/output error"},
        {"I/O error at the flush to disk",
         {"FAULTSHIM_OPS=fsync", "FAULTSHIM_ERRNO=EIO"},
         "Input/output error"},
        {"I/O error at the rename",
         {"FAULTSHIM_OPS=rename", "FAULTSHIM_ERRNO=EIO"},
         "Input/output error"},
    };
    for (const WritePath& path : paths) {
        for (const Fault& fault : faults) {
            SCOPED_TRACE(std::string(path.what) + ", " + fault.what);
            const auto before = contents(folder.path());
            std::vector<std::string> environment = fault.environment;
            environment.push_back("LD_PRELOAD=" POWERBALL_FAULTSHIM);
            environment.push_back(sanitizerOptions());
            environment.push_back(std::string("FAULTSHIM_PATH=") +
                                  (path.pattern ? std::string(path.pattern)
                                                : fs::path(path.file).filename().string()));
            const ProgramRun run = cli(path.arguments, environment);
            EXPECT_EQ(run.exitCode, 2) << run.out << run.err;
            EXPECT_EQ(run.out, "") << "reported as done";
            EXPECT_NE(run.err.find(fs::path(path.file).filename().string()), std::string::npos)
                << run.err;
            EXPECT_NE(run.err.find(fault.reason), std::string::npos) << run.err;
            EXPECT_EQ(readText(folder.file(path.file)), before.at(path.file));
            // Other files may change (the report before its copy, the hand-over file before
            // the script), but no temporary is left.
            for (const auto& [name, bytes] : contents(folder.path()))
                EXPECT_TRUE(before.contains(name)) << "left behind: " << name;
        }
        // Without a fault the same command goes through, so each case above failed only
        // by the fault.
        const ProgramRun clean =
            cli(path.arguments, {"LD_PRELOAD=" POWERBALL_FAULTSHIM, sanitizerOptions()});
        EXPECT_EQ(clean.exitCode, 0) << path.what << ": " << clean.err;
        if (::testing::Test::HasFailure())
            return;
        SetUp();
    }
}

} // namespace
