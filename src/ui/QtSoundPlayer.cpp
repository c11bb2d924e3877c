#include "QtSoundPlayer.h"

#include "AdapterModule.h"
#include "SoundEffectModule.h"

#include <QtGlobal>

#include <exception>
#include <system_error>

namespace powerball::ui {

QtSoundPlayer::QtSoundPlayer() = default;

QtSoundPlayer::~QtSoundPlayer() = default;

void QtSoundPlayer::play(const std::filesystem::path& file) {
    const std::filesystem::path resolved = file.is_relative() ? m_folder / file : file;
    std::error_code error;
    if (!std::filesystem::is_regular_file(resolved, error))
        return;
    if (!m_player && !m_moduleFailed) {
        try {
            m_player.reset(
                AdapterModule::entry<MakeSoundPlayer>(kSoundModuleFile, kSoundModuleEntry)());
        } catch (const std::exception& failure) {
            // Sounds are a greeting, not a result: the check goes on without them.
            m_moduleFailed = true;
            qWarning("No sounds: %s", failure.what());
        }
    }
    if (m_player)
        m_player->play(resolved);
}

} // namespace powerball::ui
