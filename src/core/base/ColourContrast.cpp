#include "base/ColourContrast.h"

#include <algorithm>
#include <cmath>

namespace powerball {

namespace {

double linearChannel(int value) {
    const double channel = std::clamp(value, 0, 255) / 255.0;
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

int mixed(int from, int to, double share) {
    return static_cast<int>(std::lround(from + (to - from) * share));
}

} // namespace

double relativeLuminance(Rgb colour) {
    return 0.2126 * linearChannel(colour.red) + 0.7152 * linearChannel(colour.green) +
           0.0722 * linearChannel(colour.blue);
}

double contrastRatio(Rgb first, Rgb second) {
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

Rgb textColourOn(Rgb background) {
    const Rgb black{0, 0, 0};
    const Rgb white{255, 255, 255};
    return contrastRatio(black, background) >= contrastRatio(white, background) ? black : white;
}

Rgb readableAccent(Rgb accent, Rgb background) {
    if (contrastRatio(accent, background) >= kReadableTextContrast)
        return accent;
    const Rgb target = textColourOn(background);
    // Twenty steps keep the hue visible; the last step is the target, which always reads.
    constexpr int kSteps = 20;
    for (int step = 1; step < kSteps; ++step) {
        const double share = static_cast<double>(step) / kSteps;
        const Rgb candidate{mixed(accent.red, target.red, share),
                            mixed(accent.green, target.green, share),
                            mixed(accent.blue, target.blue, share)};
        if (contrastRatio(candidate, background) >= kReadableTextContrast)
            return candidate;
    }
    return target;
}

} // namespace powerball
