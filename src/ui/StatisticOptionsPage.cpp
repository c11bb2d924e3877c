#include "StatisticOptionsPage.h"

#include "OptionControls.h"
#include "OptionSpinBox.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace powerball::ui {

using namespace Qt::Literals::StringLiterals;

StatisticOptionsPage::StatisticOptionsPage(OptionControls& controls, QWidget* parent)
    : QWidget(parent) {
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(4, 6, 4, 4);
    page->setSpacing(4);
    page->addWidget(OptionControls::heading(
        u"statisticHeading1"_s, u"Zahlen für die Tipps über Statistik bevorzugen"_s, this));

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(2);
    int row = 0;
    const auto percentRow = [&](const char* box, const QString& caption, const char* spin,
                                const char* edit, const QString& button, StatisticKind kind,
                                bool onChartPage) {
        grid->addWidget(controls.checkBox(box, caption, this), row, 0);
        grid->addWidget(controls.spin(spin, edit, this), row, 1);
        grid->addWidget(controls.chartButton(button, kind, onChartPage, this), row, 2);
        ++row;
    };
    percentRow("CheckBox2", u"Zahlen die besonders oft gezogen wurden bevorzugen"_s, "UpDown12",
               "Edit85", u"frequentChartButton"_s, StatisticKind::NumberFrequency, false);
    percentRow("CheckBox14", u"Zahlen die besonders selten gezogen wurden bevorzugen"_s, "UpDown14",
               "Edit87", u"rareChartButton"_s, StatisticKind::NumberFrequency, true);
    percentRow("CheckBox10", u"Zahlen die am längsten überfällig sind"_s, "UpDown13", "Edit86",
               u"overdueChartButton"_s, StatisticKind::OverdueNumbers, true);

    const auto groupRow = [&](const char* box, const QString& caption, const char* rareBox,
                              const QString& button, StatisticKind kind) {
        grid->addWidget(controls.checkBox(box, caption, this), row, 0);
        grid->addWidget(controls.checkBox(rareBox, u"seltensten"_s, this), row, 1);
        grid->addWidget(controls.chartButton(button, kind, true, this), row, 2);
        ++row;
    };
    groupRow("CheckBox1", u"Zahlen mit einer häufigen Paarebildung bevorzugen"_s, "CheckBox11",
             u"pairsChartButton"_s, StatisticKind::Pairs);
    groupRow("CheckBox6", u"Zahlen mit einer häufigen Dreiergruppenbildung bevorzugen"_s,
             "CheckBox12", u"triplesChartButton"_s, StatisticKind::Triples);
    groupRow("CheckBox7", u"Zahlen mit einer häufigen Viergruppenbildung bevorzugen"_s,
             "CheckBox13", u"quadsChartButton"_s, StatisticKind::Quads);
    grid->addWidget(controls.checkBox("CheckBox19",
                                      u"benachbarte Zahlen der letzten Ziehung bevorzugen"_s, this),
                    row, 0, 1, 3);
    grid->setColumnStretch(3, 1);
    page->addLayout(grid);

    page->addSpacing(6);
    page->addWidget(OptionControls::note(
        u"statisticNote1"_s,
        u"Unter \"Allgemein\" können Sie festlegen, dass nur diese Zahlen für die Tippberechnung verwendet werden"_s,
        this));
    page->addWidget(OptionControls::note(
        u"statisticNote2"_s,
        u"Für die Tippberechnung werden die jeweils ersten x% verwendet. (z.B. bis 30% vom Maximum)"_s,
        this));
    page->addStretch(1);
}

} // namespace powerball::ui
