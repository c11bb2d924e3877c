#pragma once

#include <array>
#include <string>

class QLabel;
class QStatusBar;

namespace powerball::ui {

// The two panels of the status bar: panel 0, 150 pixels, the update's connection state;
// panel 1, the rest, the hint of the control under the mouse and the notes of commands.
class StatusPanels {
public:
    static constexpr int kFirstPanelWidth = 150;

    explicit StatusPanels(QStatusBar* bar);

    void show(const std::array<std::string, 2>& texts);

private:
    std::array<QLabel*, 2> m_panels{};
};

} // namespace powerball::ui
