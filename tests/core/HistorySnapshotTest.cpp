#include "rules/generator/HistorySnapshot.h"

#include "draws/DrawHistory.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

using namespace powerball;
using namespace powerball::testing;

namespace {

std::uint8_t firstWhite(const HistorySnapshot& snapshot, std::size_t index) {
    return snapshot.draws().at(index).white[0];
}

// A draw replaced by another of the same date keeps the file's size; on a file system with a
// coarse clock the time stays too. The program's own write must still be seen.
TEST(HistorySnapshot, SeesOwnWriteThatKeepsSizeAndTime) {
    TempFolder folder;
    const DrawHistory history(folder.file("Powerball.dat"));
    history.createEmpty();
    history.insertOrReplaceAll({draw("2015-10-03", {1, 2, 3, 4, 5}, 6)});
    HistorySnapshot snapshot(history.path());
    snapshot.refresh();
    ASSERT_EQ(firstWhite(snapshot, 0), 1);

    const auto stamp = std::filesystem::last_write_time(history.path());
    history.insertOrReplace(draw("2015-10-03", {9, 12, 13, 14, 15}, 6));
    std::filesystem::last_write_time(history.path(), stamp);
    snapshot.refresh();
    EXPECT_EQ(firstWhite(snapshot, 0), 9);
}

// A write from another program is seen by the file's size or time.
TEST(HistorySnapshot, SeesOutsideWriteBySize) {
    TempFolder folder;
    writeDrawFile(folder, {draw("2015-10-03", {1, 2, 3, 4, 5}, 6)});
    HistorySnapshot snapshot(folder.file("Powerball.dat"));
    snapshot.refresh();
    ASSERT_EQ(snapshot.draws().size(), 1u);
    writeDrawFile(
        folder, {draw("2015-10-03", {1, 2, 3, 4, 5}, 6), draw("2015-10-07", {7, 8, 9, 10, 11}, 2)});
    snapshot.refresh();
    EXPECT_EQ(snapshot.draws().size(), 2u);
}

} // namespace
