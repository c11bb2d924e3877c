#include "base/MessageTable.h"

#include <gtest/gtest.h>

using namespace powerball;

namespace {

TEST(MessageTable, BuiltInEntries) {
    const MessageTable table;
    EXPECT_EQ(table.size(), 265);
    EXPECT_EQ(table.text(5), "Ein Treffer am  ");
    EXPECT_EQ(table.text(18), " durchgeführt werden??");
    EXPECT_EQ(table.text(43), "Quersumme");
    EXPECT_EQ(table.text(58), "Ändern Sie die Parameter um 12 Tipps zuberechnen");
    EXPECT_EQ(table.text(61), "Stop");
    for (int reserved : {13, 14, 15, 27, 44, 77, 78, 79})
        EXPECT_EQ(table.text(reserved), "");
    // The texts set beside the analyses' results follow the original 62.
    EXPECT_EQ(table.text(68), "Schritt ");
    EXPECT_EQ(table.text(73), "…");
    EXPECT_EQ(table.text(Msg::PrizeTierWord), "Gewinnklasse: ");
    EXPECT_EQ(table.text(102), "Die Datei ändert keine Ziehung.");
    EXPECT_EQ(table.text(Msg::SkipInvalidDraw), "%1 ist keine gültige Ziehung");
    EXPECT_EQ(table.text(Msg::TipFileNoRow),
              "%1 enthält keine Tippzeile; die Tipps bleiben, wie sie waren.");
    EXPECT_EQ(table.text(Msg::SkipUnfinishedLine).substr(0, 30), "letzte Zeile %1 ohne Zeilenend");
    EXPECT_EQ(table.text(Msg::FeedNewDraws), "%1 neue Ziehungen");
    EXPECT_EQ(table.text(Msg::ChartOtherNumbers), "grün: übrige Zahlen");
    EXPECT_EQ(table.text(Msg::CliFileHoldsNoDraws),
              "%1 enthält keine Ziehungen: es wurde nichts gespeichert");
    EXPECT_EQ(table.text(Msg::CliKindOther), "keine reguläre Datei");
    EXPECT_EQ(table.text(265), "");
    EXPECT_EQ(table.text(Msg::CliSelectedDate), "Gewählter Tag: %1");
    EXPECT_EQ(table.text(Msg::CliNoRows), "Keine ausgefüllten Tipps");
    EXPECT_EQ(table.text(-1), "");
}

TEST(MessageTable, ReplacementWithFewerLines) {
    MessageTable table;
    table.replaceAll(std::vector<std::string>(30, "x"));
    EXPECT_EQ(table.text(29), "x");
    EXPECT_EQ(table.text(43), "");
}

} // namespace
