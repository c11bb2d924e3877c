#include "TipOverviewPage.h"
#include "LanguagePass.h"
#include "ReadableColours.h"

#include "ClickableLabel.h"
#include "Conversions.h"
#include "DrawPanel.h"
#include "Links.h"
#include "TipSheetView.h"
#include "app/generator/GeneratorRun.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QUrl>
#include <QVBoxLayout>

namespace powerball::ui {

using namespace Qt::Literals::StringLiterals;

namespace {

ClickableLabel* banner(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new ClickableLabel(text, parent);
    label->setObjectName(name);
    // The maker's address and the product banner read the same in every language.
    LanguagePass::keepText(label);
    label->setAlignment(Qt::AlignCenter);
    label->setCursor(Qt::PointingHandCursor);
    ReadableColours::markText(label, QColor(0, 0, 128));
    QObject::connect(label, &ClickableLabel::clicked, label,
                     [] { QDesktopServices::openUrl(QUrl(makerHomePage())); });
    return label;
}

} // namespace

TipOverviewPage::TipOverviewPage(QWidget* parent) : QWidget(parent) {
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(6, 6, 6, 6);
    page->setSpacing(6);

    m_drawPanel = new DrawPanel(this);
    page->addWidget(m_drawPanel);

    auto* middle = new QHBoxLayout;
    middle->setSpacing(8);
    m_sheet = new TipSheetView(this);
    middle->addWidget(m_sheet, 0, Qt::AlignTop);
    middle->addWidget(buildCommandColumn(), 1);
    page->addLayout(middle, 1);

    page->addWidget(buildBottomPanel());
}

QPushButton* TipOverviewPage::commandButton(const QString& name, const QString& caption,
                                            bool enabled) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    // The caption doubles as the hint in the status bar.
    button->setToolTip(QString(caption).remove(u'&'));
    button->setEnabled(enabled);
    return button;
}

QWidget* TipOverviewPage::buildCommandColumn() {
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(3);

    QPushButton* clearAll = commandButton(u"clearAllTipsButton"_s, u"Löschen aller Tipps"_s, true);
    connect(clearAll, &QPushButton::clicked, this, &TipOverviewPage::clearAllRequested);
    layout->addWidget(clearAll);
    QPushButton* save = commandButton(u"saveTipsButton"_s, u"Speichern des Tipps"_s, true);
    connect(save, &QPushButton::clicked, this, &TipOverviewPage::saveRequested);
    layout->addWidget(save);
    QPushButton* load = commandButton(u"loadTipsButton"_s, u"Tipp laden aus Datei"_s, true);
    connect(load, &QPushButton::clicked, this, &TipOverviewPage::loadRequested);
    layout->addWidget(load);
    QPushButton* search = commandButton(u"searchTipsButton"_s, u"Tipps in DB suchen"_s, true);
    search->setToolTip(u"Hier können Sie suchen ob dieser Tipp schon einmal gezogen wurde"_s);
    connect(search, &QPushButton::clicked, this, &TipOverviewPage::searchRequested);
    layout->addWidget(search);
    QPushButton* distribution =
        commandButton(u"tipDistributionButton"_s, u"Verteilung der Tipps"_s, true);
    distribution->setToolTip(u"Hier sehen Sie im Diagramm welche Zahlen wie oft gezogen wurden"_s);
    connect(distribution, &QPushButton::clicked, this, &TipOverviewPage::tipDistributionRequested);
    layout->addWidget(distribution);
    QPushButton* print = commandButton(u"printTipsButton"_s, u"Tipp ausdrucken"_s, true);
    print->setToolTip(u"Drucken SIe hier die berechneten Tipps aus"_s);
    connect(print, &QPushButton::clicked, this, &TipOverviewPage::printRequested);
    layout->addWidget(print);
    layout->addStretch(1);
    layout->addWidget(banner(u"makerBanner"_s, u"w w w . v e l m a r . d e"_s, column));
    layout->addWidget(banner(u"productBanner"_s, u"L u m e r o   V 2 . 0"_s, column));
    return column;
}

QWidget* TipOverviewPage::buildBottomPanel() {
    auto* panel = new QWidget(this);
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);

    m_rowCount = new QSpinBox(panel);
    m_rowCount->setObjectName(u"UpDown8"_s);
    m_rowCount->setAlignment(Qt::AlignRight);
    connect(m_rowCount, &QSpinBox::valueChanged, this, &TipOverviewPage::rowCountChanged);
    layout->addWidget(m_rowCount);
    m_calculate = commandButton(u"calculateTipsButton"_s, u"Tipps berechnen"_s, true);
    connect(m_calculate, &QPushButton::clicked, this, &TipOverviewPage::calculateRequested);
    // The button keeps its width when its caption turns to "Stoppen" during a run.
    m_calculate->setMinimumWidth(m_calculate->sizeHint().width());
    layout->addWidget(m_calculate);
    layout->addStretch(1);

    QPushButton* luck = commandButton(u"luckyNumberButton"_s, u"Glückszahl"_s, true);
    connect(luck, &QPushButton::clicked, this, &TipOverviewPage::luckyNumberRequested);
    luck->setToolTip(
        u"Hier können Sie den Zufall etwas nachhelfen und wirklich Ihren Tipp generieren"_s);
    layout->addWidget(luck);
    QPushButton* handOver = commandButton(u"handOverButton"_s, u"Tipp &abgeben"_s, true);
    handOver->setToolTip(u"Hier können Sie den Tipp Online abgeben"_s);
    connect(handOver, &QPushButton::clicked, this, &TipOverviewPage::handOverRequested);
    layout->addWidget(handOver);
    return panel;
}

void TipOverviewPage::showState(const AppState& state) {
    m_drawPanel->showState(state);
    m_sheet->showSheet(state.tips);
    const QString caption = qs(calculateCaption(state));
    if (m_calculate->text() != caption)
        m_calculate->setText(caption);
    const QSignalBlocker quiet(m_rowCount);
    m_rowCount->setRange(state.settings.rowCount.minimum(), state.settings.rowCount.maximum());
    m_rowCount->setValue(state.settings.rowCount.value());
}

} // namespace powerball::ui
