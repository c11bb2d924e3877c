#pragma once

#include "ports/SoundPlayer.h"

#include <memory>

class QSoundEffect;

namespace powerball::ui {

// Plays a wave file with QSoundEffect; a new play cuts off the one still running. It lives in
// the sound module (SoundEffectModule.h), never in the window's own executable.
class SoundEffectPlayer : public SoundPlayer {
public:
    SoundEffectPlayer();
    ~SoundEffectPlayer() override;
    SoundEffectPlayer(const SoundEffectPlayer&) = delete;
    SoundEffectPlayer& operator=(const SoundEffectPlayer&) = delete;

    void play(const std::filesystem::path& file) override;

private:
    std::unique_ptr<QSoundEffect> m_effect;
};

} // namespace powerball::ui
