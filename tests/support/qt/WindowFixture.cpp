#include "WindowFixture.h"

#include "app/Settings.h"
#include "ports/RegistryKey.h"

#include <QTest>

namespace powerball::testing {

std::filesystem::path shippedLanguageFiles() {
    return std::filesystem::path(POWERBALL_SOURCE_DIR) / "data" / "Land";
}

WindowFixture::WindowFixture(const std::string& today, Languages languages) : m_clock(day(today)) {
    if (languages == Languages::Shipped)
        std::filesystem::copy(shippedLanguageFiles(), m_folder.file("Land"));
    writeDrawFile(m_folder, threeOctoberDraws());
    RegistryKey(m_store, Settings::kKey).writeString("URLEdit", m_server.base().toStdString());
    m_window = std::make_unique<ui::MainWindow>(m_folder.path(), &m_store);
    m_window->setShell(m_shell);
    m_window->setClock(m_clock);
}

WindowFixture::~WindowFixture() = default;

bool WindowFixture::showActive() {
    m_window->show();
    return QTest::qWaitForWindowActive(m_window.get());
}

} // namespace powerball::testing
