#include "MenuShortcutPriority.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include <utility>

namespace powerball::ui {

MenuShortcutPriority::MenuShortcutPriority(QWidget* window, QList<QAction*> actions)
    : QObject(window), m_window(window), m_actions(std::move(actions)) {
    qApp->installEventFilter(this);
}

bool MenuShortcutPriority::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != m_window)
        return false;
    const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
    for (const QAction* action : std::as_const(m_actions)) {
        // Swallowed unanswered, the override request leaves the key to the shortcut.
        if (action->isEnabled() && action->isVisible() && action->shortcut() == pressed)
            return true;
    }
    return false;
}

} // namespace powerball::ui
