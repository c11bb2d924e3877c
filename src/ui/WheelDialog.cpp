#include "WheelDialog.h"

#include "Conversions.h"
#include "LanguagePass.h"
#include "NamedLabel.h"
#include "rules/wheel/WheelTexts.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

namespace powerball::ui {

using namespace Qt::Literals::StringLiterals;

namespace {

QTableWidgetItem* cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

QPushButton* namedButton(const QString& name, const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QLabel* resultLabel(const QString& name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    // Its text comes from the message table, not from the caption index.
    LanguagePass::keepText(label);
    return label;
}

constexpr int kWhiteColumns = 5;
constexpr int kPowerballColumn = 5;
constexpr int kHitsColumn = 6;
constexpr int kTierColumn = 7;
constexpr int kColumns = 8;

} // namespace

WheelDialog::WheelDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(u"wheelDialog"_s);
    setWindowTitle(u"Rad"_s);
    auto* layout = new QVBoxLayout(this);

    auto* form = new QFormLayout;
    auto* numbersRow = new QHBoxLayout;
    m_numbers = new QLineEdit(this);
    m_numbers->setObjectName(u"wheelNumbers"_s);
    m_numbers->setToolTip(u"6 bis 40 verschiedene weiße Zahlen von 1 bis 69"_s);
    numbersRow->addWidget(m_numbers, 1);
    QPushButton* fromList = namedButton(u"wheelFromListButton"_s, u"Aus der Zahlen&liste"_s, this);
    fromList->setToolTip(u"die angekreuzten Zahlen der Zahlenliste übernehmen"_s);
    numbersRow->addWidget(fromList);
    QLabel* numbersLabel = namedLabel(u"wheelNumbersLabel"_s, u"&Zahlen:"_s, this);
    numbersLabel->setBuddy(m_numbers);
    form->addRow(numbersLabel, numbersRow);

    m_guarantee = new QComboBox(this);
    m_guarantee->setObjectName(u"wheelGuarantee"_s);
    QLabel* guaranteeLabel = namedLabel(u"wheelGuaranteeLabel"_s, u"&Garantie:"_s, this);
    guaranteeLabel->setBuddy(m_guarantee);
    form->addRow(guaranteeLabel, m_guarantee);

    m_powerballs = new QLineEdit(this);
    m_powerballs->setObjectName(u"wheelPowerballs"_s);
    m_powerballs->setToolTip(
        u"eine Zahl von 1 bis 26 für jede Reihe, oder mehrere, die die Reihen im Wechsel nehmen"_s);
    QLabel* powerballLabel = namedLabel(u"wheelPowerballsLabel"_s, u"&Powerball(s):"_s, this);
    powerballLabel->setBuddy(m_powerballs);
    form->addRow(powerballLabel, m_powerballs);

    m_seconds = new QSpinBox(this);
    m_seconds->setObjectName(u"wheelSeconds"_s);
    m_seconds->setRange(1, 600);
    m_seconds->setValue(2);
    m_seconds->setToolTip(
        u"so viele Sekunden darf die Suche dauern; „Stoppen“ beendet sie früher"_s);
    QLabel* secondsLabel = namedLabel(u"wheelSecondsLabel"_s, u"Se&kunden:"_s, this);
    secondsLabel->setBuddy(m_seconds);
    form->addRow(secondsLabel, m_seconds);
    layout->addLayout(form);

    QLabel* note = namedLabel(
        u"wheelNoteLabel"_s,
        u"Die Garantie gilt für die weißen Zahlen; der Powerball gehört nicht dazu."_s, this);
    note->setWordWrap(true);
    layout->addWidget(note);

    auto* searchRow = new QHBoxLayout;
    m_calculate = namedButton(u"wheelCalculateButton"_s, u"&Berechnen"_s, this);
    m_stopButton = namedButton(u"wheelStopButton"_s, u"&Stoppen"_s, this);
    m_stopButton->setEnabled(false);
    // The stop button shows that it can be pressed while the rest of the dialog waits.
    m_stopButton->setCursor(Qt::ArrowCursor);
    searchRow->addWidget(m_calculate);
    searchRow->addWidget(m_stopButton);
    searchRow->addStretch(1);
    layout->addLayout(searchRow);

    m_status = resultLabel(u"wheelStatus"_s, this);
    m_count = resultLabel(u"wheelCount"_s, this);
    m_cost = resultLabel(u"wheelCost"_s, this);
    m_proven = resultLabel(u"wheelProven"_s, this);
    m_check = resultLabel(u"wheelCheck"_s, this);
    for (QLabel* label : {m_status, m_count, m_cost, m_proven, m_check})
        layout->addWidget(label);

    m_rows = new QTableWidget(0, kColumns, this);
    m_rows->setObjectName(u"wheelRows"_s);
    m_rows->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_rows->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_rows->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_rows->horizontalHeader()->setStretchLastSection(true);
    m_rows->verticalHeader()->setDefaultSectionSize(m_rows->fontMetrics().height() + 4);
    m_rows->setMinimumHeight(220);
    layout->addWidget(m_rows, 1);

    auto* outputRow = new QHBoxLayout;
    m_toSheet = namedButton(u"wheelToSheetButton"_s, u"In den &Tippschein"_s, this);
    m_nextPage = namedButton(u"wheelNextPageButton"_s, u"&Nächste 12"_s, this);
    m_save = namedButton(u"wheelSaveButton"_s, u"Als Tipp&dateien speichern"_s, this);
    m_print = namedButton(u"wheelPrintButton"_s, u"D&rucken…"_s, this);
    QPushButton* close = namedButton(u"wheelCloseButton"_s, u"S&chließen"_s, this);
    for (QPushButton* button : {m_toSheet, m_nextPage, m_save, m_print}) {
        button->setEnabled(false);
        outputRow->addWidget(button);
    }
    outputRow->addStretch(1);
    outputRow->addWidget(close);
    layout->addLayout(outputRow);

    connect(fromList, &QPushButton::clicked, this,
            [this] { m_numbers->setText(qs(numbersText(m_ticked))); });
    connect(m_calculate, &QPushButton::clicked, this, &WheelDialog::calculate);
    connect(m_stopButton, &QPushButton::clicked, this, &WheelDialog::stop);
    connect(m_toSheet, &QPushButton::clicked, this, [this] { Q_EMIT placeRequested(0); });
    connect(m_nextPage, &QPushButton::clicked, this, [this] { Q_EMIT placeRequested(m_nextRow); });
    connect(m_save, &QPushButton::clicked, this, &WheelDialog::saveRequested);
    connect(m_print, &QPushButton::clicked, this, &WheelDialog::printRequested);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(&m_watcher, &QFutureWatcher<WheelSearchResult>::finished, this,
            &WheelDialog::searchEnded);
    connect(this, &WheelDialog::smallerFound, this, &WheelDialog::showProgress,
            Qt::QueuedConnection);
    fillGuarantees();
    showPlay();
    resize(620, 600);
}

WheelDialog::~WheelDialog() {
    m_stop = true;
    m_watcher.waitForFinished();
}

void WheelDialog::fillGuarantees() {
    const int chosen = m_guarantee->currentIndex();
    m_guarantee->clear();
    for (const WheelGuarantee& guarantee : offeredGuarantees())
        m_guarantee->addItem(qs(WheelTexts::guaranteeItem(m_messages, guarantee)),
                             QString::fromStdString(guarantee.text()));
    m_guarantee->setCurrentIndex(
        chosen >= 0 ? chosen : m_guarantee->findData(QString::fromStdString("3if4")));
}

void WheelDialog::showState(const AppState& state) {
    bool newTexts = state.messages.size() != m_messages.size();
    for (int i = 0; !newTexts && i < m_messages.size(); ++i)
        newTexts = state.messages.text(i) != m_messages.text(i);
    m_messages = state.messages;
    m_ticked = tickedNumbers(state.numberList);
    const bool newDraw =
        !(state.currentDraw.date == m_draw.date && state.currentDraw.numbers == m_draw.numbers);
    m_draw = state.currentDraw;
    if (newTexts) {
        fillGuarantees();
        showPlay();
    } else if (newDraw) {
        showCheck();
    }
}

void WheelDialog::takeNumbers(const std::vector<int>& numbers) {
    m_numbers->setText(qs(numbersText(numbers)));
}

void WheelDialog::calculate() {
    if (searching())
        return;
    const WheelInput numbers = readWheelNumbers(m_messages, toStd(m_numbers->text()));
    const WheelInput powerballs = readWheelPowerballs(m_messages, toStd(m_powerballs->text()));
    const std::string& problem = !numbers.problem.empty() ? numbers.problem : powerballs.problem;
    if (!problem.empty()) {
        m_status->setText(qs(problem));
        return;
    }
    const auto guarantee = parseWheelGuarantee(toStd(m_guarantee->currentData().toString()));
    if (!guarantee)
        return;
    m_chosenPowerballs = powerballs.numbers;
    WheelSearchOptions options;
    options.budget = std::chrono::seconds(m_seconds->value());
    m_stop = false;
    setSearching(true);
    m_status->setText(qs(fillPlaceholders(m_messages.text(Msg::WheelSearching), {"…"})));
    m_watcher.setFuture(
        QtConcurrent::run([this, chosen = numbers.numbers, g = *guarantee, options] {
            return searchWheel(chosen, g, options, &m_stop,
                               [this](std::size_t rows) { Q_EMIT smallerFound(rows); });
        }));
}

void WheelDialog::stop() {
    m_stop = true;
}

void WheelDialog::done(int result) {
    // A closed dialog keeps no search running: it stops and its thread is joined here.
    if (searching()) {
        m_stop = true;
        m_watcher.waitForFinished();
    }
    QDialog::done(result);
}

void WheelDialog::setSearching(bool on) {
    m_calculate->setEnabled(!on);
    m_stopButton->setEnabled(on);
    if (on)
        setCursor(Qt::WaitCursor);
    else
        unsetCursor();
    for (QPushButton* button : {m_toSheet, m_nextPage, m_save, m_print})
        button->setEnabled(!on && m_play.has_value());
    if (!on && m_play)
        m_nextPage->setEnabled(m_nextRow > 0 && m_nextRow < m_play->rows());
}

void WheelDialog::showProgress(qulonglong rows) {
    if (searching())
        m_status->setText(qs(WheelTexts::searching(m_messages, rows)));
}

void WheelDialog::searchEnded() {
    if (m_watcher.future().resultCount() == 0)
        return;
    m_play = makeWheelPlay(m_watcher.result(), m_chosenPowerballs);
    m_nextRow = 0;
    setSearching(false);
    showPlay();
    Q_EMIT searchFinished();
}

void WheelDialog::rowsPlaced(std::size_t next) {
    m_nextRow = next;
    setSearching(searching());
}

void WheelDialog::showPlay() {
    if (!m_play) {
        m_rows->setHorizontalHeaderLabels({u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"PB"_s,
                                           qs(m_messages.text(Msg::WheelHits)),
                                           qs(m_messages.text(Msg::WheelTier))});
        return;
    }
    const WheelPlay& play = *m_play;
    m_status->setText(play.result.stopped ? qs(m_messages.text(Msg::WheelStopped)) : QString());
    m_count->setText(qs(WheelTexts::rowCount(m_messages, play.rows(), play.result.lowerBound)));
    m_cost->setText(qs(WheelTexts::cost(m_messages, play.rows())));
    m_proven->setText(qs(WheelTexts::proven(m_messages, play.wheel())));
    m_rows->setRowCount(static_cast<int>(play.rows()));
    for (std::size_t r = 0; r < play.rows(); ++r) {
        const int row = static_cast<int>(r);
        for (int f = 0; f < kWhiteColumns; ++f)
            m_rows->setItem(
                row, f, cell(QString::number(play.wheel().rows[r][static_cast<std::size_t>(f)])));
        m_rows->setItem(
            row, kPowerballColumn,
            cell(play.powerballs[r] > 0 ? QString::number(play.powerballs[r]) : QString()));
    }
    m_rows->setHorizontalHeaderLabels({u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"PB"_s,
                                       qs(m_messages.text(Msg::WheelHits)),
                                       qs(m_messages.text(Msg::WheelTier))});
    showCheck();
}

void WheelDialog::showCheck() {
    if (!m_play)
        return;
    const std::optional<WheelCheck> check = checkWheelAgainstDraw(m_draw, *m_play);
    m_check->setText(check ? qs(WheelTexts::checkLine(m_messages, *check, m_draw.date))
                           : QString());
    for (std::size_t r = 0; r < m_play->rows(); ++r) {
        const int row = static_cast<int>(r);
        QString hits;
        QString tier;
        if (check) {
            hits = QString::number(check->matches[r].hits) +
                   (check->matches[r].pbHit ? u" + PB"_s : QString());
            tier = qs(WheelTexts::tier(check->prizes[r]));
        }
        m_rows->setItem(row, kHitsColumn, cell(hits));
        m_rows->setItem(row, kTierColumn, new QTableWidgetItem(tier));
    }
}

} // namespace powerball::ui
