#pragma once

#include <QObject>

class QWidget;
class QWindow;

namespace powerball::ui {

// Tells when the main window becomes active again after another window of the program (a
// dialog) had the focus. Coming back from another application does not count, nor do
// menus, popups and message boxes.
class ActivationWatch : public QObject {
    Q_OBJECT

public:
    explicit ActivationWatch(QWidget* mainWindow);

Q_SIGNALS:
    void returnedFromDialog();

private:
    void focusWindowChanged(QWindow* focus);
    static bool isDialog(QWindow* window);

    QWidget* m_mainWindow;
    bool m_dialogHadFocus = false;
};

} // namespace powerball::ui
