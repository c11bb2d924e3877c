#pragma once

#include <QLabel>

namespace powerball::ui {

// A label that reports a click of the left mouse button, like the row captions that lock a
// tip row and the banners that open the maker's home page.
class ClickableLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace powerball::ui
