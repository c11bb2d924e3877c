#include "draws/DrawImport.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace powerball;
using powerball::testing::draw;
using powerball::testing::TempFolder;
using powerball::testing::writeDrawFile;

namespace {

TEST(DrawImport, ReadsTheBundledHistory) {
    const auto records = powerball::testing::realHistory();
    ASSERT_EQ(records.size(), 3261u);
    EXPECT_EQ(records.front(), draw("1997-11-01", {22, 25, 28, 33, 37}, 20, 0));
    EXPECT_EQ(records.back(), draw("2026-08-05", {14, 20, 59, 60, 61}, 25, 2));
}

TEST(DrawImport, MalformedLinesNameTheirLine) {
    for (const char* bad :
         {"2015-10-10,1,2,3,4,5,6", "2015-10-32,1,2,3,4,5,6,2", "2015-10-10,1,2,3,4,256,6,2",
          "2015-10-10,1,2,x,4,5,6,2",
          // numbers that entry refuses are refused here too
          "2015-10-10,0,2,3,4,5,6,2", "2015-10-10,1,2,3,4,255,6,2", "2015-10-10,70,2,3,4,5,6,2",
          "2015-10-10,5,2,3,4,5,6,2", "2015-10-10,1,2,3,4,5,200,2", "2015-10-10,1,2,3,4,5,0,2",
          "2015-10-10,1,2,3,4,5,6,99"}) {
        std::istringstream input(std::string("date,white1\n2015-10-07,1,2,3,4,5,6,2\n") + bad);
        try {
            readDrawCsv(input, "draws.csv");
            ADD_FAILURE() << "accepted " << bad;
        } catch (const std::runtime_error& error) {
            EXPECT_NE(std::string(error.what()).find("draws.csv, line 3"), std::string::npos);
        }
    }
}

TEST(DrawImport, ReplacesByDateInOneRewrite) {
    TempFolder folder;
    DrawRecord stored = draw("2015-10-10", {10, 20, 30, 40, 50}, 7);
    stored.tail[3] = 5;
    writeDrawFile(folder, {draw("2015-10-07", {1, 2, 3, 4, 5}, 6), stored});
    std::istringstream input("2015-10-14, 1,2,3,4,5,6,2\n2015-10-10,11,12,13,14,15,16,3\n");
    const DrawHistory history = DrawHistory::inFolder(folder.path());
    importDraws(history, readDrawCsv(input, "csv"));
    const auto records = history.readAll();
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[1].drawNumbers().white(1), 11);
    EXPECT_EQ(records[1].tail[3], 5); // from the replaced record
    EXPECT_EQ(records[2].tail[3], 5); // from the last stored record
}

} // namespace
