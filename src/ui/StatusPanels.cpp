#include "StatusPanels.h"
#include "LanguagePass.h"

#include "Conversions.h"

#include <QLabel>
#include <QStatusBar>

namespace powerball::ui {

using namespace Qt::Literals::StringLiterals;

StatusPanels::StatusPanels(QStatusBar* bar) {
    for (std::size_t i = 0; i < m_panels.size(); ++i) {
        auto* panel = new QLabel(bar);
        panel->setObjectName(u"statusPanel%1"_s.arg(i));
        LanguagePass::keepText(panel);
        panel->setTextFormat(Qt::PlainText);
        m_panels[i] = panel;
    }
    m_panels[0]->setFixedWidth(kFirstPanelWidth);
    bar->addWidget(m_panels[0]);
    bar->addWidget(m_panels[1], 1);
}

void StatusPanels::show(const std::array<std::string, 2>& texts) {
    for (std::size_t i = 0; i < m_panels.size(); ++i)
        m_panels[i]->setText(qs(texts[i]));
}

} // namespace powerball::ui
