#include "rules/sheet/TipSheet.h"

#include <gtest/gtest.h>

using namespace powerball;

namespace {

TEST(TipSheet, FieldValidation) {
    struct Case {
        int field;
        const char* typed;
        const char* kept;
    };
    const std::vector<Case> cases{
        {0, "69", "69"}, {0, "70", ""}, {0, "0", ""},  {0, "007", "7"}, {0, "x", ""},
        {0, "", ""},     {0, "-3", ""}, {0, "4 ", ""}, {0, "+5", "5"},  {4, "1", "1"},
        {5, "26", "26"}, {5, "27", ""}, {6, "27", ""}, {6, "12", "12"}, {0, "99999999999", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TipSheet::validated(c.field, c.typed), c.kept)
            << "field " << c.field << " typed " << c.typed;
}

TEST(TipSheet, ClearUnlockedKeepsLockedRows) {
    TipSheet sheet;
    for (int r = 0; r < TipSheet::kRowCount; ++r) {
        sheet.setLine(r, "1,2,3,4,5,6,7");
        sheet.row(r).hitText = "3";
        sheet.row(r).crossSumText = "15";
        sheet.row(r).colors[0] = FieldColor::Lime;
    }
    sheet.toggleLock(1);
    sheet.toggleLock(6);
    sheet.clearUnlocked();
    for (int r = 0; r < TipSheet::kRowCount; ++r) {
        const bool locked = r == 1 || r == 6;
        EXPECT_EQ(sheet.row(r).locked, locked);
        EXPECT_EQ(sheet.line(r), locked ? "1,2,3,4,5,6,7" : ",,,,,,") << r;
        EXPECT_EQ(sheet.row(r).hitText, locked ? "3" : "") << r;
        EXPECT_EQ(sheet.row(r).crossSumText, locked ? "15" : "") << r;
        EXPECT_EQ(sheet.row(r).colors[0], locked ? FieldColor::Lime : FieldColor::Window);
    }
    sheet.toggleLock(1);
    EXPECT_FALSE(sheet.row(1).locked);
}

TEST(TipSheet, TipLines) {
    TipSheet sheet;
    sheet.setLine(0, "3,17,22,45,61,9,");
    EXPECT_EQ(sheet.line(0), "3,17,22,45,61,9,");
    // What the user typed stays, a number in its canonical form; the check marks the row.
    sheet.setLine(1, "3,70,022,x");
    EXPECT_EQ(sheet.line(1), "3,70,22,x,,,");
    // A field never splits a tip line; the hidden field is validated as before.
    sheet.setField(2, 0, "7,7\r\n");
    sheet.setField(2, TipRow::kHiddenField, "27");
    EXPECT_EQ(sheet.line(2), "77,,,,,,");
}

TEST(TipSheet, ComponentNames) {
    EXPECT_EQ(TipSheet::fieldName(0, 0), "Edit1");
    EXPECT_EQ(TipSheet::fieldName(0, 5), "Edit6");
    EXPECT_EQ(TipSheet::fieldName(0, 6), "Edit93");
    EXPECT_EQ(TipSheet::fieldName(6, 0), "Edit43");
    EXPECT_EQ(TipSheet::fieldName(8, 4), "Edit60");
    EXPECT_EQ(TipSheet::fieldName(11, 5), "Edit79");
    EXPECT_EQ(TipSheet::fieldName(11, 6), "Edit104");
    EXPECT_EQ(TipSheet::captionName(1), "Label30");
    EXPECT_EQ(TipSheet::captionName(9), "Label61");
    EXPECT_EQ(TipSheet::hitsLabelName(8), "Label65");
    EXPECT_EQ(TipSheet::crossSumLabelName(11), "Label72");
    EXPECT_EQ(TipSheet::caption(11), "12. Tipp");
}

} // namespace
