#include "QtSoundPlayer.h"

#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include <system_error>

namespace powerball::ui {

void QtSoundPlayer::play(const std::filesystem::path& file) {
    const std::filesystem::path resolved = file.is_relative() ? m_folder / file : file;
    std::error_code error;
    if (!std::filesystem::is_regular_file(resolved, error))
        return;
    if (QMediaDevices::audioOutputs().isEmpty())
        return;
    if (!m_effect)
        m_effect = new QSoundEffect(m_owner);
    const QUrl source = QUrl::fromLocalFile(QFile::decodeName(resolved.c_str()));
    m_effect->stop();
    if (m_effect->source() != source)
        m_effect->setSource(source);
    m_effect->play();
}

} // namespace powerball::ui
