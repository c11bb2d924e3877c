#pragma once

#include <QSpinBox>

namespace powerball::ui {

// A spin field of the calculation options. It reports when the user presses and releases
// its step buttons or step keys, so that coupled spins can adjust their ranges first.
class OptionSpinBox : public QSpinBox {
    Q_OBJECT

public:
    using QSpinBox::QSpinBox;

Q_SIGNALS:
    void stepPressed();
    void stepReleased();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
};

} // namespace powerball::ui
