#include "draws/DrawFilter.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

using namespace powerball;
using powerball::testing::draw;

namespace {

struct FilterCase {
    const char* text;
    bool shown;
};

// One draw, seen through each filter text: years, its numbers, the Powerball, and words that
// are no year or number.
TEST(DrawFilter, KeepsTheDrawsThatMeetEveryWord) {
    const DrawRecord record = draw("2024-03-09", {5, 11, 22, 33, 69}, 26, 3);
    const FilterCase cases[] = {
        {"", true},         {"   ", true},    {"2024", true},    {"2023", false},
        {"5", true},        {"05", true},     {"69", true},      {"26", true},
        {"3", false},       {"4", false},     {"2024 11", true}, {" 11  2024 ", true},
        {"2023 11", false}, {"11 12", false}, {"abc", false},    {"11 x", false},
        {"20245", false},   {"-5", false},    {"9.3.", false},   {"0026", false},
    };
    for (const FilterCase& c : cases)
        EXPECT_EQ(DrawFilter(c.text).passes(record.date, record.drawNumbers()), c.shown)
            << '"' << c.text << '"';
}

TEST(DrawFilter, OnlyTheEmptyTextKeepsAll) {
    EXPECT_TRUE(DrawFilter("").keepsAll());
    EXPECT_TRUE(DrawFilter(" \t").keepsAll());
    EXPECT_FALSE(DrawFilter("7").keepsAll());
    EXPECT_FALSE(DrawFilter("x").keepsAll());
}

} // namespace
