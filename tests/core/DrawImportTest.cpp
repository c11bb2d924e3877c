#include "draws/DrawImport.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>
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

TEST(DrawImport, ByteOrderMarksAndEveryKindOfLineEnd) {
    const std::string rows = "2015-10-07,1,2,3,4,5,6,2|2015-10-10,7,19,33,45,60,12,3|";
    const auto withEnds = [&rows](const std::string& end) {
        std::string text = "date,white1,white2,white3,white4,white5,powerball,power_play" + end;
        for (const char c : rows)
            text += c == '|' ? end : std::string(1, c);
        return text;
    };
    const auto utf16 = [](const std::string& text, bool bigEndian) {
        std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
        for (const char c : text)
            bytes += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
        return bytes;
    };
    const std::vector<std::pair<const char*, std::string>> cases{
        {"LF", withEnds("\n")},
        {"CR LF", withEnds("\r\n")},
        {"CR", withEnds("\r")},
        {"UTF-8 mark", "\xEF\xBB\xBF" + withEnds("\r\n")},
        {"UTF-16 LE", utf16(withEnds("\r\n"), false)},
        {"UTF-16 BE", utf16(withEnds("\r"), true)},
    };
    for (const auto& [what, text] : cases) {
        SCOPED_TRACE(what);
        std::istringstream input(text);
        const auto records = readDrawCsv(input, "draws.csv");
        ASSERT_EQ(records.size(), 2u);
        EXPECT_EQ(records[1], draw("2015-10-10", {7, 19, 33, 45, 60}, 12, 3));
    }
}

TEST(DrawImport, AFieldFromTheFileIsQuotedShortAndEscaped) {
    const std::vector<std::string> lines{
        "2015-10-10,1,2,\x1b[31mred\x1b[0m,4,5,6,2",
        "2015-10-10,1,2," + std::string(100000, '9') + "x,4,5,6,2",
        std::string(5'000'000, 'x'), // no line break at all
    };
    for (const std::string& line : lines) {
        std::istringstream input(line);
        try {
            readDrawCsv(input, "draws.csv");
            ADD_FAILURE() << "accepted";
        } catch (const std::runtime_error& error) {
            const std::string message = error.what();
            EXPECT_EQ(message.find('\x1b'), std::string::npos) << message;
            EXPECT_LT(message.size(), 200u) << message.substr(0, 300);
            EXPECT_NE(message.find("line 1"), std::string::npos) << message.substr(0, 300);
        }
    }
}

// 50 MB of one byte without a line break, counting what the reader takes.
class EndlessLine : public std::streambuf {
public:
    std::size_t taken = 0;

protected:
    int_type underflow() override {
        if (taken >= 50'000'000)
            return traits_type::eof();
        m_chunk.assign(4096, '7');
        taken += m_chunk.size();
        setg(m_chunk.data(), m_chunk.data(), m_chunk.data() + m_chunk.size());
        return traits_type::to_int_type(m_chunk.front());
    }

private:
    std::string m_chunk;
};

TEST(DrawImport, ALineWithoutEndIsRefusedWithoutReadingItWhole) {
    EndlessLine endless;
    std::istream input(&endless);
    EXPECT_THROW(readDrawCsv(input, "draws.csv"), std::runtime_error);
    EXPECT_LT(endless.taken, 1'000'000u);
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

TEST(DrawImport, PublicResultsWithAnEmptyMultiplierAndAMalformedLine) {
    std::istringstream input("\xEF\xBB\xBF"
                             "Draw Date,Winning Numbers,Multiplier\r\n"
                             "09/26/2020,11 21 27 36 62 24,3\r\n"
                             "10/03/2020,18 31 36 43 47 20,\r\n"
                             "\"2/4/2012\",\"08 13 17 20 36 35\",\"\"\r\n"
                             "10/07/2020,15 21 22 48 67\r\n"
                             "13/01/2020,1 2 3 4 5 6,2\r\n"
                             "10/10/2020,5 18 23 40 50 18\r\n"
                             "10/14/2020,1 2 3 4 4 20,2\r\n"
                             "\r\n");
    const DrawCsvContent content = readAnyDrawCsv(input, "results.csv");
    EXPECT_EQ(content.form, DrawCsvForm::PublicResults);
    // The Powerball is the last of the six; an empty multiplier is stored as 0; quotes go.
    EXPECT_EQ(content.draws, (std::vector<DrawRecord>{
                                 draw("2020-09-26", {11, 21, 27, 36, 62}, 24, 3),
                                 draw("2020-10-03", {18, 31, 36, 43, 47}, 20, 0),
                                 draw("2012-02-04", {8, 13, 17, 20, 36}, 35, 0),
                             }));
    ASSERT_EQ(content.skipped.size(), 4u);
    EXPECT_EQ(content.skipped[0].line, 5); // five numbers only
    EXPECT_EQ(content.skipped[1].line, 6); // no 13th month
    EXPECT_NE(content.skipped[1].reason.find("mm/dd/yyyy"), std::string::npos);
    EXPECT_EQ(content.skipped[2].line, 7); // no multiplier column
    EXPECT_EQ(content.skipped[3].line, 8); // a white number twice
    EXPECT_NE(content.skipped[3].reason.find("not a valid draw"), std::string::npos);

    // The strict read of the program's own files refuses the same text whole.
    input.clear();
    input.seekg(0);
    EXPECT_THROW(readDrawCsv(input, "results.csv"), std::runtime_error);
}

TEST(DrawImport, OwnFormReadLenientlyListsItsBadLines) {
    std::istringstream input("date,white1,white2,white3,white4,white5,powerball,power_play\n"
                             "2015-10-07,1,2,3,4,5,6,2\n"
                             "2015-10-10,1,2,x,4,5,6,2\n"
                             "2015-10-14,11,21,31,41,51,8,10\n");
    const DrawCsvContent content = readAnyDrawCsv(input, "draws.csv");
    EXPECT_EQ(content.form, DrawCsvForm::Own);
    EXPECT_EQ(content.draws.size(), 2u);
    ASSERT_EQ(content.skipped.size(), 1u);
    EXPECT_EQ(content.skipped[0].line, 3);
}

// A last line without its line end may be half written when the file changed while it was
// read (here "...,6,1" of a line that will say "...,6,10"): it is reported, not stored. When
// nothing wrote meanwhile, the file ends there by design and the line counts. Before, the
// half line was stored as a draw.
TEST(DrawImport, ALastLineWithoutEndCountsOnlyWhenTheFileStayedTheSame) {
    const std::string text = "2015-10-07,1,2,3,4,5,6,2\n"
                             "2015-10-10,11,21,31,41,51,6,1";
    for (const bool unchanged : {false, true}) {
        SCOPED_TRACE(unchanged ? "unchanged" : "written meanwhile");
        std::istringstream input(text);
        int asked = 0;
        const DrawCsvContent content = readAnyDrawCsv(input, "draws.csv", [&] {
            ++asked;
            return unchanged;
        });
        EXPECT_EQ(asked, 1);
        EXPECT_EQ(content.draws.size(), unchanged ? 2u : 1u);
        if (!unchanged) {
            ASSERT_EQ(content.skipped.size(), 1u);
            EXPECT_EQ(content.skipped[0].line, 2);
            EXPECT_EQ(content.skipped[0].kind, SkipKind::UnfinishedLine);
            EXPECT_NE(content.skipped[0].reason.find("still being written"), std::string::npos);
        }
    }
    // A file that ends in its line break never asks.
    std::istringstream ended(text + "\n");
    const DrawCsvContent content = readAnyDrawCsv(ended, "draws.csv", [] {
        ADD_FAILURE() << "asked for a file that ends in its line break";
        return false;
    });
    EXPECT_EQ(content.draws.size(), 2u);

    // A file read whole from disk, which nobody writes, keeps its last line.
    TempFolder folder;
    std::ofstream(folder.file("draws.csv"), std::ios::binary) << text;
    EXPECT_EQ(readAnyDrawCsv(folder.file("draws.csv")).draws.size(), 2u);
}

// Each kind of bad line, with the part of the line its reason quotes: the window words the
// reason from these in the user's language.
TEST(DrawImport, SkippedLinesSayWhatIsWrong) {
    struct Case {
        const char* text;
        SkipKind kind;
        const char* excerpt;
    };
    const std::string ownHeader = "date,white1,white2,white3,white4,white5,powerball,power_play\n";
    const std::string publicHeader = "Draw Date,Winning Numbers,Multiplier\n";
    const std::vector<std::pair<std::string, Case>> cases{
        {ownHeader, {"2015-10-07,1,2,3,4,5,6", SkipKind::OwnFields, "\"2015-10-07,1,2,3,4,5,6\""}},
        {ownHeader, {"07.10.2015,1,2,3,4,5,6,2", SkipKind::IsoDate, "\"07.10.2015\""}},
        {ownHeader, {"2015-10-07,1,2,3,4,5,6,300", SkipKind::Number, "\"300\""}},
        {ownHeader,
         {"2015-10-07,1,2,3,4,70,6,2", SkipKind::InvalidDraw, "\"2015-10-07,1,2,3,4,70,6,2\""}},
        {publicHeader,
         {"10/07/2015;1 2 3 4 5 6;2", SkipKind::PublicFields, "\"10/07/2015;1 2 3 4 5 6;2\""}},
        {publicHeader, {"2015-10-07,1 2 3 4 5 6,2", SkipKind::UsDate, "\"2015-10-07\""}},
        {publicHeader, {"10/07/2015,1 2 3 4 5 6 7,2", SkipKind::SixNumbers, "\"1 2 3 4 5 6 7\""}},
        {publicHeader, {"10/07/2015,1 2 3 4 5 6,2x", SkipKind::Multiplier, "\"2x\""}},
    };
    for (const auto& [header, c] : cases) {
        SCOPED_TRACE(c.text);
        std::istringstream input(header + c.text + "\n");
        const DrawCsvContent content = readAnyDrawCsv(input, "draws.csv");
        ASSERT_EQ(content.skipped.size(), 1u);
        EXPECT_EQ(content.skipped[0].line, 2);
        EXPECT_EQ(content.skipped[0].kind, c.kind);
        EXPECT_EQ(content.skipped[0].excerpt, c.excerpt);
        // The English reason of the CLI quotes the same part, or for a broken rule names it.
        if (c.kind != SkipKind::InvalidDraw)
            EXPECT_NE(content.skipped[0].reason.find(c.excerpt), std::string::npos);
        else
            EXPECT_NE(content.skipped[0].reason.find("70"), std::string::npos);
    }
}

TEST(DrawImport, PlanCountsNewChangedAndUnchangedDraws) {
    const std::vector<DrawRecord> stored{draw("2015-10-07", {1, 2, 3, 4, 5}, 6, 2),
                                         draw("2015-10-10", {60, 7, 45, 19, 33}, 12, 3),
                                         draw("2015-10-14", {11, 21, 31, 41, 51}, 8, 10)};
    const ImportPlan plan =
        planImport(stored, {
                               draw("2015-10-07", {1, 2, 3, 4, 5}, 6, 2),      // the same
                               draw("2015-10-10", {7, 19, 33, 45, 60}, 12, 3), // the same, sorted
                               draw("2015-10-14", {11, 21, 31, 41, 51}, 8, 4), // another Power Play
                               draw("2015-10-17", {1, 2, 3, 4, 6}, 7, 2), // new, twice in the file:
                               draw("2015-10-17", {1, 2, 3, 4, 9}, 7, 2), // the later one counts
                           });
    EXPECT_EQ(plan.added, (std::vector<DrawRecord>{draw("2015-10-17", {1, 2, 3, 4, 9}, 7, 2)}));
    EXPECT_EQ(plan.changed,
              (std::vector<DrawRecord>{draw("2015-10-14", {11, 21, 31, 41, 51}, 8, 4)}));
    EXPECT_EQ(plan.unchanged, 2);
    EXPECT_FALSE(plan.changesNothing());
    EXPECT_TRUE(planImport(stored, {stored[2]}).changesNothing());
}

} // namespace
