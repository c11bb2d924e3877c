#include "rules/evaluation/PrizeTiers.h"
#include "rules/evaluation/PrizeTexts.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <string>

using namespace powerball;
using powerball::testing::day;

namespace {

struct PrizeCase {
    int hits;
    bool pbHit;
    const char* drawDate;
    int powerPlay;
    const char* tier;
    bool prizeKnown;
    std::int64_t usd;
    std::int64_t powerPlayUsd;
};

TEST(PrizeTiers, EveryTierWithAndWithoutPowerPlay) {
    const PrizeCase cases[] = {
        // Power Play 3: every fixed prize three times, but Match 5.
        {5, true, "2020-09-26", 3, "5 + PB", true, 0, 0},
        {5, false, "2020-09-26", 3, "5", true, 1'000'000, 2'000'000},
        {4, true, "2020-09-26", 3, "4 + PB", true, 50'000, 150'000},
        {4, false, "2020-09-26", 3, "4", true, 100, 300},
        {3, true, "2020-09-26", 3, "3 + PB", true, 100, 300},
        {3, false, "2020-09-26", 3, "3", true, 7, 21},
        {2, true, "2020-09-26", 3, "2 + PB", true, 7, 21},
        {1, true, "2020-09-26", 3, "1 + PB", true, 4, 12},
        {0, true, "2020-09-26", 3, "PB", true, 4, 12},
        {2, false, "2020-09-26", 3, "", true, 0, 0},
        {1, false, "2020-09-26", 3, "", true, 0, 0},
        {0, false, "2020-09-26", 3, "", true, 0, 0},
        // Match 5 pays $2,000,000 with Power Play whatever the multiplier, 10 included.
        {5, false, "2020-09-26", 10, "5", true, 1'000'000, 2'000'000},
        {4, false, "2020-09-26", 10, "4", true, 100, 1'000},
        // A draw stored without its multiplier pays the base prizes with Power Play.
        {3, true, "2020-09-26", 0, "3 + PB", true, 100, 100},
        {5, false, "2020-09-26", 0, "5", true, 1'000'000, 2'000'000},
        // The first draw of today's game, and the one before it: tier only.
        {4, true, "2015-10-07", 2, "4 + PB", true, 50'000, 100'000},
        {4, true, "2015-10-04", 2, "4 + PB", false, 0, 0},
        {5, false, "2012-01-04", 5, "5", false, 0, 0},
    };
    for (const PrizeCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.hits) + (c.pbHit ? "+PB " : " ") + c.drawDate + " PP " +
                     std::to_string(c.powerPlay));
        MatchClass match;
        match.hits = c.hits;
        match.pbHit = c.pbHit;
        const RowPrize prize = PrizeTiers::prizeOf(match, day(c.drawDate), c.powerPlay);
        EXPECT_EQ(PrizeTiers::tierName(prize.tier), c.tier);
        EXPECT_EQ(prize.prizeKnown, c.prizeKnown);
        EXPECT_EQ(prize.usd, c.usd);
        EXPECT_EQ(prize.powerPlayUsd, c.powerPlayUsd);
    }
}

TEST(PrizeTiers, ExpectedWinOfARandomRow) {
    // About 32 cents of every $2 come back in fixed prizes.
    EXPECT_NEAR(PrizeTiers::expectedWinUsd(), 0.32, 0.005);
    // Power Play 2 doubles every fixed prize, Match 5's $2,000,000 included; at 10 Match 5
    // stays at $2,000,000.
    const double ev = PrizeTiers::expectedWinUsd();
    EXPECT_NEAR(PrizeTiers::expectedPowerPlayWinUsd(2), 2 * ev, 1e-9);
    EXPECT_NEAR(PrizeTiers::expectedPowerPlayWinUsd(10), 10 * ev - 8'000'000 / 11'688'053.52, 1e-9);
}

TEST(PrizeTexts, NumbersAsTheLanguageWritesThem) {
    const TextFormat german(1);
    const TextFormat english(2);
    EXPECT_EQ(PrizeTexts::dollars(german, std::int64_t{4}), "4 $");
    EXPECT_EQ(PrizeTexts::dollars(german, std::int64_t{1'000}), "1.000 $");
    EXPECT_EQ(PrizeTexts::dollars(german, std::int64_t{2'000'000}), "2.000.000 $");
    EXPECT_EQ(PrizeTexts::dollars(german, 0.3199), "0,32 $");
    EXPECT_EQ(PrizeTexts::dollars(german, 1234.5), "1.234,50 $");
    EXPECT_EQ(PrizeTexts::odds(german, 292'201'338.0), "292.201.338");
    EXPECT_EQ(PrizeTexts::odds(german, 11'688'053.52), "11.688.053,52");
    EXPECT_EQ(PrizeTexts::odds(german, 38.32), "38,32");
    // An English reader must never take fifty thousand dollars for fifty.
    EXPECT_EQ(PrizeTexts::dollars(english, std::int64_t{50'104}), "$50,104");
    EXPECT_EQ(PrizeTexts::dollars(english, 1234.5), "$1,234.50");
    EXPECT_EQ(PrizeTexts::odds(english, 11'688'053.52), "11,688,053.52");
}

TEST(PrizeTexts, AmountsInTheLanguageOfTheMessageTable) {
    MessageTable messages;
    messages.setLanguage(2);
    SheetPrizes prizes;
    prizes.add(1, {PrizeTier::Four, true, 50'000, 100'000});
    EXPECT_NE(PrizeTexts::sheetTotal(messages, prizes).find("$50,000 ("), std::string::npos);
    EXPECT_NE(PrizeTexts::sheetTotal(messages, prizes).find("$100,000)"), std::string::npos);
}

TEST(PrizeTexts, HintOfARow) {
    const MessageTable messages;
    const auto hint = [&messages](int hits, bool pbHit, const char* date, int powerPlay) {
        MatchClass match;
        match.hits = hits;
        match.pbHit = pbHit;
        return PrizeTexts::rowHint(messages, PrizeTiers::prizeOf(match, day(date), powerPlay));
    };
    EXPECT_EQ(hint(3, true, "2020-09-26", 2),
              "Gewinnklasse: 3 + PB\nGewinn: 100 $\nmit Power Play: 200 $\nChance: 1 zu 14.494,11");
    EXPECT_EQ(hint(5, true, "2020-09-26", 2),
              "Gewinnklasse: 5 + PB\nGewinn: Jackpot\nChance: 1 zu 292.201.338");
    EXPECT_EQ(hint(4, false, "2014-01-04", 2),
              "Gewinnklasse: 4\nGewinnplan erst ab dem 07.10.2015 bekannt");
    EXPECT_EQ(hint(2, false, "2020-09-26", 2), "keine Gewinnklasse");
}

TEST(PrizeTexts, SheetTotalOnlyWhenSomethingWasWon) {
    const MessageTable messages;
    SheetPrizes prizes;
    RowPrize nothing;
    nothing.prizeKnown = true;
    prizes.add(0, nothing);
    EXPECT_EQ(PrizeTexts::sheetTotal(messages, prizes), "");
    prizes.add(1, {PrizeTier::Three, true, 7, 14});
    prizes.add(2, {PrizeTier::Powerball, true, 4, 8});
    EXPECT_EQ(PrizeTexts::sheetTotal(messages, prizes),
              "Gewinn des Tipps: 11 $ (mit Power Play: 22 $)");
    prizes.add(3, {PrizeTier::Jackpot, true, 0, 0});
    EXPECT_EQ(PrizeTexts::sheetTotal(messages, prizes),
              "Gewinn des Tipps: 11 $ + Jackpot (mit Power Play: 22 $ + Jackpot)");
}

} // namespace
