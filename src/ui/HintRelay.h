#pragma once

#include <QObject>

class QWidget;

namespace powerball::ui {

// Passes the tooltip of the control under the mouse on as a hint for the status bar.
class HintRelay : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // Watches every control below `root` that carries a tooltip.
    void watch(QWidget* root);

Q_SIGNALS:
    void hint(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace powerball::ui
