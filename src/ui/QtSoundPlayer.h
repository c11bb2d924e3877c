#pragma once

#include "ports/SoundPlayer.h"

#include <filesystem>
#include <memory>
#include <utility>

namespace powerball::ui {

// Plays the wave files of the tip check. A relative name is looked up in the program folder.
// A missing file, a machine without sound output or a sound module that cannot load stays
// silent, and a new play cuts off the one still running. The player itself (Qt Multimedia)
// is loaded from its module at the first sound.
class QtSoundPlayer : public SoundPlayer {
public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;
    QtSoundPlayer(const QtSoundPlayer&) = delete;
    QtSoundPlayer& operator=(const QtSoundPlayer&) = delete;

    void setProgramFolder(std::filesystem::path folder) { m_folder = std::move(folder); }
    void play(const std::filesystem::path& file) override;

private:
    std::filesystem::path m_folder;
    std::unique_ptr<SoundPlayer> m_player;
    bool m_moduleFailed = false;
};

} // namespace powerball::ui
