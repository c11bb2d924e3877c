#include "HintRelay.h"

#include <QEvent>
#include <QWidget>

namespace powerball::ui {

void HintRelay::watch(QWidget* root) {
    const QList<QWidget*> controls = root->findChildren<QWidget*>();
    for (QWidget* control : controls)
        if (!control->toolTip().isEmpty())
            control->installEventFilter(this);
}

bool HintRelay::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Enter) {
        if (auto* control = qobject_cast<QWidget*>(watched))
            Q_EMIT hint(control->toolTip());
    }
    return QObject::eventFilter(watched, event);
}

} // namespace powerball::ui
