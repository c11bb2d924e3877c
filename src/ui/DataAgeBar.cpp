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

    m_icon = new QLabel(this);
    m_icon->setObjectName(u"dataAgeIcon"_s);
    LanguagePass::keepText(m_icon);

    m_text = new QLabel(this);
    m_text->setObjectName(u"dataAgeText"_s);
    m_text->setTextFormat(Qt::PlainText);
    m_text->setWordWrap(true);
    LanguagePass::keepText(m_text);

    auto* load = new QPushButton(u"&Jetzt laden"_s, this);
    load->setObjectName(u"dataAgeLoadButton"_s);
    load->setToolTip(u"Lädt die fehlenden Ziehungen aus dem Internet"_s);
    connect(load, &QPushButton::clicked, this, &DataAgeBar::loadRequested);

    m_close = new QToolButton(this);
    m_close->setObjectName(u"dataAgeCloseButton"_s);
    m_close->setAutoRaise(true);
    m_close->setToolTip(u"Hinweis ausblenden"_s);
    connect(m_close, &QToolButton::clicked, this, &QWidget::hide);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 3, 3, 3);
    layout->addWidget(m_icon);
    layout->addWidget(m_text, 1);
    layout->addWidget(load);
    layout->addWidget(m_close);
    hide();
}

void DataAgeBar::showNote(const QString& text) {
    m_text->setText(text);
    if (!text.isEmpty())
        takeIcons();
    setVisible(!text.isEmpty());
}

// The style's icons come from the desktop's icon theme, whose first look-up searches the icon
// folders: the bar takes them when it first shows, not with the window.
void DataAgeBar::takeIcons() {
    if (m_iconsTaken)
        return;
    m_iconsTaken = true;
    const int size = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
    m_icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(size, size));
    m_close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
}

QString DataAgeBar::note() const {
    return m_text->text();
}

} // namespace powerball::ui
