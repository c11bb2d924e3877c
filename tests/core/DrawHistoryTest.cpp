#include "draws/DrawHistory.h"
#include "draws/DrawFileError.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <csignal>
#include <functional>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace powerball;
using powerball::testing::day;
using powerball::testing::draw;
using powerball::testing::TempFolder;
using powerball::testing::writeDrawFile;

namespace {

std::vector<std::string> datesOf(const std::vector<DrawRecord>& records) {
    std::vector<std::string> dates;
    for (const DrawRecord& record : records)
        dates.push_back(DrawCalendar::isoDate(DrawCalendar::roundToDay(record.date)));
    return dates;
}

class DrawHistoryTest : public ::testing::Test {
protected:
    void SetUp() override {
        writeDrawFile(folder, {draw("2015-10-07", {1, 2, 3, 4, 5}, 6),
                               draw("2015-10-10", {10, 20, 30, 40, 50}, 7),
                               draw("2015-10-14", {11, 21, 31, 41, 51}, 8)});
    }
    DrawHistory history() const { return DrawHistory::inFolder(folder.path()); }

    TempFolder folder;
};

TEST(DrawRecord, EncodesLittleEndianBytes) {
    DrawRecord record = draw("1997-11-05", {22, 25, 28, 33, 37}, 20, 3);
    record.tail[0] = 9;
    record.tail[15] = 7;
    const auto bytes = record.encode();
    // 35739.0 as an IEEE double, little-endian.
    const std::array<std::uint8_t, 8> date{0x00, 0x00, 0x00, 0x00, 0x60, 0x73, 0xe1, 0x40};
    EXPECT_TRUE(std::equal(date.begin(), date.end(), bytes.begin()));
    const std::array<std::uint8_t, 8> numbers{22, 25, 28, 33, 37, 0, 20, 3};
    EXPECT_TRUE(std::equal(numbers.begin(), numbers.end(), bytes.begin() + 8));
    EXPECT_EQ(bytes[16], 9);
    EXPECT_EQ(bytes[31], 7);
    EXPECT_EQ(DrawRecord::decode(bytes.data()), record);
    EXPECT_EQ(record.drawNumbers().crossSum(), 145);
}

TEST_F(DrawHistoryTest, LocateByDate) {
    struct Case {
        const char* date;
        double timeOfDay;
        int index;
        const char* located;
    };
    const std::vector<Case> cases{
        {"2015-10-10", 0.0, 1, "2015-10-10"},  // on a draw
        {"2015-10-11", 0.0, 2, "2015-10-14"},  // between two draws: the later one
        {"2015-10-01", 0.0, 0, "2015-10-07"},  // before the first
        {"2015-10-07", 0.0, 0, "2015-10-07"},  // on the first
        {"2016-01-01", 0.0, 2, "2015-10-14"},  // after the newest: the newest
        {"2015-10-10", 0.54, 2, "2015-10-14"}, // 13:00 rounds to the next day
        {"2015-10-07", 0.5, 0, "2015-10-07"},  // a half goes to the even day
    };
    for (const Case& c : cases) {
        const auto located = history().locateByDate(day(c.date) + c.timeOfDay);
        ASSERT_TRUE(located.record);
        EXPECT_EQ(located.index, c.index) << c.located;
        EXPECT_EQ(DrawCalendar::isoDate(static_cast<int>(located.record->date)), c.located);
        EXPECT_EQ(located.recordCount, 3);
    }
}

TEST_F(DrawHistoryTest, LocateByIndexStopsAtTheEnds) {
    EXPECT_EQ(history().locateByIndex(0).record->date, day("2015-10-07"));
    const auto beyond = history().locateByIndex(7);
    EXPECT_EQ(beyond.record->date, day("2015-10-14"));
    EXPECT_EQ(beyond.index, 2);
}

TEST(DrawHistoryEmpty, LocatesNothingAndBrowsesToTheMinimumDate) {
    TempFolder folder;
    const DrawHistory history = DrawHistory::inFolder(folder.path());
    history.createEmpty();
    const auto byDate = history.locateByDate(day("2015-10-10"));
    EXPECT_FALSE(byDate.record);
    EXPECT_EQ(byDate.index, 0);
    const auto byIndex = history.locateByIndex(5);
    EXPECT_EQ(byIndex.record->date, DrawCalendar::kMinimumDate);
    EXPECT_EQ(byIndex.record->drawNumbers(), DrawNumbers{});
}

TEST(DrawHistoryMissing, ReadErrorNamesTheFile) {
    TempFolder folder;
    try {
        DrawHistory::inFolder(folder.path()).readAll();
        FAIL() << "reading a missing file must fail";
    } catch (const DrawFileError& error) {
        EXPECT_NE(std::string(error.what()).find("Powerball.dat"), std::string::npos);
        EXPECT_NE(std::string(error.what()).find("reading"), std::string::npos);
    }
}

TEST_F(DrawHistoryTest, InsertOrReplaceKeepsDateOrder) {
    struct Case {
        const char* date;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases{
        {"2015-10-03", {"2015-10-03", "2015-10-07", "2015-10-10", "2015-10-14"}},
        {"2015-10-08", {"2015-10-07", "2015-10-08", "2015-10-10", "2015-10-14"}},
        {"2015-10-17", {"2015-10-07", "2015-10-10", "2015-10-14", "2015-10-17"}},
        {"2015-10-10", {"2015-10-07", "2015-10-10", "2015-10-14"}},
    };
    for (const Case& c : cases) {
        SetUp();
        history().insertOrReplace(draw(c.date, {5, 6, 7, 8, 9}, 1));
        const auto records = history().readAll();
        EXPECT_EQ(datesOf(records), c.expected) << c.date;
    }
    // The last case replaced the draw of 10 October.
    EXPECT_EQ(history().readAll()[1].drawNumbers().white(1), 5);
    EXPECT_FALSE(std::filesystem::exists(folder.file("Powerball.dat~")));
}

// A draw file kept elsewhere (a synced folder) behind a link: every rewrite goes to the file
// the link names, and the link stays. The rename used to replace the link with a plain file,
// after which the file elsewhere never changed again.
TEST_F(DrawHistoryTest, ARewriteThroughALinkKeepsTheLink) {
    const std::filesystem::path synced = folder.file("Synced");
    std::filesystem::create_directory(synced);
    std::filesystem::rename(folder.file("Powerball.dat"), synced / "draws.bin");
    std::filesystem::create_symlink("Synced/draws.bin", folder.file("Powerball.dat"));

    history().insertOrReplace(draw("2015-10-17", {5, 6, 7, 8, 9}, 1));
    history().removeDate(day("2015-10-07"));

    EXPECT_TRUE(std::filesystem::is_symlink(folder.file("Powerball.dat")));
    EXPECT_EQ(datesOf(DrawHistory(synced / "draws.bin").readAll()),
              (std::vector<std::string>{"2015-10-10", "2015-10-14", "2015-10-17"}));
    for (const auto& place : {folder.path(), synced})
        for (const auto& entry : std::filesystem::directory_iterator(place))
            EXPECT_EQ(entry.path().filename().string().find('~'), std::string::npos)
                << entry.path();
}

TEST_F(DrawHistoryTest, DuplicatesOfADateAllGo) {
    writeDrawFile(folder, {draw("2015-10-07", {1, 2, 3, 4, 5}, 6),
                           draw("2015-10-10", {10, 20, 30, 40, 50}, 7),
                           draw("2015-10-10", {11, 20, 30, 40, 50}, 7),
                           draw("2015-10-14", {11, 21, 31, 41, 51}, 8)});
    history().insertOrReplace(draw("2015-10-10", {5, 6, 7, 8, 9}, 1));
    EXPECT_EQ(datesOf(history().readAll()),
              (std::vector<std::string>{"2015-10-07", "2015-10-10", "2015-10-14"}));

    history().insertOrReplace(draw("2015-10-10", {5, 6, 7, 8, 9}, 1));
    writeDrawFile(folder,
                  {draw("2015-10-10", {1, 2, 3, 4, 5}, 6), draw("2015-10-10", {1, 2, 3, 4, 5}, 6)});
    history().removeDate(day("2015-10-10"));
    EXPECT_TRUE(history().readAll().empty());
}

TEST_F(DrawHistoryTest, RemoveDate) {
    history().removeDate(day("2015-10-10"));
    EXPECT_EQ(datesOf(history().readAll()), (std::vector<std::string>{"2015-10-07", "2015-10-14"}));
    const auto before = folder.readBytes("Powerball.dat");
    history().removeDate(day("2015-10-11")); // not stored: same records
    EXPECT_EQ(folder.readBytes("Powerball.dat"), before);
    EXPECT_FALSE(std::filesystem::exists(folder.file("Zahlen.da~")));
}

TEST(DrawHistoryEmpty, InsertIntoAnEmptyFile) {
    TempFolder folder;
    const DrawHistory history = DrawHistory::inFolder(folder.path());
    history.createEmpty();
    history.insertOrReplace(draw("2015-10-10", {1, 2, 3, 4, 5}, 6));
    EXPECT_EQ(folder.readBytes("Powerball.dat").size(), 32u);
}

TEST_F(DrawHistoryTest, TrailingFragmentIsReadOverButNoWriterDropsIt) {
    auto bytes = folder.readBytes("Powerball.dat");
    bytes.resize(33); // one record and one stray byte
    folder.writeBytes("Powerball.dat", bytes);
    EXPECT_EQ(history().readAll().size(), 1u);
    EXPECT_THROW(history().removeDate(day("2000-01-01")), DrawFileError);
    EXPECT_THROW(history().insertOrReplace(draw("2015-10-17", {1, 2, 3, 4, 5}, 6)), DrawFileError);
    EXPECT_THROW(history().openForAppend(), DrawFileError);
    EXPECT_EQ(folder.readBytes("Powerball.dat"), bytes);
}

TEST_F(DrawHistoryTest, AnInvalidRecordIsReportedWithItsPosition) {
    struct Case {
        const char* what;
        std::function<void(DrawRecord&)> damage;
    };
    const std::vector<Case> cases{
        {"NaN date", [](DrawRecord& r) { r.date = std::nan(""); }},
        {"infinite date", [](DrawRecord& r) { r.date = INFINITY; }},
        {"huge date", [](DrawRecord& r) { r.date = 1e308; }},
        {"date 0", [](DrawRecord& r) { r.date = 0; }},
        {"white 0", [](DrawRecord& r) { r.numbers[2] = 0; }},
        {"white 255", [](DrawRecord& r) { r.numbers[4] = 255; }},
        {"sixth slot", [](DrawRecord& r) { r.numbers[5] = 3; }},
        {"Powerball 200", [](DrawRecord& r) { r.numbers[6] = 200; }},
        {"Power Play 99", [](DrawRecord& r) { r.numbers[7] = 99; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto records = powerball::testing::threeOctoberDraws();
        c.damage(records[1]);
        writeDrawFile(folder, records);
        try {
            history().readAll();
            ADD_FAILURE() << "read as a draw";
        } catch (const DrawFileError& error) {
            EXPECT_NE(std::string(error.what()).find("record 2 of"), std::string::npos)
                << error.what();
        }
        EXPECT_THROW(history().locateByDate(day("2015-10-10")), DrawFileError);
    }
}

TEST_F(DrawHistoryTest, FailedRewriteLeavesTheDrawFileIntact) {
    const auto before = folder.readBytes("Powerball.dat");
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    if (::geteuid() == 0) {
        // Root ignores folder permissions; a file size limit makes the temporary file's
        // write fail instead.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = limit;
        small.rlim_cur = 2 * DrawRecord::kSize;
        ::setrlimit(RLIMIT_FSIZE, &small);
    } else {
        ::chmod(folder.path().c_str(), 0555);
    }
    EXPECT_THROW(history().insertOrReplace(draw("2015-10-17", {1, 2, 3, 4, 5}, 6)), DrawFileError);
    ::setrlimit(RLIMIT_FSIZE, &limit);
    ::chmod(folder.path().c_str(), 0755);
    EXPECT_EQ(folder.readBytes("Powerball.dat"), before);
}

// A disk that fills up in the middle of an appended record: the part that went out is cut
// off again, so the file keeps only whole records and the next writer can change it.
TEST_F(DrawHistoryTest, AnAppendThatFailsHalfwayLeavesNoPartOfItsRecord) {
    const auto before = folder.readBytes("Powerball.dat");
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, SIG_IGN);
    {
        DrawAppender appender = history().openForAppend();
        rlimit small = limit;
        small.rlim_cur = before.size() + 10; // room for a third of a record
        ::setrlimit(RLIMIT_FSIZE, &small);
        EXPECT_THROW(appender.append(day("2015-10-17"), {1, 2, 3, 4, 5, 0, 6, 2}), DrawFileError);
        ::setrlimit(RLIMIT_FSIZE, &limit);
        EXPECT_THROW(appender.append(day("2015-10-21"), {1, 2, 3, 4, 5, 0, 6, 2}), DrawFileError);
        EXPECT_NO_THROW(appender.close());
    }
    EXPECT_EQ(folder.readBytes("Powerball.dat"), before);
    EXPECT_NO_THROW(history().insertOrReplace(draw("2015-10-17", {1, 2, 3, 4, 5}, 6)));
    EXPECT_EQ(history().readAll().size(), 4u);
}

TEST_F(DrawHistoryTest, AWriterThatDoesNotGetTheLockChangesNothing) {
    const auto before = folder.readBytes("Powerball.dat");
    const DrawFileLock held(history().path());
    // flock locks belong to the open file, so a second lock in this process waits as
    // another program would.
    DrawHistory waiting = history();
    waiting.setLockWait(std::chrono::milliseconds(50));
    EXPECT_THROW(waiting.insertOrReplace(draw("2015-10-17", {1, 2, 3, 4, 5}, 6)), DrawFileBusy);
    EXPECT_THROW(waiting.removeDate(day("2015-10-10")), DrawFileBusy);
    EXPECT_THROW(waiting.openForAppend(), DrawFileBusy);
    EXPECT_EQ(folder.readBytes("Powerball.dat"), before);
}

TEST_F(DrawHistoryTest, TemporaryFilesOfAKilledRewriteAreRemoved) {
    folder.writeBytes("Powerball.dat~", {1, 2, 3});
    folder.writeBytes("Zahlen.da~.4711.1", {1, 2, 3});
    history().removeLeftoverTemporaries();
    EXPECT_FALSE(std::filesystem::exists(folder.file("Powerball.dat~")));
    EXPECT_FALSE(std::filesystem::exists(folder.file("Zahlen.da~.4711.1")));
    EXPECT_EQ(history().readAll().size(), 3u);
}

TEST_F(DrawHistoryTest, AppendCarriesTheDigitGroupsOfTheLastRecord) {
    auto records = history().readAll();
    records.back().tail = {1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 1, 2, 3, 0, 0, 0};
    writeDrawFile(folder, records);
    DrawAppender appender = history().openForAppend();
    EXPECT_EQ(appender.last().date, day("2015-10-14"));
    appender.append(day("2015-10-17"), {1, 2, 3, 4, 5, 0, 6, 2});
    appender.close();
    const auto after = history().readAll();
    ASSERT_EQ(after.size(), 4u);
    EXPECT_EQ(after.back().tail, records.back().tail);
    EXPECT_EQ(after.back().drawNumbers().powerball(), 6);
}

TEST(DrawAppenderTest, CreatesAMissingFileAndStartsFromDateZero) {
    TempFolder folder;
    DrawAppender appender = DrawHistory::inFolder(folder.path()).openForAppend();
    EXPECT_EQ(appender.last().date, 0.0);
    appender.append(day("1997-11-08"), {7, 17, 21, 40, 49, 0, 37, 0});
    appender.close();
    EXPECT_EQ(folder.readBytes("Powerball.dat").size(), 32u);
}

} // namespace
