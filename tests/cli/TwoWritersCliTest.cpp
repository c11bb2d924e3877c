// Two powerball-cli processes that change the draw file at the same time: each either makes
// its change or reports the file busy and changes nothing; no change is lost.
#include "ChildProcess.h"
#include "TempFolder.h"

#include "draws/DrawHistory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

using namespace powerball;
using namespace powerball::testing;

namespace {

class TwoWritersCliTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::ofstream csv(folder.file("old-draws.csv"));
        for (int k = 0; k < 40; ++k)
            csv << DrawCalendar::isoDate(day("2014-01-01") + 7 * k) << ",1,2,3,4,5,6,2\n";
    }
    std::vector<std::string> cli(const std::vector<std::string>& more) const {
        std::vector<std::string> arguments{"--folder", folder.path().string(), "--today",
                                           "2016-01-01"};
        arguments.insert(arguments.end(), more.begin(), more.end());
        return arguments;
    }
    bool stored(const std::string& isoDate) const {
        const auto records = DrawHistory::inFolder(folder.path()).readAll();
        return std::any_of(records.begin(), records.end(),
                           [&](const DrawRecord& r) { return r.date == day(isoDate); });
    }
    // A writer that exited 0 made its change; any other writer said why and made none.
    void expectKept(const ProgramRun& run, bool changed, const std::string& what) const {
        if (run.exitCode == 0) {
            EXPECT_TRUE(changed) << what << " reported success but its change is lost";
        } else {
            EXPECT_EQ(run.exitCode, 2) << what << ": " << run.err;
            EXPECT_NE(run.err.find("busy"), std::string::npos) << what << ": " << run.err;
            EXPECT_FALSE(changed) << what;
        }
    }
    std::size_t leftoverTemporaries() const {
        std::size_t count = 0;
        for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
            count += entry.path().filename().string().find('~') != std::string::npos;
        return count;
    }

    TempFolder folder;
};

TEST_F(TwoWritersCliTest, NoChangeIsLost) {
    const std::vector<std::string> enter{"enter", "--date", "2015-10-17", "--white", "1,2,3,4,5",
                                         "--pb",  "6",      "--pp",       "2"};
    struct Rival {
        std::vector<std::string> arguments;
        const char* changedDate; // stored after its change
        bool changedMeansStored;
    };
    const std::vector<Rival> rivals{
        {{"delete", "--date", "2015-10-10"}, "2015-10-10", false},
        {{"import", folder.file("old-draws.csv").string()}, "2014-01-01", true},
    };
    for (const Rival& rival : rivals) {
        for (int round = 0; round < 20; ++round) {
            SCOPED_TRACE(rival.arguments.front() + " round " + std::to_string(round));
            writeDrawFile(folder, threeOctoberDraws());
            const auto runs = runTogether(POWERBALL_CLI, {cli(enter), cli(rival.arguments)});
            expectKept(runs[0], stored("2015-10-17"), "enter");
            expectKept(runs[1], stored(rival.changedDate) == rival.changedMeansStored,
                       rival.arguments.front());
            EXPECT_EQ(leftoverTemporaries(), 0u);
            if (::testing::Test::HasFailure())
                return;
        }
    }
}

} // namespace
