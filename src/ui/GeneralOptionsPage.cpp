#include "GeneralOptionsPage.h"
#include "NamedLabel.h"

#include "OptionControls.h"
#include "OptionSpinBox.h"

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

namespace powerball::ui {

using namespace Qt::Literals::StringLiterals;

GeneralOptionsPage::GeneralOptionsPage(OptionControls& controls, QWidget* parent)
    : QWidget(parent) {
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(4, 6, 4, 4);
    page->setSpacing(6);
    page->addWidget(
        OptionControls::heading(u"generalHeading1"_s, u"Allgemeine Berechnungsoptionen"_s, this));
    page->addWidget(
        controls.checkBox("CheckBox15", u"für den Tipp nur bevorzugte Zahlen verwenden!"_s, this));
    page->addWidget(controls.checkBox(
        "CheckBox20", u"Liste für Zahlenreihengenerierung anzeigen / bearbeiten"_s, this));
    page->addWidget(
        controls.checkBox("CheckBox32", u"Daten und Zahlen im Format der Sprache"_s, this));
    page->addSpacing(8);

    OptionSpinBox* runs = controls.spin("UpDown7", "Edit55", this);
    runs->setGroupSeparatorShown(false);
    runs->setMinimumWidth(runs->fontMetrics().horizontalAdvance(u"300000"_s) + 30);
    page->addLayout(
        OptionControls::line({namedLabel(u"maxRunsLabel"_s, u"Maximale Berechnungsläufe"_s, this),
                              runs, namedLabel(u"thousandLabel"_s, u"Tausend"_s, this)}));
    page->addWidget(OptionControls::note(
        u"generalNote1"_s,
        u"Sie können versuchen die Berechnungsläufe zu erhöhen, falls mit Ihren Einstellungen nicht alle Reihen berechnet werden konnten. "_s,
        this));
    page->addStretch(1);
}

} // namespace powerball::ui
