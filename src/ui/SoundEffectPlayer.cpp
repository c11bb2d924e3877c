#include "SoundEffectPlayer.h"

#include "SoundEffectModule.h"

#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace powerball::ui {

SoundEffectPlayer::SoundEffectPlayer() = default;

SoundEffectPlayer::~SoundEffectPlayer() = default;

void SoundEffectPlayer::play(const std::filesystem::path& file) {
    if (QMediaDevices::audioOutputs().isEmpty())
        return;
    if (!m_effect)
        m_effect = std::make_unique<QSoundEffect>();
    const QUrl source = QUrl::fromLocalFile(QFile::decodeName(file.c_str()));
    m_effect->stop();
    if (m_effect->source() != source)
        m_effect->setSource(source);
    m_effect->play();
}

} // namespace powerball::ui

extern "C" __attribute__((visibility("default"))) powerball::SoundPlayer*
powerball_make_sound_player() {
    return new powerball::ui::SoundEffectPlayer();
}
