#include "LazyPage.h"

#include <QVBoxLayout>

namespace powerball::ui {

LazyPage::LazyPage(Builder builder, QWidget* parent)
    : QWidget(parent), m_builder(std::move(builder)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

QWidget* LazyPage::build() {
    if (m_page)
        return m_page;
    m_page = m_builder(this);
    layout()->addWidget(m_page);
    // A page made while its tab is in view shows with it, in the same paint.
    if (isVisible())
        m_page->show();
    Q_EMIT built(m_page);
    return m_page;
}

void LazyPage::showEvent(QShowEvent* event) {
    build();
    QWidget::showEvent(event);
}

} // namespace powerball::ui
