#include "CalculationPage.h"

#include "GeneralOptionsPage.h"
#include "MathematicalOptionsPage.h"
#include "OptionControls.h"
#include "PowerballOptionsPage.h"
#include "SheetOptimisationPage.h"
#include "StatisticOptionsPage.h"

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
    m_subPages->addTab(new StatisticOptionsPage(*m_controls, m_subPages), u"Statistisch"_s);
    m_subPages->addTab(new SheetOptimisationPage(*m_controls, m_subPages), u"Schein Optimierung"_s);
    m_subPages->addTab(new MathematicalOptionsPage(*m_controls, m_subPages), u"Mathematisch"_s);
    m_subPages->addTab(new PowerballOptionsPage(*m_controls, m_subPages), u"Powerball"_s);
    m_subPages->addTab(new GeneralOptionsPage(*m_controls, m_subPages), u"Allgemein"_s);
    layout->addWidget(m_subPages);
}

void CalculationPage::showState(const AppState& state) {
    m_controls->showSettings(state.settings);
}

} // namespace powerball::ui
