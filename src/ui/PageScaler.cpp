#include "PageScaler.h"

#include <QWidget>

#include <algorithm>

namespace powerball::ui {

PageScaler::PageScaler(QWidget* pages, int designedHeight)
    : m_pages(pages), m_designedFont(pages->font()), m_designedHeight(designedHeight),
      m_heightRef(designedHeight) {}

void PageScaler::heightChanged(int height) {
    if (height == m_heightRef || height <= 0)
        return;
    m_heightRef = height;
    m_factor = static_cast<double>(height) / m_designedHeight;
    QFont font = m_designedFont;
    if (font.pointSizeF() > 0)
        font.setPointSizeF(m_designedFont.pointSizeF() * m_factor);
    else
        font.setPixelSize(std::max(1, qRound(m_designedFont.pixelSize() * m_factor)));
    m_pages->setFont(font);
}

} // namespace powerball::ui
