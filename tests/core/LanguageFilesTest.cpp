#include "rules/language/LanguageFiles.h"
#include "app/language/LanguageChoice.h"

#include "TempFolder.h"
#include "base/FileReading.h"

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
    writeLines(folder.file("utf8.txt"), {"Übersicht", longLine, "русский"});
    const auto lines = LanguageFiles::readLines(folder.file("utf8.txt"));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "Übersicht");
    EXPECT_EQ(lines[1].size(), 4096u);
    EXPECT_EQ(lines[2], "русский");

    // Without a byte-order mark and not UTF-8: Windows-1252.
    std::ofstream(folder.file("ansi.txt"), std::ios::binary) << "\xDC"
                                                                "bersicht\r\n";
    EXPECT_EQ(LanguageFiles::readLines(folder.file("ansi.txt")),
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

} // namespace
