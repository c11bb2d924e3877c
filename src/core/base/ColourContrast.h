#pragma once

namespace powerball {

// A colour of the screen, 0..255 per channel (sRGB).
struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;

    bool operator==(const Rgb&) const = default;
};

// The least contrast at which normal text reads well (WCAG 2, level AA).
inline constexpr double kReadableTextContrast = 4.5;

// The relative luminance of a colour, 0 for black to 1 for white (WCAG 2).
double relativeLuminance(Rgb colour);

// The contrast ratio of two colours, 1 (the same) to 21 (black and white); the order of the two
// does not matter.
double contrastRatio(Rgb first, Rgb second);

// The text colour for a coloured field: black or white, whichever stands out more. One of the
// two always reaches the readable contrast.
Rgb textColourOn(Rgb background);

// A colour that marks text (a link, a warning, a hint) as near to `accent` as it can stay while
// it reads on `background`: the accent itself when it does, else the accent mixed toward black
// on a light background or toward white on a dark one, just as far as the readable contrast
// needs.
Rgb readableAccent(Rgb accent, Rgb background);

} // namespace powerball
