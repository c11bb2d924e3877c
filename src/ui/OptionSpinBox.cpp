#include "OptionSpinBox.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace powerball::ui {

namespace {

bool isStepKey(const QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return !event->isAutoRepeat();
    default:
        return false;
    }
}

} // namespace

void OptionSpinBox::mousePressEvent(QMouseEvent* event) {
    // The ranges are set before the step is taken.
    if (event->button() == Qt::LeftButton)
        Q_EMIT stepPressed();
    QSpinBox::mousePressEvent(event);
}

void OptionSpinBox::mouseReleaseEvent(QMouseEvent* event) {
    QSpinBox::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        Q_EMIT stepReleased();
}

void OptionSpinBox::keyPressEvent(QKeyEvent* event) {
    if (isStepKey(event))
        Q_EMIT stepPressed();
    QSpinBox::keyPressEvent(event);
}

void OptionSpinBox::keyReleaseEvent(QKeyEvent* event) {
    QSpinBox::keyReleaseEvent(event);
    if (isStepKey(event))
        Q_EMIT stepReleased();
}

} // namespace powerball::ui
