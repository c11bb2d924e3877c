#include "rules/language/LanguageFiles.h"
#include "app/language/LanguageChoice.h"

#include "TempFolder.h"
#include "base/FileReading.h"
#include "base/MessageTable.h"
#include "rules/evaluation/PrizeTexts.h"
#include "rules/stats/ChartCaptions.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace powerball;
using LanguageFiles::CaptionMatcher;
using LanguageFiles::CaptionRecord;
using powerball::testing::TempFolder;

namespace {

void writeLines(const std::filesystem::path& file, const std::vector<std::string>& lines,
                bool byteOrderMark = true) {
    std::ofstream out(file, std::ios::binary);
    if (byteOrderMark)
        out << "\xEF\xBB\xBF";
    for (const std::string& line : lines)
        out << line << "\r\n";
}

std::vector<std::string> indexLines(const std::vector<CaptionRecord>& records) {
    std::vector<std::string> lines;
    for (const CaptionRecord& record : records)
        lines.insert(lines.end(), {record.window, record.control, "Deutsch", "Hinweis", "0"});
    return lines;
}

TEST(CaptionMatcher, SearchesElevenRecordsFromTheLastMatch) {
    std::vector<CaptionRecord> records{{"w", "a"}};
    for (int k = 0; k < 11; ++k)
        records.push_back({"w", "gap" + std::to_string(k)});
    records.push_back({"w", "far"}); // twelve records after "a"
    CaptionMatcher matcher(records);
    EXPECT_EQ(matcher.match("w", "a"), 0u);
    EXPECT_EQ(matcher.match("w", "far"), std::nullopt) << "twelve records on: out of reach";
    EXPECT_EQ(matcher.match("w", "gap9"), 10u);
    EXPECT_EQ(matcher.match("w", "far"), 12u) << "within ten records of the last match again";
    EXPECT_EQ(matcher.match("w", "gap0"), std::nullopt) << "the search never goes back";
}

TEST(CaptionMatcher, AfterAGapTheRestOfTheIndexIsSearched) {
    std::vector<CaptionRecord> records{{"w", "a"}, {"w", "before"}};
    for (int k = 0; k < 20; ++k)
        records.push_back({"w", "page" + std::to_string(k)});
    records.push_back({"w", "next"});
    CaptionMatcher matcher(records);
    EXPECT_EQ(matcher.match("w", "before"), 1u);
    EXPECT_EQ(matcher.match("w", "next"), std::nullopt);
    EXPECT_EQ(matcher.matchAfterGap("w", "next"), 22u);
    EXPECT_EQ(matcher.match("w", "page3"), std::nullopt) << "the search never goes back";
    EXPECT_EQ(matcher.matchAfterGap("x", "next"), std::nullopt) << "its own window only";
}

TEST(CaptionMatcher, AControlNameMatchesOnlyWithItsOwnWindow) {
    const std::vector<CaptionRecord> records{{"mainWindow", "Label1"}, {"dialog", "Label1"}};
    CaptionMatcher matcher(records);
    EXPECT_EQ(matcher.match("dialog", "Label1"), 1u);
    CaptionMatcher fresh(records);
    EXPECT_EQ(fresh.match("mainWindow", "Label1"), 0u);
    EXPECT_EQ(fresh.firstRecordOf("dialog"), 1u);
}

TEST(LanguageFiles, RecordsAreTrimmedAndAShortLastRecordReadsEmpty) {
    const auto records = LanguageFiles::captionRecords(
        {" mainWindow\t", "Button1 ", "x", "y", "0", "dialog", "Label2"});
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].window, "mainWindow");
    EXPECT_EQ(records[0].control, "Button1");
    EXPECT_EQ(records[1].control, "Label2");
}

TEST(LanguageFiles, LinesAreDecodedAndCutTo4096Characters) {
    TempFolder folder;
    const std::string longLine(5000, 'x');
    std::string longUtf8 = "a";
    for (int k = 0; k < 9000; ++k)
        longUtf8 += "é"; // cut while it is read, never inside a character
    writeLines(folder.file("utf8.txt"), {"Übersicht", longLine, longUtf8, "русский"});
    const auto lines = LanguageFiles::readLines(folder.file("utf8.txt"), 10).lines;
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "Übersicht");
    EXPECT_EQ(lines[1].size(), 4096u);
    EXPECT_EQ(lines[2], longUtf8.substr(0, 1 + 4095 * 2));
    EXPECT_EQ(lines[3], "русский");

    // Without a byte-order mark and not UTF-8: Windows-1252.
    std::ofstream(folder.file("ansi.txt"), std::ios::binary) << "\xDC"
                                                                "bersicht\r\n";
    EXPECT_EQ(LanguageFiles::readLines(folder.file("ansi.txt"), 10).lines,
              std::vector<std::string>{"Übersicht"});
}

class LanguageChoiceTest : public ::testing::Test {
protected:
    void SetUp() override { state.programFolder = folder.path(); }

    void writeLanguage(const std::string& fileName, const std::vector<std::string>& lines,
                       std::optional<std::vector<std::string>> messages) {
        writeLines(folder.file(landName) / fileName, lines);
        if (messages)
            writeLines(folder.file(landName) / (fileName + ".meld"), *messages);
    }

    TempFolder folder;
    AppState state;
    std::string landName = "land";
};

TEST_F(LanguageChoiceTest, NoLandFolderChangesNothing) {
    EXPECT_EQ(loadLanguage(state, 3), std::nullopt);
    EXPECT_EQ(state.messages.text(Msg::Stop), "Stoppen");
    EXPECT_EQ(loadLanguage(state, 0), std::nullopt);
    EXPECT_EQ(loadLanguage(state, 10), std::nullopt);
}

TEST_F(LanguageChoiceTest, FrenchWithMessagesThenHindiWithout) {
    std::filesystem::create_directories(folder.file("land")); // found whatever its case
    writeLines(folder.file("land") / "powerball.txt",
               indexLines({{"mainWindow", "calculateTipsButton"}}));
    std::vector<std::string> french(70, "fr");
    french[Msg::Stop] = "Arrêter";
    writeLanguage("Power_fr.txt", {"Calculer", "Calculer les grilles"}, french);
    writeLanguage("Power_in.txt", {"गणना करें", "टिकट की गणना करें"}, std::nullopt);

    const std::optional<CaptionTexts> fr = loadLanguage(state, 3);
    ASSERT_TRUE(fr);
    EXPECT_EQ(fr->records.front().control, "calculateTipsButton");
    EXPECT_EQ(fr->caption(0), "Calculer");
    EXPECT_EQ(state.messages.text(Msg::Stop), "Arrêter");

    const std::optional<CaptionTexts> hi = loadLanguage(state, 9);
    ASSERT_TRUE(hi);
    EXPECT_EQ(hi->hint(0), "टिकट की गणना करें");
    EXPECT_EQ(hi->caption(5), "") << "a line beyond the file reads empty";
    EXPECT_EQ(state.messages.text(Msg::Stop), "Arrêter") << "the messages stay French";
}

// What the core said in the former language is said again in the new one: the chart's
// caption with its figures, the draw panel's cross sum (or its bare word before a draw), and
// a caption set as plain text stays as it is.
TEST_F(LanguageChoiceTest, TextsMadeFromMessagesAreSaidAgain) {
    std::filesystem::create_directories(folder.file("Land"));
    writeLines(folder.file("Land") / "powerball.txt", indexLines({{"w", "c"}}));
    landName = "Land";
    std::vector<std::string> english = MessageTable::builtIn();
    english[Msg::NumberDistribution] = "Number frequency";
    english[Msg::Draws] = "Draws";
    english[Msg::CrossSum] = "Sum";
    english[Msg::OverdueCaption] = "Overdue";
    writeLanguage("Power_en.txt", {"", ""}, english);

    AppState plain;
    plain.programFolder = folder.path();
    plain.chart.setCaption("as it was");
    ASSERT_TRUE(loadLanguage(plain, 2));
    EXPECT_EQ(plain.chart.caption(), "as it was");
    EXPECT_EQ(plain.panelCrossSumText, "Sum") << "no draw shown yet: the bare word";

    state.chart.setCaption([](const MessageTable& m) { return frequencyCaption(m, 12, 140); },
                           state.messages);
    state.showPanelCrossSum(state.messages, 101);
    EXPECT_EQ(state.chart.caption(), "Zahlenverteilung     Ziehungen: 12    Quersumme: 140");
    EXPECT_EQ(state.panelCrossSumText, "Quersumme: 101");
    ASSERT_TRUE(loadLanguage(state, 2));
    EXPECT_EQ(state.chart.caption(), "Number frequency     Draws: 12    Sum: 140");
    EXPECT_EQ(state.panelCrossSumText, "Sum: 101");

    state.chart.setCaption(messageText(Msg::OverdueCaption), MessageTable());
    EXPECT_EQ(state.chart.caption(), MessageTable().text(Msg::OverdueCaption));
    ASSERT_TRUE(loadLanguage(state, 2));
    EXPECT_EQ(state.chart.caption(), "Overdue");
}

// The winnings note of the last check is said again in the new language where it stands in
// the status bar; a hint that took its place stays, and the next check still knows the note.
TEST_F(LanguageChoiceTest, ThePrizeNoteIsSaidAgain) {
    std::filesystem::create_directories(folder.file("Land"));
    writeLines(folder.file("Land") / "powerball.txt", indexLines({{"w", "c"}}));
    landName = "Land";
    std::vector<std::string> english = MessageTable::builtIn();
    english[Msg::SheetWinnings] = "Winnings: ";
    english[Msg::WithPowerPlay] = "with Power Play: ";
    writeLanguage("Power_en.txt", {"", ""}, english);

    struct Case {
        const char* name;
        bool won;
        bool hintOnTop;
    };
    for (const Case& c : {Case{"note shown", true, false}, Case{"hint on top", true, true},
                          Case{"nothing won", false, false}}) {
        SCOPED_TRACE(c.name);
        AppState shown;
        shown.programFolder = folder.path();
        if (c.won)
            shown.prizes.add(0, RowPrize{PrizeTier::ThreePlusPowerball, true, 100, 400});
        shown.prizeNote = PrizeTexts::sheetTotal(shown.messages, shown.prizes);
        shown.status[1] = c.hintOnTop ? "a hint" : shown.prizeNote;
        ASSERT_TRUE(loadLanguage(shown, 2));
        if (!c.won) {
            EXPECT_EQ(shown.prizeNote, "");
            EXPECT_EQ(shown.status[1], "");
            continue;
        }
        EXPECT_TRUE(shown.prizeNote.starts_with("Winnings: ")) << shown.prizeNote;
        EXPECT_NE(shown.prizeNote.find("(with Power Play: "), std::string::npos) << shown.prizeNote;
        EXPECT_EQ(shown.status[1], c.hintOnTop ? "a hint" : shown.prizeNote);
    }
}

TEST_F(LanguageChoiceTest, AShortMessageFileEmptiesTheRest) {
    std::filesystem::create_directories(folder.file("Land"));
    writeLines(folder.file("Land") / "powerball.txt", indexLines({{"w", "c"}}));
    landName = "Land";
    writeLanguage("Power_en.txt", {"Play", ""}, std::vector<std::string>(30, "thirty"));
    ASSERT_TRUE(loadLanguage(state, 2));
    EXPECT_EQ(state.messages.text(28), "thirty");
    EXPECT_EQ(state.messages.text(30), "");
    EXPECT_EQ(state.messages.text(Msg::Stop), "");
}

TEST_F(LanguageChoiceTest, AFileThatCannotBeReadChangesNoMessage) {
    std::filesystem::create_directories(folder.file("Land"));
    writeLines(folder.file("Land") / "powerball.txt", indexLines({{"w", "c"}}));
    std::filesystem::create_directories(folder.file("Land") / "Power_es.txt"); // a folder
    EXPECT_THROW(loadLanguage(state, 4), FileReadError);
    EXPECT_EQ(state.messages.text(Msg::Stop), "Stoppen");
}

// Huge language files: only what can be used is read, so a start costs what it always costs.
// A 16 MiB message file of empty lines used to take the window 38.7 s and 5.7 GB to its first
// paint; 16 M lines of a language file or of the caption index, 6 to 7 s and 845 MB.
struct HugeLanguageFile {
    const char* name;
    const char* file;
    std::size_t lines;
    const char* line;
};

class HugeLanguageFiles : public LanguageChoiceTest,
                          public ::testing::WithParamInterface<HugeLanguageFile> {
protected:
    void SetUp() override {
        LanguageChoiceTest::SetUp();
        landName = "Land";
        std::filesystem::create_directories(folder.file(landName));
        writeLines(folder.file(landName) / "powerball.txt",
                   indexLines({{"mainWindow", "calculateTipsButton"}, {"mainWindow", "x"}}));
        writeLanguage("Power_en.txt", {"Calculate", "Calculate plays", "X", "x"},
                      std::vector<std::string>(MessageTable::builtIn().size(), "english"));
        // Written in large pieces: the test stays fast however many lines it writes.
        const HugeLanguageFile& huge = GetParam();
        std::ofstream out(folder.file(landName) / huge.file, std::ios::binary);
        const std::string line = std::string(huge.line) + "\n";
        std::string block;
        for (int k = 0; k < 4096; ++k)
            block += line;
        for (std::size_t written = 0; written < huge.lines; written += 4096)
            out << block;
    }
};

INSTANTIATE_TEST_SUITE_P(
    Cases, HugeLanguageFiles,
    ::testing::Values(HugeLanguageFile{"MessagesOfEmptyLines", "Power_en.txt.meld", 16u << 20, ""},
                      HugeLanguageFile{"FourMillionMessages", "Power_en.txt.meld", 4u << 20, "m"},
                      HugeLanguageFile{"LanguageFileOf16MLines", "Power_en.txt", 16u << 20, ""},
                      HugeLanguageFile{"CaptionIndexOf16MLines", "powerball.txt", 16u << 20, ""}),
    [](const auto& info) { return info.param.name; });

TEST_P(HugeLanguageFiles, ReadOnlyWhatCanBeUsedOrSayWhy) {
    if (std::string_view(GetParam().file) == "powerball.txt") {
        // An index that long is no caption index: said, and nothing changes.
        try {
            loadLanguage(state, 2);
            FAIL() << "a caption index of 16 M lines was taken";
        } catch (const FileReadError& failure) {
            EXPECT_NE(std::string(failure.what()).find("no caption index"), std::string::npos)
                << failure.what();
        }
        EXPECT_EQ(state.messages.text(Msg::Stop), "Stoppen");
        return;
    }
    const std::optional<CaptionTexts> texts = loadLanguage(state, 2);
    ASSERT_TRUE(texts);
    EXPECT_EQ(texts->records.size(), 2u);
    EXPECT_EQ(texts->lines.size(), 4u) << "a caption and a hint per record";
    EXPECT_EQ(state.messages.size(), static_cast<int>(MessageTable::builtIn().size()));
}

} // namespace
