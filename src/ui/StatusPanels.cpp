#include "StatusPanels.h"
#include "LanguagePass.h"

#include "Conversions.h"

#include <QLabel>
#include <QPainter>
#include <QStatusBar>
#include <QStyle>

namespace powerball::ui {

using namespace Qt::Literals::StringLiterals;

namespace {

// A panel keeps its whole text: it shows as much as fits, ending in "…", and the whole
// text as its tooltip when it does not fit. The panel never widens the window.
class StatusPanel : public QLabel {
public:
    explicit StatusPanel(QWidget* parent) : QLabel(parent) {
        setTextFormat(Qt::PlainText);
        setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        setMinimumWidth(1);
    }

    void setWholeText(const QString& text) {
        setText(text);
        updateTooltip();
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QLabel::resizeEvent(event);
        updateTooltip();
    }

    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QRect area = contentsRect();
        const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, area.width());
        style()->drawItemText(&painter, area, int(alignment()), palette(), isEnabled(), shown,
                              foregroundRole());
    }

private:
    void updateTooltip() {
        const bool cut = fontMetrics().horizontalAdvance(text()) > contentsRect().width();
        setToolTip(cut ? text() : QString());
    }
};

} // namespace

StatusPanels::StatusPanels(QStatusBar* bar) {
    for (std::size_t i = 0; i < m_panels.size(); ++i) {
        auto* panel = new StatusPanel(bar);
        panel->setObjectName(u"statusPanel%1"_s.arg(i));
        LanguagePass::keepText(panel);
        m_panels[i] = panel;
    }
    // The first panel's width is its own: with the others' ignored size the row's layout gave
    // it none and laid the second panel over it.
    m_panels[0]->setFixedWidth(kFirstPanelWidth);
    m_panels[0]->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    bar->addWidget(m_panels[0]);
    bar->addWidget(m_panels[1], 1);
}

void StatusPanels::show(const std::array<std::string, 2>& texts) {
    for (std::size_t i = 0; i < m_panels.size(); ++i)
        static_cast<StatusPanel*>(m_panels[i])->setWholeText(qs(texts[i]));
}

} // namespace powerball::ui
