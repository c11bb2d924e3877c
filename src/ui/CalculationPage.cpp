#include "CalculationPage.h"

#include <QTabWidget>
#include <QVBoxLayout>

namespace powerball::ui {

using namespace Qt::Literals::StringLiterals;

CalculationPage::CalculationPage(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    m_subPages = new QTabWidget(this);
    m_subPages->setObjectName(u"calculationPages"_s);
    for (const QString& title : {u"Statistisch"_s, u"Schein Optimierung"_s, u"Mathematisch"_s,
                                 u"Powerball"_s, u"Allgemein"_s})
        m_subPages->addTab(new QWidget(m_subPages), title);
    layout->addWidget(m_subPages);
}

} // namespace powerball::ui
