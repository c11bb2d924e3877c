#include "rules/generator/NumberListFile.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <system_error>

using namespace powerball;
using powerball::testing::TempFolder;

namespace {

std::string readText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeText(const std::filesystem::path& file, const std::string& text) {
    std::ofstream(file, std::ios::binary) << text;
}

TEST(NumberListFileTest, SavesSixtyNineLinesAndReadsThemBack) {
    TempFolder folder;
    NumberListBoxes boxes;
    boxes.setTicked(5, true);
    boxes.setWeight(5, "3");
    boxes.setTicked(9, true); // empty weight: saved as 1
    boxes.setWeight(12, "7"); // unticked: an empty line
    NumberListFile::save(folder.file("list.vlw"), boxes);
    std::string expected;
    for (int n = 1; n <= 69; ++n)
        expected += std::string(n == 5 ? "3" : n == 9 ? "1" : "") + "\r\n";
    EXPECT_EQ(readText(folder.file("list.vlw")), expected);
    EXPECT_EQ(boxes.weight(9), "1");

    NumberListBoxes loaded;
    loaded.setTicked(60, true);
    NumberListFile::load(folder.file("list.vlw"), loaded);
    EXPECT_TRUE(loaded.isTicked(5));
    EXPECT_EQ(loaded.weight(5), "3");
    EXPECT_EQ(loaded.weight(9), "1");
    EXPECT_FALSE(loaded.isTicked(12));
    EXPECT_EQ(loaded.weight(12), "1"); // an unticked number comes back with 1
    EXPECT_FALSE(loaded.isTicked(60));
}

TEST(NumberListFileTest, AFirstWeightStartingWithAByteOrderMarkComesBack) {
    TempFolder folder;
    NumberListBoxes boxes;
    boxes.setTicked(1, true);
    boxes.setWeight(1, "\xEF\xBB\xBF"
                       "2");
    NumberListFile::save(folder.file("list.vlw"), boxes);
    NumberListBoxes loaded;
    NumberListFile::load(folder.file("list.vlw"), loaded);
    EXPECT_TRUE(loaded.isTicked(1));
    EXPECT_EQ(loaded.weight(1), "\xEF\xBB\xBF"
                                "2");
}

TEST(NumberListFileTest, ReadsShortFilesAndEveryEncoding) {
    TempFolder folder;
    struct Case {
        const char* name;
        std::string bytes;
        std::string weightOf2;
    };
    const Case cases[] = {
        {"short, LF only", "\n4\n", "4"},
        {"UTF-8 mark", "\xEF\xBB\xBF\r\n4\r\n", "4"},
        {"UTF-16 LE mark",
         std::string("\xFF\xFE\r\0\n\0"
                     "4\0\r\0\n\0",
                     12),
         "4"},
        {"UTF-16 BE mark",
         std::string("\xFE\xFF\0\r\0\n\0"
                     "4\0\r\0\n",
                     12),
         "4"},
        {"Windows-1252", "\n\xBD\r\n", "\xC2\xBD"},
    };
    for (const Case& c : cases) {
        writeText(folder.file("in.vlw"), c.bytes);
        NumberListBoxes boxes;
        NumberListFile::load(folder.file("in.vlw"), boxes);
        EXPECT_FALSE(boxes.isTicked(1)) << c.name;
        EXPECT_TRUE(boxes.isTicked(2)) << c.name;
        EXPECT_EQ(boxes.weight(2), c.weightOf2) << c.name;
        EXPECT_FALSE(boxes.isTicked(3)) << c.name; // past the end: unticked
    }
}

TEST(NumberListFileTest, FailuresLeaveTheBoxesAsTheyWere) {
    TempFolder folder;
    NumberListBoxes boxes;
    boxes.setTicked(4, true);
    const NumberListBoxes before = boxes;
    EXPECT_THROW(NumberListFile::load(folder.file("missing.vlw"), boxes), std::runtime_error);
    EXPECT_THROW(NumberListFile::save(folder.file("no/such/folder.vlw"), boxes), std::system_error);
    EXPECT_EQ(boxes, before);
}

} // namespace
