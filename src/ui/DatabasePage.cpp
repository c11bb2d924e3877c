#include "DatabasePage.h"

#include "Conversions.h"
#include "SizedLabel.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace powerball::ui {

using namespace Qt::Literals::StringLiterals;

DatabasePage::DatabasePage(QWidget* parent) : QWidget(parent) {
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(8, 8, 8, 8);
    page->setSpacing(8);

    auto* maintenance = new QHBoxLayout;
    maintenance->addWidget(button(u"updateDatabaseButton"_s, u"&Datenbank aktualisieren"_s, false));
    maintenance->addWidget(button(u"deleteDrawButton"_s, u"Löschen"_s, false));
    maintenance->addWidget(button(u"enterDrawButton"_s, u"Eingeben"_s, false));
    maintenance->addStretch(1);
    page->addLayout(maintenance);

    m_drawText = new SizedLabel(u"Mi 00.00.00   00  00  00  00  00   PB: 00 PP: 00"_s, this);
    m_drawText->setObjectName(u"databaseDrawLabel"_s);
    m_drawText->setTextFormat(Qt::PlainText);
    m_drawText->setFrameShape(QFrame::StyledPanel);
    page->addWidget(m_drawText);

    auto* check = new QHBoxLayout;
    m_selectedDate = new QDateEdit(this);
    m_selectedDate->setObjectName(u"selectedDatePicker"_s);
    m_selectedDate->setDisplayFormat(u"dd.MM.yyyy"_s);
    m_selectedDate->setCalendarPopup(true);
    m_selectedDate->setMinimumDate(QDate(1997, 11, 5));
    m_selectedDate->setToolTip(u"Dieses Datum gilt als ENddatum für die Berechnung, Ziehungen "
                               u"danach werden nicht berücksichtigt"_s);
    connect(m_selectedDate, &QDateEdit::dateChanged, this,
            [this](QDate date) { Q_EMIT selectedDatePicked(dayOfDate(date)); });
    check->addWidget(m_selectedDate);

    QPushButton* checkButton = button(u"checkSelectedDateButton"_s, u"Prüfen"_s, true);
    checkButton->setToolTip(u"Bewertung des Tipps für die Ziehung des gewählten Datums"_s);
    connect(checkButton, &QPushButton::clicked, this,
            [this] { Q_EMIT checkRequested(dayOfDate(m_selectedDate->date())); });
    check->addWidget(checkButton);
    check->addStretch(1);
    page->addLayout(check);

    auto* groups = new QGroupBox(this);
    auto* groupButtons = new QGridLayout(groups);
    groupButtons->addWidget(button(u"pairsButton"_s, u"Paare suchen"_s, false), 0, 0);
    groupButtons->addWidget(button(u"triplesButton"_s, u"Dreier suchen"_s, false), 0, 1);
    groupButtons->addWidget(button(u"quadsButton"_s, u"Vierer suchen"_s, false), 0, 2);
    groupButtons->addWidget(button(u"overdueButton"_s, u"Ausstehende"_s, false), 1, 0);
    groupButtons->addWidget(button(u"overduePowerballButton"_s, u"Sternzahl ausstehende"_s, false),
                            1, 1, 1, 2);
    page->addWidget(groups);
    page->addStretch(1);
}

QPushButton* DatabasePage::button(const QString& name, const QString& caption, bool enabled) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setToolTip(QString(caption).remove(u'&'));
    button->setEnabled(enabled);
    return button;
}

void DatabasePage::showState(const AppState& state) {
    m_drawText->setText(qs(state.databaseDrawText));
    const QSignalBlocker quiet(m_selectedDate);
    m_selectedDate->setDate(dateOfDay(state.selectedDate));
}

} // namespace powerball::ui
