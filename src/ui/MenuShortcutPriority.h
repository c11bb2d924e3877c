#pragma once

#include <QList>
#include <QObject>

class QAction;
class QWidget;

namespace powerball::ui {

// Lets the main menu's shortcuts win over the text fields of the main window: a line edit,
// a spin box or a date field would otherwise take Ctrl+A as "select all" and the update
// could not be started from the keyboard while a field has the focus. Dialogs keep their
// own keys.
class MenuShortcutPriority : public QObject {
    Q_OBJECT

public:
    MenuShortcutPriority(QWidget* window, QList<QAction*> actions);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    QList<QAction*> m_actions;
};

} // namespace powerball::ui
