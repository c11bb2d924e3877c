#pragma once

#include "ports/SoundPlayer.h"

#include <filesystem>
#include <utility>

class QObject;
class QSoundEffect;

namespace powerball::ui {

// Plays the wave files of the tip check with QSoundEffect. A relative name is looked up in
// the program folder. A missing file or a machine without sound output stays silent, and
// a new play cuts off the one still running.
class QtSoundPlayer : public SoundPlayer {
public:
    explicit QtSoundPlayer(QObject* owner) : m_owner(owner) {}

    void setProgramFolder(std::filesystem::path folder) { m_folder = std::move(folder); }
    void play(const std::filesystem::path& file) override;

private:
    QObject* m_owner;
    std::filesystem::path m_folder;
    QSoundEffect* m_effect = nullptr;
};

} // namespace powerball::ui
