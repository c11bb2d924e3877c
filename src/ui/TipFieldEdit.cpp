#include "TipFieldEdit.h"

#include <QFocusEvent>
#include <QStyle>
#include <QStyleOptionFrame>

namespace powerball::ui {

using namespace Qt::Literals::StringLiterals;

TipFieldEdit::TipFieldEdit(QWidget* parent) : QLineEdit(parent) {
    setAlignment(Qt::AlignCenter);
}

QSize TipFieldEdit::sizeHint() const {
    const QSize full = QLineEdit::sizeHint();
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QSize text(fontMetrics().horizontalAdvance(u"000"_s), fontMetrics().height());
    const QSize wanted = style()->sizeFromContents(QStyle::CT_LineEdit, &option, text, this);
    return {wanted.width(), full.height()};
}

QSize TipFieldEdit::minimumSizeHint() const {
    return sizeHint();
}

void TipFieldEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // Switching to another application, or a menu popping up, is not leaving the field.
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
        Q_EMIT left();
}

} // namespace powerball::ui
