#include "rules/output/TipFile.h"
#include "app/output/TipFileCommands.h"

#include "ScriptedPrompts.h"
#include "TempFolder.h"
#include "base/AtomicFile.h"
#include "base/FileReading.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <ostream>
#include <sys/resource.h>

using namespace powerball;
using powerball::testing::day;
using powerball::testing::ScriptedPrompts;
using powerball::testing::TempFolder;

namespace {

std::string fileText(const std::filesystem::path& file) {
    return readFileBytes(file, 1 << 20);
}

void writeText(const std::filesystem::path& file, const std::string& text) {
    std::ofstream(file, std::ios::binary) << text;
}

std::array<std::string, TipRow::kFieldCount> fieldsOf(const TipSheet& sheet, int row) {
    return sheet.row(row).fields;
}

// A parameterised case names itself in the test listing and in a failure, which would
// otherwise show the bytes of the object.
template <class Case> std::string caseName(const ::testing::TestParamInfo<Case>& info) {
    return info.param.name;
}

struct LineCase {
    const char* name;
    const char* line;
    std::array<std::string, TipRow::kFieldCount> fields;
};

void PrintTo(const LineCase& c, std::ostream* out) {
    *out << c.name << " \"" << c.line << '"';
}

class TipFileLine : public ::testing::TestWithParam<LineCase> {};

// Each visible field takes the text before the next comma; once no comma is left the
// visible fields are empty and the hidden field takes the rest. A visible field keeps what
// was saved, as the user typed it, so that the check marks a row that is no tip instead of
// emptying it; the hidden field keeps only 1..26.
INSTANTIATE_TEST_SUITE_P(
    , TipFileLine,
    ::testing::Values(LineCase{"SixNumbersAndAnEmptyHiddenField",
                               "3,17,22,45,61,9,",
                               {"3", "17", "22", "45", "61", "9", ""}},
                      LineCase{"TheRestAfterTheLastCommaGoesToTheHiddenField",
                               "1,2,3",
                               {"1", "2", "", "", "", "", "3"}},
                      LineCase{"ValuesOutOfRangeAreKeptAsTyped",
                               "5,70,12,44,8,30,",
                               {"5", "70", "12", "44", "8", "30", ""}},
                      LineCase{"AHiddenValueInRangeIsKept",
                               "3,17,22,45,61,9,26",
                               {"3", "17", "22", "45", "61", "9", "26"}},
                      LineCase{"AHiddenRestThatIsNoNumberStaysEmpty",
                               "3,17,22,45,61,9,4,5",
                               {"3", "17", "22", "45", "61", "9", ""}},
                      LineCase{"LeadingZerosGoAndOtherTextIsKept",
                               "07,8,x,,-1,0,",
                               {"7", "8", "x", "", "-1", "0", ""}},
                      LineCase{"AnEmptyLineFillsNothing", "", {"", "", "", "", "", "", ""}}),
    caseName<LineCase>);

TEST_P(TipFileLine, FillsTheFieldsAsTheReaderCutsTheLine) {
    TipSheet sheet;
    TipFile::fill(sheet, std::string(GetParam().line) + "\r\n");
    EXPECT_EQ(fieldsOf(sheet, 0), GetParam().fields);
}

TEST(TipFile, WritesTheCountingRowsInSheetOrderWithoutGaps) {
    TipSheet sheet;
    sheet.setLine(0, "3,17,22,45,61,9");
    sheet.setLine(2, "1,2,3,4,5,6,7");
    sheet.setLine(4, ",2,3,4,5,6"); // no first white number: the row does not count
    EXPECT_EQ(TipFile::text(sheet), "3,17,22,45,61,9,\r\n1,2,3,4,5,6,7\r\n");
    EXPECT_EQ(TipFile::text(TipSheet{}), "");

    // Read back, the former row 3 is row 2 and rows 3..12 are empty.
    TipSheet loaded;
    TipFile::fill(loaded, TipFile::text(sheet));
    EXPECT_EQ(loaded.line(1), "1,2,3,4,5,6,7");
    for (int r = 2; r < TipSheet::kRowCount; ++r)
        EXPECT_EQ(loaded.line(r), ",,,,,,") << r;
}

TEST(TipFile, AFullSheetComesBackFieldForField) {
    TipSheet sheet;
    for (int r = 0; r < TipSheet::kRowCount; ++r)
        for (int f = 0; f < TipRow::kFieldCount; ++f)
            sheet.setField(r, f, std::to_string(1 + (r * 7 + f * 3) % 26));
    TipSheet loaded;
    TipFile::fill(loaded, TipFile::text(sheet));
    for (int r = 0; r < TipSheet::kRowCount; ++r)
        EXPECT_EQ(fieldsOf(loaded, r), fieldsOf(sheet, r)) << r;
}

TEST(TipFile, LinuxLineEndsLoadTheSame) {
    TipSheet crlf, lf;
    TipFile::fill(crlf, "1,2,3,4,5,6,\r\n7,8,9,10,11,12,13\r\n");
    TipFile::fill(lf, "1,2,3,4,5,6,\n7,8,9,10,11,12,13\n");
    for (int r = 0; r < TipSheet::kRowCount; ++r)
        EXPECT_EQ(crlf.line(r), lf.line(r)) << r;
    EXPECT_EQ(lf.line(1), "7,8,9,10,11,12,13");
}

TEST(TipFile, ReadsOnlyTheFirstTwelveLines) {
    std::string bytes;
    for (int n = 1; n <= 13; ++n)
        bytes += std::to_string(n) + ",1,1,1,1,1,\r\n";
    TipSheet sheet;
    TipFile::fill(sheet, bytes);
    EXPECT_EQ(sheet.field(11, 0), "12");
}

struct NameCase {
    const char* name;
    const char* selected;
    const char* proposed;
};

void PrintTo(const NameCase& c, std::ostream* out) {
    *out << c.name << " (" << c.selected << ')';
}

class ProposedTipFileName : public ::testing::TestWithParam<NameCase> {};

// The name is that of the draw the tips play for: the first draw day after the selected
// date, Mondays included since 23 August 2021.
INSTANTIATE_TEST_SUITE_P(
    , ProposedTipFileName,
    ::testing::Values(NameCase{"SaturdayToWednesday", "2015-10-10", "20151014.vlt"},
                      NameCase{"WednesdayToSaturday", "2015-10-14", "20151017.vlt"},
                      NameCase{"FridayToSaturday", "2015-10-16", "20151017.vlt"},
                      NameCase{"MondayBefore2021ToWednesday", "2015-10-12", "20151014.vlt"},
                      NameCase{"SaturdayToTheFirstMondayDraw", "2021-08-21", "20210823.vlt"},
                      NameCase{"MondayToWednesday", "2026-12-07", "20261209.vlt"},
                      NameCase{"SaturdayToMonday", "2026-12-05", "20261207.vlt"}),
    caseName<NameCase>);

TEST_P(ProposedTipFileName, IsTheNextDrawDay) {
    EXPECT_EQ(TipFile::proposedName(day(GetParam().selected)), GetParam().proposed);
    // A picker date with a time of day falls on its date part.
    EXPECT_EQ(TipFile::proposedName(day(GetParam().selected) + 0.75), GetParam().proposed);
}

TEST(TipFile, HandOverNameIsTheSelectedDatePlusAWeek) {
    EXPECT_EQ(TipFile::handOverName(day("2015-10-10")), "20151017.vlt");
    EXPECT_EQ(TipFile::handOverName(day("2015-10-14")), "20151021.vlt");
}

class TipFileCommands : public ::testing::Test {
protected:
    void SetUp() override {
        powerball::testing::writeDrawFile(folder, powerball::testing::threeOctoberDraws());
        state.programFolder = folder.path();
        state.selectedDate = day("2015-10-10");
        state.checkEnabled = true;
        ports.prompts = &prompts;
    }

    TempFolder folder;
    AppState state;
    ScriptedPrompts prompts;
    Ports ports;
};

TEST_F(TipFileCommands, SaveAsksInTheDocumentsFolderWithTheProposedName) {
    state.documentsFolder = folder.path() / "Documents";
    state.tips.setLine(0, "3,17,22,45,61,9");
    prompts.fileAnswer = folder.file("mine.vlt");
    ASSERT_EQ(saveTips(state, ports), folder.file("mine.vlt"));

    ASSERT_EQ(prompts.fileQuestions.size(), 1u);
    const FileQuestion& asked = prompts.fileQuestions[0];
    EXPECT_EQ(asked.filter, "Tippdatei (*.vlt)");
    EXPECT_EQ(asked.defaultExtension, "vlt");
    EXPECT_EQ(asked.folder, folder.path() / "Documents");
    EXPECT_EQ(asked.proposedName, "20151014.vlt");
    EXPECT_EQ(fileText(folder.file("mine.vlt")), "3,17,22,45,61,9,\r\n");

    prompts.fileAnswer.reset();
    state.tips.setLine(0, "1,2,3,4,5,6");
    EXPECT_EQ(saveTips(state, ports), std::nullopt);
    EXPECT_EQ(fileText(folder.file("mine.vlt")), "3,17,22,45,61,9,\r\n");
}

// The dialogs open where the user last saved or loaded a tip file, never in the hidden program
// folder; a folder that is gone since gives way to the documents folder.
TEST_F(TipFileCommands, DialogsOpenInTheFolderOfTheLastTipFile) {
    state.documentsFolder = folder.path() / "Documents";
    std::filesystem::create_directories(folder.path() / "plays" / "2026");
    state.tips.setLine(0, "3,17,22,45,61,9");
    prompts.fileAnswer = folder.path() / "plays" / "2026" / "mine.vlt";
    ASSERT_TRUE(saveTips(state, ports));
    EXPECT_EQ(state.lastTipFileFolder, folder.path() / "plays" / "2026");

    prompts.fileAnswer = folder.path() / "plays" / "2026" / "mine.vlt";
    ASSERT_TRUE(loadTips(state, ports));
    prompts.fileAnswer.reset();
    saveTips(state, ports);
    ASSERT_EQ(prompts.fileQuestions.size(), 3u);
    EXPECT_EQ(prompts.fileQuestions[1].folder, folder.path() / "plays" / "2026");
    EXPECT_EQ(prompts.fileQuestions[2].folder, folder.path() / "plays" / "2026");

    std::filesystem::remove_all(folder.path() / "plays");
    loadTips(state, ports);
    EXPECT_EQ(prompts.fileQuestions.back().folder, folder.path() / "Documents");
    EXPECT_EQ(state.lastTipFileFolder, folder.path() / "plays" / "2026")
        << "a dialog that was cancelled keeps the folder last used";
}

TEST_F(TipFileCommands, LoadOverwritesLockedRowsAndChecksTheSheet) {
    writeText(folder.file("two.vlt"), "1,2,7,19,33,12,\r\n4,5,6,8,9,10,\r\n");
    for (int r = 0; r < 4; ++r)
        state.tips.setLine(r, "11,12,13,14,15,16");
    state.tips.toggleLock(0);
    state.tips.toggleLock(3);
    prompts.fileAnswer = folder.file("two.vlt");

    ASSERT_EQ(loadTips(state, ports), folder.file("two.vlt"));
    EXPECT_EQ(state.tips.line(0), "1,2,7,19,33,12,");
    EXPECT_EQ(state.tips.line(1), "4,5,6,8,9,10,");
    EXPECT_EQ(state.tips.line(3), ",,,,,,") << "a locked row beyond the file's end is emptied";
    EXPECT_TRUE(state.tips.row(0).locked);
    EXPECT_TRUE(state.tips.row(3).locked);
    EXPECT_FALSE(state.tips.row(1).locked);
    // Checked against the draw of 10 October 2015 (7 19 33 45 60, Powerball 12).
    EXPECT_EQ(DrawCalendar::isoDate(DrawCalendar::roundToDay(state.currentDraw.date)),
              "2015-10-10");
    EXPECT_FALSE(state.tips.row(0).hitText.empty());
}

// Files that yield no row, or that are no text, leave the sheet as it was (locked rows
// too) and say why; before, each of them emptied all 12 rows.
struct RefusedTipFile {
    const char* name;
    std::string bytes;
    const char* why;
};

class RefusedTipFiles : public TipFileCommands,
                        public ::testing::WithParamInterface<RefusedTipFile> {};

INSTANTIATE_TEST_SUITE_P(
    Cases, RefusedTipFiles,
    ::testing::Values(RefusedTipFile{"Empty", "", "keine Tippzeile"},
                      RefusedTipFile{"OnlyLineBreaks", "\r\n\r\n \r\n", "keine Tippzeile"},
                      RefusedTipFile{"NoNumberAnywhere", "hello,world\r\n", "keine Tippzeile"},
                      RefusedTipFile{"Utf16WithoutMark", std::string("1\0,\0002\0", 6),
                                     "keine Textdatei"},
                      RefusedTipFile{"Binary",
                                     std::string("\x7F"
                                                 "ELF\x02\x01\x01\0",
                                                 8),
                                     "keine Textdatei"}),
    [](const auto& info) { return info.param.name; });

TEST_P(RefusedTipFiles, ChangeNothingAndSayWhy) {
    writeText(folder.file("bad.vlt"), GetParam().bytes);
    state.tips.setLine(0, "7,19,33,45,60,12");
    state.tips.setLine(5, "1,2,3,4,5,6");
    state.tips.toggleLock(5);
    std::string message;
    try {
        loadTipsFrom(state, ports, folder.file("bad.vlt"));
    } catch (const TipFileRefused& refused) {
        message = refused.what();
    }
    EXPECT_NE(message.find(GetParam().why), std::string::npos) << message;
    EXPECT_NE(message.find(folder.file("bad.vlt").string()), std::string::npos) << message;
    EXPECT_EQ(state.tips.line(0), "7,19,33,45,60,12,");
    EXPECT_EQ(state.tips.line(5), "1,2,3,4,5,6,");
}

// ASCII text as UTF-16 with its byte-order mark.
std::string utf16(std::string_view ascii, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char c : ascii)
        bytes += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
    return bytes;
}

// Both byte-order marks are read as such: the UTF-8 mark used to stay in front of row 1's
// first number, which then failed the field check and came out empty.
TEST_F(TipFileCommands, ByteOrderMarksAreTakenOff) {
    const std::string line = "3,17,22,45,61,9,\r\n";
    const std::pair<const char*, std::string> files[] = {{"utf8.vlt", "\xEF\xBB\xBF" + line},
                                                         {"utf16le.vlt", utf16(line, false)},
                                                         {"utf16be.vlt", utf16(line, true)}};
    for (const auto& [name, bytes] : files) {
        writeText(folder.file(name), bytes);
        loadTipsFrom(state, ports, folder.file(name));
        EXPECT_EQ(state.tips.line(0), "3,17,22,45,61,9,") << name;
    }
}

// What the 12 rows cannot take is said, not dropped in silence.
TEST_F(TipFileCommands, LinesAfterTheTwelfthAndACutAreReported) {
    std::string thirteen;
    for (int n = 1; n <= 14; ++n)
        thirteen += std::to_string(n) + ",20,30,40,50,6,\r\n";
    writeText(folder.file("long.vlt"), thirteen + "\r\n");
    loadTipsFrom(state, ports, folder.file("long.vlt"));
    EXPECT_EQ(state.tips.field(11, 0), "12");
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_NE(prompts.messages[0].find("2 weitere nicht"), std::string::npos)
        << prompts.messages[0];

    writeText(folder.file("huge.vlt"),
              "1,2,3,4,5,6,\r\n" + std::string(TipFile::kMaxReadBytes, ' '));
    loadTipsFrom(state, ports, folder.file("huge.vlt"));
    EXPECT_EQ(state.tips.line(0), "1,2,3,4,5,6,");
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_NE(prompts.messages[1].find("nur der Anfang"), std::string::npos) << prompts.messages[1];
}

TEST_F(TipFileCommands, CancelledLoadStillChecksAndAnUnreadableFileChangesNothing) {
    state.tips.setLine(0, "7,19,33,45,60,12");
    EXPECT_EQ(loadTips(state, ports), std::nullopt);
    EXPECT_EQ(state.tips.line(0), "7,19,33,45,60,12,");
    EXPECT_NE(state.currentDraw.date, 0.0) << "the check ran";

    state.currentDraw = {};
    prompts.fileAnswer = folder.file("missing.vlt");
    EXPECT_THROW(loadTips(state, ports), FileReadError);
    EXPECT_EQ(state.tips.line(0), "7,19,33,45,60,12,");
    EXPECT_EQ(state.currentDraw.date, 0.0) << "no check after a failed load";

    prompts.fileAnswer = folder.path(); // a folder is no file
    EXPECT_THROW(loadTips(state, ports), FileReadError);
}

// A file limit makes the write stop part-way, as a full disk does.
TEST_F(TipFileCommands, ASaveThatFailsPartWayLeavesTheOldFileWhole) {
    const std::filesystem::path file = folder.file("keep.vlt");
    writeText(file, "1,2,3,4,5,6,\r\n");
    for (int r = 0; r < TipSheet::kRowCount; ++r)
        state.tips.setLine(r, "61,62,63,64,65,26,26");

    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit oldLimit{};
    ::getrlimit(RLIMIT_FSIZE, &oldLimit);
    rlimit small = oldLimit;
    small.rlim_cur = 40;
    ::setrlimit(RLIMIT_FSIZE, &small);
    std::string message;
    try {
        saveTipsTo(state, file);
    } catch (const FileSaveError& failure) {
        message = failure.what();
    }
    ::setrlimit(RLIMIT_FSIZE, &oldLimit);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_NE(message.find(file.string()), std::string::npos) << message;
    EXPECT_NE(message.find("too large"), std::string::npos) << message;
    EXPECT_EQ(fileText(file), "1,2,3,4,5,6,\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()),
                            std::filesystem::directory_iterator{}),
              2)
        << "only the draw file and the tip file: no temporary left";
}

} // namespace
