#include "DrawPanel.h"
#include "LanguagePass.h"

#include "Conversions.h"
#include "SizedLabel.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QToolButton>

namespace powerball::ui {

using namespace Qt::Literals::StringLiterals;

namespace {

// The reload symbol, drawn here: looking it up in the desktop's icon theme searches the
// icon folders and costs more start-up time than the rest of the panel together.
QIcon reloadIcon(const QColor& colour) {
    constexpr int kSide = 32;
    QPixmap picture(kSide, kSide);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, 4, Qt::SolidLine, Qt::FlatCap));
    const QRectF circle(5, 5, 22, 22);
    painter.drawArc(circle, 90 * 16, 270 * 16); // from twelve o'clock round to three
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    // The arrow head at twelve o'clock, pointing clockwise.
    const QPointF head[] = {{16, 0}, {24, 6}, {16, 12}};
    painter.drawPolygon(head, 3);
    return QIcon(picture);
}

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
    m_update->setIcon(reloadIcon(palette().color(QPalette::ButtonText)));
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
    // The shown draw is a value, not a caption.
    LanguagePass::keepText(m_drawText);
    m_drawText->setTextFormat(Qt::PlainText);
    m_drawText->setAlignment(Qt::AlignCenter);
    row->addWidget(m_drawText);

    m_next = arrowButton(Qt::RightArrow, u"nextDrawButton"_s, u"nächste Ziehung anzeigen"_s, this);
    connect(m_next, &QToolButton::clicked, this, &DrawPanel::nextRequested);
    row->addWidget(m_next);

    m_crossSum = new QLabel(this);
    m_crossSum->setObjectName(u"panelCrossSumLabel"_s);
    LanguagePass::keepText(m_crossSum);
    row->addWidget(m_crossSum);

    row->addStretch(1);

    m_ticketNumber = new QLabel(this);
    m_ticketNumber->setObjectName(u"ticketNumberLabel"_s);
    LanguagePass::keepText(m_ticketNumber);
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
    m_update->setEnabled(!state.updateRunning());
    m_drawText->setText(qs(state.panelDrawText));
    m_crossSum->setText(qs(state.panelCrossSumText));
    m_ticketNumber->setText(qs(state.ticketNumber));
}

} // namespace powerball::ui
