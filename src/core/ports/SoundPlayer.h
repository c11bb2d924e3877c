#pragma once

#include <filesystem>

namespace powerball {

// Plays a wave file without waiting for it; a new play cuts off the one still running.
// A missing file or sound device stays silent.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void play(const std::filesystem::path& file) = 0;
};

} // namespace powerball
