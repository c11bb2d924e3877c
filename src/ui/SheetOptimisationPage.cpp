#include "SheetOptimisationPage.h"

#include "ClickableLabel.h"
#include "OptionControls.h"
#include "OptionSpinBox.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace powerball::ui {

using namespace Qt::Literals::StringLiterals;

SheetOptimisationPage::SheetOptimisationPage(OptionControls& controls, QWidget* parent)
    : QWidget(parent) {
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(4, 6, 4, 4);
    page->setSpacing(2);

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
    const auto wideRow = [&](QWidget* widget) { grid->addWidget(widget, row++, 0, 1, 3); };
    int headings = 0;
    const auto headingRow = [&](const QString& text) {
        if (row > 0)
            grid->setRowMinimumHeight(row++, 4);
        wideRow(OptionControls::heading(u"sheetHeading%1"_s.arg(++headings), text, this));
    };

    headingRow(u"Optimierung der einzelnen Tipps miteinander im Schein "_s);
    spinRow("CheckBox3", u"maximale Übereinstimmungen mit anderen Tipps:"_s, "UpDown3", "Edit39");
    spinRow("CheckBox24", u"minimale Übereinstimmungen mit anderen Tipps:"_s, "UpDown9", "Edit88");
    wideRow(controls.checkBox(
        "CheckBox27", u"Min/Max bezogen auf Verhältnis jedes Tipps auf jeden Tipp anwenden"_s,
        this));

    headingRow(u"Optimierung der einzelnen Tipps über die vergangenen Ziehungen"_s);
    spinRow("CheckBox4", u"maximale Übereinstimmung mit der letzten Ziehung zulassen:"_s, "UpDown4",
            "Edit40");
    spinRow("CheckBox5", u"maximale Übereinstimmung mit Zahlen der vorletzten Ziehung:"_s,
            "UpDown5", "Edit41");
    spinRow("CheckBox23", u"maximale Übereinstimmung mit der vorvorletzten Ziehung:"_s, "UpDown11",
            "Edit84");
    wideRow(controls.checkBox("CheckBox31",
                              u"Powerball in Übereinstimmungsberechnung mit einbeziehen!"_s, this));

    // The captions with their spins in the gaps.
    QCheckBox* earlier = controls.checkBox("CheckBox9", u"Tipp darf noch keinen"_s, this);
    grid->addLayout(
        OptionControls::line(
            {earlier, controls.spin("UpDown6", "Edit42", this),
             controls.captionTail(u"er aus der Datenbank entsprechen"_s, earlier, this)}),
        row++, 0, 1, 3);
    QCheckBox* recent = controls.checkBox("CheckBox28", u"Tipp darf keinen"_s, this);
    grid->addLayout(
        OptionControls::line({recent, controls.spin("UpDown17", "Edit91", this),
                              controls.captionTail(u"er aus den letzten"_s, recent, this),
                              controls.spin("UpDown18", "Edit92", this),
                              controls.captionTail(u"Ziehungen sein"_s, recent, this, u"Tail2"_s)}),
        row++, 0, 1, 3);

    headingRow(u"Für höherer Quoten können verschiedene Zahlen  \"benachteiligt\" werden"_s);
    wideRow(controls.checkBox(
        "CheckBox29", u"vermeiden der Zahlen 1-12 (Monat oft getippt durch Datums-Tipper) "_s,
        this));
    wideRow(controls.checkBox(
        "CheckBox30",
        u"Wertigkeit der Zahlen von 1-31 verringern (Datum)  -  selterner im Tipp enthalten"_s,
        this));
    grid->setColumnStretch(2, 1);
    page->addLayout(grid);
    page->addStretch(1);
}

} // namespace powerball::ui
