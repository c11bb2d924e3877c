#include "DrawPanel.h"

#include "Conversions.h"
#include "SizedLabel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QStyle>
#include <QToolButton>

namespace powerball::ui {

using namespace Qt::Literals::StringLiterals;

namespace {

QToolButton* arrowButton(Qt::ArrowType arrow, const QString& name, const QString& hint,
                         QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setArrowType(arrow);
    button->setToolTip(hint);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

DrawPanel::DrawPanel(QWidget* parent) : QWidget(parent) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);

    m_update = new QToolButton(this);
    m_update->setObjectName(u"updateDrawsButton"_s);
    m_update->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
    m_update->setToolTip(u"Ziehungsdaten aus dem Internet aktualisieren"_s);
    m_update->setFocusPolicy(Qt::NoFocus);
    connect(m_update, &QToolButton::clicked, this, &DrawPanel::updateRequested);
    row->addWidget(m_update);

    m_previous = arrowButton(Qt::LeftArrow, u"previousDrawButton"_s,
                             u"vorhergehende Ziehung anzeigen"_s, this);
    connect(m_previous, &QToolButton::clicked, this, &DrawPanel::previousRequested);
    row->addWidget(m_previous);

    m_drawText = new SizedLabel(u"Mi 00.00.00  00  00  00  00  00   PB: 00 PP: 00"_s, this);
    m_drawText->setObjectName(u"panelDrawLabel"_s);
    m_drawText->setTextFormat(Qt::PlainText);
    m_drawText->setAlignment(Qt::AlignCenter);
    row->addWidget(m_drawText);

    m_next = arrowButton(Qt::RightArrow, u"nextDrawButton"_s, u"nächste Ziehung anzeigen"_s, this);
    connect(m_next, &QToolButton::clicked, this, &DrawPanel::nextRequested);
    row->addWidget(m_next);

    m_crossSum = new QLabel(this);
    m_crossSum->setObjectName(u"panelCrossSumLabel"_s);
    row->addWidget(m_crossSum);

    row->addStretch(1);

    m_ticketNumber = new QLabel(this);
    m_ticketNumber->setObjectName(u"ticketNumberLabel"_s);
    row->addWidget(m_ticketNumber);
    fitButtonsToFont();
}

void DrawPanel::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitButtonsToFont();
}

// The buttons' symbols grow and shrink with the text when the pages are rescaled.
void DrawPanel::fitButtonsToFont() {
    const int side = fontMetrics().height();
    for (QToolButton* button : {m_update, m_previous, m_next})
        button->setIconSize(QSize(side, side));
}

void DrawPanel::showState(const AppState& state) {
    m_update->setEnabled(!state.updateRunning);
    m_drawText->setText(qs(state.panelDrawText));
    m_crossSum->setText(qs(state.panelCrossSumText));
    m_ticketNumber->setText(qs(state.ticketNumber));
}

} // namespace powerball::ui
