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

std::optional<QString> HintRelay::renewedHint(const QString& shown) {
    if (!m_last || shown != m_lastHint || m_last->toolTip() == m_lastHint)
        return std::nullopt;
    m_lastHint = m_last->toolTip();
    return m_lastHint;
}

bool HintRelay::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Enter) {
        if (auto* control = qobject_cast<QWidget*>(watched)) {
            m_last = control;
            m_lastHint = control->toolTip();
            Q_EMIT hint(m_lastHint);
        }
    } else if (event->type() == QEvent::Leave && watched == m_last.data()) {
        Q_EMIT left(m_lastHint);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace powerball::ui
