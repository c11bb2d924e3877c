#include "SizedLabel.h"

#include <QFontMetrics>

#include <algorithm>
#include <utility>

namespace powerball::ui {

SizedLabel::SizedLabel(QString widthSample, QWidget* parent)
    : QLabel(parent), m_widthSample(std::move(widthSample)) {}

QSize SizedLabel::sizeHint() const {
    const QSize own = QLabel::sizeHint();
    const int sampleWidth =
        fontMetrics().horizontalAdvance(m_widthSample) + 2 * (frameWidth() + margin()) + indent();
    return {std::max(own.width(), sampleWidth), std::max(own.height(), fontMetrics().height())};
}

QSize SizedLabel::minimumSizeHint() const {
    return sizeHint();
}

} // namespace powerball::ui
