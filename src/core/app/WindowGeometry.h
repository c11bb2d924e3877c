#pragma once

namespace powerball {

// The main window's size as the settings keep it. The window fills it in before the settings
// are saved and reads it back after they are restored.
struct WindowGeometry {
    static constexpr int kDesignedWidth = 528;
    static constexpr int kDesignedHeight = 451;
    // Stored sizes outside these bounds are not taken: a window of no height would scale
    // its pages down to nothing.
    static constexpr int kSmallestSide = 100;
    static constexpr int kLargestSide = 20000;

    int width = kDesignedWidth;
    int height = kDesignedHeight;
    bool normalState = true; // neither maximised nor minimised

    static bool usableSide(int pixels) { return pixels >= kSmallestSide && pixels <= kLargestSide; }

    bool operator==(const WindowGeometry&) const = default;
};

} // namespace powerball
