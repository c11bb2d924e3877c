#pragma once

#include <QFont>

class QWidget;

namespace powerball::ui {

// Rescales the page area with the window height: whenever the height differs from the one
// of the last rescale, the pages' font becomes the designed font times new height /
// designed height, and the layouts follow. A change of width alone rescales nothing.
class PageScaler {
public:
    PageScaler(QWidget* pages, int designedHeight);

    void heightChanged(int height);
    double factor() const { return m_factor; }

private:
    QWidget* m_pages;
    QFont m_designedFont;
    int m_designedHeight;
    int m_heightRef;
    double m_factor = 1.0;
};

} // namespace powerball::ui
