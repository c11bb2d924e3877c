#include "DatabasePage.h"
#include "LanguagePass.h"

#include "Conversions.h"
#include "SizedLabel.h"
#include "StatisticHints.h"
#include "app/draws/DrawMaintenance.h"

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
    m_update = button(u"updateDatabaseButton"_s, u"&Datenbank aktualisieren"_s, true);
    connect(m_update, &QPushButton::clicked, this, &DatabasePage::updateRequested);
    maintenance->addWidget(m_update);
    m_stop = button(u"stopUpdateButton"_s, u"Stoppt das Einlesen"_s, true);
    m_stop->setVisible(false);
    connect(m_stop, &QPushButton::clicked, this, &DatabasePage::stopRequested);
    maintenance->addWidget(m_stop);
    m_delete = button(u"deleteDrawButton"_s, u"Löschen"_s, true);
    m_delete->setToolTip(u"Löschen der aktuell angezeigten Ziehung"_s);
    connect(m_delete, &QPushButton::clicked, this, &DatabasePage::deleteRequested);
    maintenance->addWidget(m_delete);
    m_enter = button(u"enterDrawButton"_s, u"Eingeben"_s, true);
    m_enter->setToolTip(u"manuelle eingaben der Ziehungsdaten."_s);
    connect(m_enter, &QPushButton::clicked, this, &DatabasePage::enterRequested);
    maintenance->addWidget(m_enter);
    m_import = button(u"importDrawsButton"_s, u"Importieren…"_s, true);
    m_import->setToolTip(u"Ziehungen aus einer CSV-Datei einlesen, auch aus der öffentlichen "
                         u"Ergebnisliste"_s);
    connect(m_import, &QPushButton::clicked, this, &DatabasePage::importRequested);
    maintenance->addWidget(m_import);
    // Takes back the last "Löschen" or "Eingeben"; its hint says which (Ctrl+Z does the same).
    m_undo = button(u"undoDrawButton"_s, u"Rückgängig"_s, false);
    LanguagePass::keepText(m_undo); // caption and hint come from the message table
    connect(m_undo, &QPushButton::clicked, this, &DatabasePage::undoRequested);
    maintenance->addWidget(m_undo);
    maintenance->addStretch(1);
    page->addLayout(maintenance);

    m_drawText = new SizedLabel(u"Mi 00.00.00   00  00  00  00  00   PB: 00 PP: 00"_s, this);
    m_drawText->setObjectName(u"databaseDrawLabel"_s);
    LanguagePass::keepText(m_drawText);
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
    // Opens the table of all draws; caption and hint come from the message table.
    m_drawTable = button(u"drawTableButton"_s, QString(), true);
    LanguagePass::keepText(m_drawTable);
    connect(m_drawTable, &QPushButton::clicked, this, &DatabasePage::drawTableRequested);
    check->addWidget(m_drawTable);
    page->addLayout(check);

    auto* groups = new QGroupBox(this);
    auto* groupButtons = new QGridLayout(groups);
    groupButtons->addWidget(
        statisticButton(u"pairsButton"_s, u"Paare suchen"_s, StatisticKind::Pairs), 0, 0);
    groupButtons->addWidget(
        statisticButton(u"triplesButton"_s, u"Dreier suchen"_s, StatisticKind::Triples), 0, 1);
    groupButtons->addWidget(
        statisticButton(u"quadsButton"_s, u"Vierer suchen"_s, StatisticKind::Quads), 0, 2);
    groupButtons->addWidget(
        statisticButton(u"overdueButton"_s, u"Ausstehende"_s, StatisticKind::OverdueNumbers), 1, 0);
    groupButtons->addWidget(statisticButton(u"overduePowerballButton"_s, u"Sternzahl ausstehende"_s,
                                            StatisticKind::OverduePowerballs),
                            1, 1, 1, 2);
    page->addWidget(groups);
    page->addWidget(buildAnalyses());
    page->addStretch(1);
}

QWidget* DatabasePage::buildAnalyses() {
    auto* box = new QWidget(this);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 6, 0, 0);
    layout->setSpacing(3);
    const QString hint = u"Berechnung und Erfolg beginnend mit dem oben gewählten Datum"_s;

    auto* settingsLabel = new QLabel(
        u"Anhand der eingestellten Parameter werden Tipps berechnet und ausgewertet"_s, box);
    settingsLabel->setObjectName(u"settingsAnalysisLabel"_s);
    settingsLabel->setWordWrap(true);
    layout->addWidget(settingsLabel);
    QPushButton* settings =
        button(u"settingsAnalysisButton"_s,
               u"Historische Analyse der Parameter beginnenden mit oben gewähltem Datum"_s, true);
    settings->setToolTip(hint);
    connect(settings, &QPushButton::clicked, this, &DatabasePage::settingsAnalysisRequested);
    layout->addWidget(settings);

    auto* drawsLabel = new QLabel(u"War eine Ziehung schon ein 4er oder 5er?"_s, box);
    drawsLabel->setObjectName(u"drawAnalysisLabel"_s);
    layout->addSpacing(4);
    layout->addWidget(drawsLabel);
    QPushButton* draws =
        button(u"drawAnalysisButton"_s,
               u"Historische Analyse beginnend mit dem oben gewähltem Datum"_s, true);
    draws->setToolTip(hint);
    connect(draws, &QPushButton::clicked, this, &DatabasePage::drawAnalysisRequested);
    layout->addWidget(draws);
    return box;
}

QPushButton* DatabasePage::button(const QString& name, const QString& caption, bool enabled) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setToolTip(QString(caption).remove(u'&'));
    button->setEnabled(enabled);
    return button;
}

QPushButton* DatabasePage::statisticButton(const QString& name, const QString& caption,
                                           StatisticKind kind) {
    QPushButton* statistic = button(name, caption, true);
    statistic->setToolTip(statisticHint(kind));
    connect(statistic, &QPushButton::clicked, this,
            [this, kind] { Q_EMIT statisticRequested(kind); });
    return statistic;
}

void DatabasePage::showState(const AppState& state) {
    m_update->setEnabled(!state.updateRunning());
    m_delete->setEnabled(!state.updateRunning());
    m_enter->setEnabled(!state.updateRunning());
    m_import->setEnabled(!state.updateRunning());
    m_undo->setText(qs(state.messages.text(Msg::UndoCaption)));
    m_undo->setToolTip(qs(DrawMaintenance::undoText(state)));
    m_undo->setEnabled(!state.drawChanges.empty() && !state.updateRunning());
    m_stop->setVisible(state.stopButtonVisible());
    m_drawTable->setText(qs(state.messages.text(Msg::DrawTableButton)));
    m_drawTable->setToolTip(qs(state.messages.text(Msg::DrawTableButtonHint)));
    m_drawText->setText(qs(state.databaseDrawText));
    const QSignalBlocker quiet(m_selectedDate);
    m_selectedDate->setDate(dateOfDay(state.selectedDate));
}

} // namespace powerball::ui
