#include "base/ColourContrast.h"

#include <gtest/gtest.h>

#include <vector>

using namespace powerball;

namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};

struct KnownContrast {
    Rgb first;
    Rgb second;
    double ratio;
};

// Values of the WCAG definition, as contrast checkers give them.
TEST(ColourContrast, RatiosOfKnownPairs) {
    const KnownContrast cases[] =
        {
            {kBlack, kWhite, 21.0},       {kWhite, kBlack, 21.0},
            {kWhite, kWhite, 1.0},        {{119, 119, 119}, kWhite, 4.48},
            {{0, 0, 128}, kBlack, 1.32}, // the old navy hint on a black window
            {{0, 0, 192}, kWhite, 11.92}, {{255, 0, 0}, kWhite, 4.0},
            {{0, 255, 0}, kBlack, 15.3},
        };
    for (const KnownContrast& c : cases)
        EXPECT_NEAR(contrastRatio(c.first, c.second), c.ratio, 0.01)
            << c.first.red << "," << c.first.green << "," << c.first.blue;
}

// Light and dark window colours of common themes, the marked field colours and a few in between.
std::vector<Rgb> backgrounds() {
    std::vector<Rgb> found = {kBlack,          kWhite,          {53, 53, 53},    {42, 46, 50},
                              {239, 239, 239}, {49, 54, 59},    {0, 255, 0},     {255, 0, 0},
                              {255, 255, 0},   {255, 205, 205}, {118, 118, 118}, {0, 0, 128}};
    for (int grey = 0; grey <= 255; grey += 15)
        found.push_back({grey, grey, grey});
    return found;
}

TEST(ColourContrast, FieldTextAlwaysReads) {
    for (const Rgb background : backgrounds()) {
        const Rgb text = textColourOn(background);
        EXPECT_TRUE(text == kBlack || text == kWhite);
        EXPECT_GE(contrastRatio(text, background), kReadableTextContrast)
            << background.red << "," << background.green << "," << background.blue;
    }
    EXPECT_EQ(textColourOn({0, 255, 0}), kBlack);
    EXPECT_EQ(textColourOn({0, 0, 128}), kWhite);
}

TEST(ColourContrast, AccentReadsOnEveryBackgroundAndKeepsItsHue) {
    const Rgb accents[] = {{0, 0, 128}, {0, 0, 192}, {255, 0, 0}, {0, 128, 0}, {192, 128, 0}};
    for (const Rgb background : backgrounds()) {
        for (const Rgb accent : accents) {
            const Rgb shown = readableAccent(accent, background);
            EXPECT_GE(contrastRatio(shown, background), kReadableTextContrast)
                << accent.red << "," << accent.green << "," << accent.blue << " on "
                << background.red << "," << background.green << "," << background.blue;
            if (contrastRatio(accent, background) >= kReadableTextContrast) {
                EXPECT_EQ(shown, accent);
            }
        }
    }
    // Navy on a dark window turns light but stays blue rather than plain white.
    const Rgb onDark = readableAccent({0, 0, 128}, {53, 53, 53});
    EXPECT_GT(onDark.blue, onDark.red);
    EXPECT_NE(onDark, kWhite);
    // On a light window the accent is left alone.
    EXPECT_EQ(readableAccent({0, 0, 128}, {239, 239, 239}), (Rgb{0, 0, 128}));
}

} // namespace
