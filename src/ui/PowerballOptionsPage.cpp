#include "PowerballOptionsPage.h"

#include "OptionControls.h"
#include "OptionSpinBox.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace powerball::ui {

using namespace Qt::Literals::StringLiterals;

PowerballOptionsPage::PowerballOptionsPage(OptionControls& controls, QWidget* parent)
    : QWidget(parent) {
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(4, 6, 4, 4);
    page->setSpacing(6);
    page->addWidget(OptionControls::heading(u"powerballHeading1"_s,
                                            u"Berechnungsoptionen für  den Powerball"_s, this));

    auto* group = new QGroupBox(u"Powerball Option"_s, this);
    group->setObjectName(u"powerballOptionGroup"_s);
    auto* choices = new QVBoxLayout(group);
    choices->addWidget(
        controls.radioButton("RadioButton1", u"einfach per Zufall bestimmen"_s, group));
    choices->addLayout(OptionControls::line(
        {controls.radioButton("RadioButton2",
                              u"die am seltensten gezogen Powerball Zahl verwenden"_s, group),
         controls.chartButton(u"powerballFrequencyChartButton"_s, StatisticKind::PowerballFrequency,
                              true, group)}));
    choices->addLayout(OptionControls::line(
        {controls.radioButton("RadioButton3",
                              u"die am längsten ausstehende Powerball Zahl verwenden"_s, group),
         controls.chartButton(u"overduePowerballChartButton"_s, StatisticKind::OverduePowerballs,
                              true, group)}));
    page->addWidget(group);

    page->addLayout(OptionControls::line(
        {controls.checkBox("CheckBox16", u"keine Powerball Zahl aus den letzten Ziehungen"_s, this),
         controls.spin("UpDown19", "Edit105", this)}));
    page->addStretch(1);
}

} // namespace powerball::ui
