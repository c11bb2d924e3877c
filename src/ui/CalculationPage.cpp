#include "CalculationPage.h"

#include "FilterCostLine.h"
#include "GeneralOptionsPage.h"
#include "MathematicalOptionsPage.h"
#include "OptionControls.h"
#include "PowerballOptionsPage.h"
#include "SheetOptimisationPage.h"
#include "StatisticOptionsPage.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace powerball::ui {

using namespace Qt::Literals::StringLiterals;

CalculationPage::CalculationPage(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 3, 0, 0);
    m_controls = new OptionControls(this);
    m_subPages = new QTabWidget(this);
    m_subPages->setObjectName(u"calculationPages"_s);
    const auto addPage = [this](QWidget* page, const QString& name, const QString& caption) {
        page->setObjectName(name);
        m_subPages->addTab(page, caption);
    };
    addPage(new StatisticOptionsPage(*m_controls, m_subPages), u"TabSheet7"_s, u"Statistisch"_s);
    addPage(new SheetOptimisationPage(*m_controls, m_subPages), u"TabSheet8"_s,
            u"Schein Optimierung"_s);
    addPage(new MathematicalOptionsPage(*m_controls, m_subPages), u"TabSheet9"_s,
            u"Mathematisch"_s);
    addPage(new PowerballOptionsPage(*m_controls, m_subPages), u"TabSheet10"_s, u"Powerball"_s);
    addPage(new GeneralOptionsPage(*m_controls, m_subPages), u"TabSheet11"_s, u"Allgemein"_s);
    layout->addWidget(m_subPages);
    // Below the pages, so that it stays in sight whichever page is open.
    m_cost = new FilterCostLine(this);
    m_cost->setContentsMargins(4, 2, 4, 2);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(m_cost, 1);
    auto* wheel = new QPushButton(u"Rad…"_s, this);
    wheel->setObjectName(u"wheelButton"_s);
    wheel->setToolTip(u"die wenigsten Reihen über gewählte Zahlen mit geprüfter Garantie"_s);
    connect(wheel, &QPushButton::clicked, this, &CalculationPage::wheelRequested);
    bottom->addWidget(wheel);
    layout->addLayout(bottom);
}

void CalculationPage::showState(const AppState& state) {
    m_controls->showSettings(state.settings);
    m_cost->showState(state);
}

} // namespace powerball::ui
