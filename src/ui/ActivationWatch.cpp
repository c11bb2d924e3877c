#include "ActivationWatch.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>
#include <QWindow>

namespace powerball::ui {

ActivationWatch::ActivationWatch(QWidget* mainWindow)
    : QObject(mainWindow), m_mainWindow(mainWindow) {
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &ActivationWatch::focusWindowChanged);
}

void ActivationWatch::focusWindowChanged(QWindow* focus) {
    // No focus window: another application has the focus. The program's windows alone
    // decide, so leaving and coming back changes nothing.
    if (!focus)
        return;
    if (focus == m_mainWindow->windowHandle()) {
        const bool fromDialog = m_dialogHadFocus;
        m_dialogHadFocus = false;
        if (fromDialog)
            Q_EMIT returnedFromDialog();
        return;
    }
    if (isDialog(focus))
        m_dialogHadFocus = true;
}

bool ActivationWatch::isDialog(QWindow* window) {
    const Qt::WindowType type = window->type();
    if (type != Qt::Window && type != Qt::Dialog && type != Qt::Sheet)
        return false;
    // Message boxes only report; closing one is no reason to look at the draws again (an
    // error box would otherwise come back for ever).
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* widget : windows)
        if (widget->windowHandle() == window)
            return !qobject_cast<QMessageBox*>(widget);
    return true;
}

} // namespace powerball::ui
