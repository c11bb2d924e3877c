#pragma once

#include <QLabel>

namespace powerball::ui {

// A label as wide as a sample text in its current font, so a column keeps its width while
// its text comes and goes, and grows and shrinks with the font when the pages are rescaled.
class SizedLabel : public QLabel {
    Q_OBJECT

public:
    explicit SizedLabel(QString widthSample, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    QString m_widthSample;
};

} // namespace powerball::ui
