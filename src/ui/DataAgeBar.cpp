#include "DataAgeBar.h"

#include "LanguagePass.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

namespace powerball::ui {

using namespace Qt::Literals::StringLiterals;

DataAgeBar::DataAgeBar(QWidget* parent) : QFrame(parent) {
    setObjectName(u"dataAgeBar"_s);
    // The palette's own highlight-free colours: readable on light and dark themes alike.
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::AlternateBase);

    auto* icon = new QLabel(this);
    icon->setObjectName(u"dataAgeIcon"_s);
    const int size = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(size, size));
    LanguagePass::keepText(icon);

    m_text = new QLabel(this);
    m_text->setObjectName(u"dataAgeText"_s);
    m_text->setTextFormat(Qt::PlainText);
    m_text->setWordWrap(true);
    LanguagePass::keepText(m_text);

    auto* load = new QPushButton(u"&Jetzt laden"_s, this);
    load->setObjectName(u"dataAgeLoadButton"_s);
    load->setToolTip(u"Lädt die fehlenden Ziehungen aus dem Internet"_s);
    connect(load, &QPushButton::clicked, this, &DataAgeBar::loadRequested);

    auto* close = new QToolButton(this);
    close->setObjectName(u"dataAgeCloseButton"_s);
    close->setAutoRaise(true);
    close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    close->setToolTip(u"Hinweis ausblenden"_s);
    connect(close, &QToolButton::clicked, this, &QWidget::hide);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 3, 3, 3);
    layout->addWidget(icon);
    layout->addWidget(m_text, 1);
    layout->addWidget(load);
    layout->addWidget(close);
    hide();
}

void DataAgeBar::showNote(const QString& text) {
    m_text->setText(text);
    setVisible(!text.isEmpty());
}

QString DataAgeBar::note() const {
    return m_text->text();
}

} // namespace powerball::ui
