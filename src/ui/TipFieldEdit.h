#pragma once

#include <QLineEdit>

namespace powerball::ui {

// One number field of the tip sheet: two digits wide in the current font, and it reports
// when the user leaves it for another control of the window.
class TipFieldEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit TipFieldEdit(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    void left();

protected:
    void focusOutEvent(QFocusEvent* event) override;
};

} // namespace powerball::ui
