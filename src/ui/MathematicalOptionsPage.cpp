#include "MathematicalOptionsPage.h"

#include "ClickableLabel.h"
#include "OptionControls.h"
#include "OptionSpinBox.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace powerball::ui {

using namespace Qt::Literals::StringLiterals;

MathematicalOptionsPage::MathematicalOptionsPage(OptionControls& controls, QWidget* parent)
    : QWidget(parent) {
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(4, 6, 4, 4);
    page->setSpacing(2);
    page->addWidget(OptionControls::heading(
        u"mathematicalHeading1"_s, u"Diese Bedingungen werden in jeder Tippreihe berücksichtigt"_s,
        this));
    page->addWidget(OptionControls::note(
        u"mathematicalNote1"_s,
        u"Durch das Begrenzen der Quersummer können Sie Tipps wie 1-2-3-4-5-6 oder 39-41-43-46-47-49"_s,
        this));
    OptionSpinBox* lowest = controls.spin("UpDown1", "Edit37", this);
    OptionSpinBox* highest = controls.spin("UpDown2", "Edit38", this);
    page->addLayout(OptionControls::line(
        {controls.captionPart(u"crossSumFromLabel"_s, u"Quersummen von"_s, lowest, this), lowest,
         controls.captionPart(u"crossSumToLabel"_s, u"bis"_s, highest, this), highest,
         controls.captionPart(u"crossSumAllowLabel"_s, u"im Tipp zulassen"_s, highest, this)}));
    page->addWidget(OptionControls::note(
        u"mathematicalNote2"_s,
        u"Mochten Sie auf höhere Quoten Tippen, wählen Sie Quersummer größer 130. (Datumstipper)"_s,
        this));
    page->addWidget(controls.statisticText(
        u"crossSumChartText"_s,
        u"Die Quersummerverteilung der vergangenen Ziehungen sehen Sie im Diagramm unter QS  "_s,
        StatisticKind::CrossSums, this));
    page->addSpacing(4);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(0);
    int row = 0;
    const auto spinRow = [&](const char* box, const QString& caption, const char* spin,
                             const char* edit) {
        grid->addWidget(controls.checkBox(box, caption, this), row, 0);
        grid->addWidget(controls.spin(spin, edit, this), row, 1);
        ++row;
    };
    spinRow("CheckBox22", u"mindest Anzahl der Primzahlen pro Tipp"_s, "UpDown10", "Edit83");
    spinRow("CheckBox25", u"mindest Anzahl der gerade Zahlen in jedem Tipp"_s, "UpDown15",
            "Edit89");
    spinRow("CheckBox26", u"mindestAnzahl der ungerade Zahlen in jedem Tipp"_s, "UpDown16",
            "Edit90");
    grid->setColumnStretch(2, 1);
    page->addLayout(grid);
    page->addSpacing(4);

    page->addWidget(controls.statisticText(
        u"pairsChartText"_s,
        u"Paare entstehen meist automatisch, aber hier können Sie auch erzwungen werden."_s,
        StatisticKind::Pairs, this));
    page->addWidget(controls.checkBox("CheckBox8", u"eine Paarbildung pro Tipp erzwingen"_s, this));
    page->addWidget(controls.statisticTexts(
        u"groupsChartText"_s,
        {{u"Dreier, "_s, StatisticKind::Triples},
         {u"Vierer ... (3-4-5  oder 28-29-30-31) entstehen relativ selten, können hier ganz verhindert werden"_s,
          StatisticKind::Quads}},
        this));
    page->addWidget(controls.checkBox("CheckBox18", u"keine Dreier, Vierer... Gruppen"_s, this));
    page->addStretch(1);
}

} // namespace powerball::ui
