#include "ChartPage.h"

#include "Conversions.h"
#include "StatisticHints.h"
#include "base/DrawCalendar.h"

#include <QAction>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QDateEdit>
#include <QEvent>
#include <QHBoxLayout>
#include <QLegend>
#include <QLegendMarker>
#include <QPen>
#include <QSignalBlocker>
#include <QStackedBarSeries>
#include <QToolBar>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace powerball::ui {

using namespace Qt::Literals::StringLiterals;

namespace {

QColor qColor(BarColor color) {
    return QColor(color.red, color.green, color.blue);
}

// Every how many bars the horizontal axis names one: at most about twenty names fit.
int labelStep(int barCount) {
    for (const int step : {1, 2, 5, 10, 20, 25, 50, 100})
        if (barCount <= 20 * step)
            return step;
    return 200;
}

// The distance between the value axis' marks: a whole 1, 2 or 5 times a power of ten that
// gives about five marks, so every mark is a whole number.
int tickInterval(int span) {
    for (int power = 1;; power *= 10)
        for (const int factor : {1, 2, 5})
            if (span <= 5 * factor * power)
                return factor * power;
}

// `share` of `ink` over `ground`: lines that stand back from the labels on any palette.
QColor blended(const QColor& ink, const QColor& ground, double share) {
    const auto channel = [share](int a, int b) {
        return static_cast<int>(std::lround(share * a + (1.0 - share) * b));
    };
    return QColor(channel(ink.red(), ground.red()), channel(ink.green(), ground.green()),
                  channel(ink.blue(), ground.blue()));
}

} // namespace

ChartPage::ChartPage(QWidget* parent) : QWidget(parent) {
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(4, 4, 4, 4);
    page->setSpacing(4);

    m_tools = new QToolBar(this);
    m_tools->setObjectName(u"chartToolBar"_s);
    m_tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    addStatisticAction(u"actionNumberFrequency"_s, u"Verteilung"_s, StatisticKind::NumberFrequency);
    addStatisticAction(u"actionOverdueNumbers"_s, u"Ausstehende"_s, StatisticKind::OverdueNumbers);
    addStatisticAction(u"actionPowerballFrequency"_s, u"Powerball"_s,
                       StatisticKind::PowerballFrequency);
    addStatisticAction(u"actionOverduePowerballs"_s, u"Powerball offen"_s,
                       StatisticKind::OverduePowerballs);
    addStatisticAction(u"actionPairs"_s, u"2er"_s, StatisticKind::Pairs);
    addStatisticAction(u"actionTriples"_s, u"3er"_s, StatisticKind::Triples);
    addStatisticAction(u"actionQuads"_s, u"4er"_s, StatisticKind::Quads);
    addStatisticAction(u"actionCrossSums"_s, u"QS"_s, StatisticKind::CrossSums);
    page->addWidget(m_tools);

    m_startDate = new QDateEdit(this);
    m_startDate->setObjectName(u"StartDate"_s);
    m_startDate->setDisplayFormat(u"dd.MM.yyyy"_s);
    m_startDate->setCalendarPopup(true);
    m_startDate->setMinimumDate(dateOfDay(DrawCalendar::kMinimumDate));
    m_startDate->setDate(dateOfDay(DrawCalendar::kDesignedStartDate));
    m_startDate->setToolTip(u"Dieses Datum gilt als ENddatum für die Berechnung, Ziehungen "
                            u"danach werden nicht berücksichtigt"_s);
    connect(m_startDate, &QDateEdit::dateChanged, this,
            [this](QDate date) { Q_EMIT startDatePicked(dayOfDate(date)); });

    m_chart = new QChart;
    m_chart->setObjectName(u"statisticChart"_s);
    m_chart->legend()->hide();
    m_chart->setAnimationOptions(QChart::NoAnimation);
    m_chart->setBackgroundRoundness(0);
    m_chart->setMargins(QMargins(2, 2, 2, 2));

    m_bars = new QStackedBarSeries(m_chart);
    m_bars->setBarWidth(0.8);
    m_bars->setLabelsVisible(false);
    m_chart->addSeries(m_bars);
    // The second series is part of the chart, but no statistic fills or shows it.
    m_second = new QBarSeries(m_chart);
    m_second->setLabelsVisible(false);
    m_chart->addSeries(m_second);
    m_second->setVisible(false);

    m_numberAxis = new QCategoryAxis(m_chart);
    m_numberAxis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    m_numberAxis->setGridLineVisible(false);
    m_chart->addAxis(m_numberAxis, Qt::AlignBottom);
    m_valueAxis = new QValueAxis(m_chart);
    m_valueAxis->setLabelFormat(u"%d"_s);
    m_valueAxis->setTickType(QValueAxis::TicksDynamic);
    m_valueAxis->setTickAnchor(0);
    m_chart->addAxis(m_valueAxis, Qt::AlignLeft);
    for (QAbstractSeries* series :
         {static_cast<QAbstractSeries*>(m_bars), static_cast<QAbstractSeries*>(m_second)}) {
        series->attachAxis(m_numberAxis);
        series->attachAxis(m_valueAxis);
    }

    m_view = new QChartView(m_chart, this);
    m_view->setObjectName(u"statisticChartView"_s);
    m_view->setRenderHint(QPainter::Antialiasing, false);
    page->addWidget(m_view, 1);
    followPalette();

    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(m_startDate);
    page->addLayout(bottom);
}

void ChartPage::addStatisticAction(const QString& name, const QString& caption,
                                   StatisticKind kind) {
    auto* action = new QAction(caption, this);
    action->setObjectName(name);
    // The hint is the status tip, as for every action, and the tool bar shows it as tooltip.
    action->setStatusTip(statisticHint(kind));
    action->setToolTip(statisticHint(kind));
    connect(action, &QAction::triggered, this, [this, kind] { Q_EMIT statisticRequested(kind); });
    m_tools->addAction(action);
}

void ChartPage::showState(const AppState& state) {
    m_redMeaning = qs(state.messages.text(Msg::ChartPrimes));
    m_greenMeaning = qs(state.messages.text(Msg::ChartOtherNumbers));
    const QSignalBlocker quiet(m_startDate);
    m_startDate->setDate(dateOfDay(state.startDate));
    if (isVisible()) {
        m_waiting.reset();
        showChart(state.chart);
    } else {
        m_waiting = state.chart;
    }
}

void ChartPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_waiting) {
        showChart(*m_waiting);
        m_waiting.reset();
    }
}

void ChartPage::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        followPalette();
}

// Qt Charts paints its own light theme whatever the palette; the chart stands on the
// palette's view ground instead, as the tables do. The bars keep their described colours.
void ChartPage::followPalette() {
    const QColor ground = palette().color(QPalette::Base);
    const QColor text = palette().color(QPalette::Text);
    m_chart->setBackgroundBrush(ground);
    m_chart->setBackgroundPen(QPen(blended(text, ground, 0.25)));
    m_chart->setPlotAreaBackgroundVisible(false);
    m_chart->setTitleBrush(text);
    m_chart->legend()->setLabelColor(text);
    m_chart->legend()->setBorderColor(blended(text, ground, 0.25));
    for (QAbstractAxis* axis :
         {static_cast<QAbstractAxis*>(m_numberAxis), static_cast<QAbstractAxis*>(m_valueAxis)}) {
        axis->setLabelsColor(text);
        axis->setTitleBrush(text);
        axis->setLinePenColor(blended(text, ground, 0.6));
        axis->setGridLineColor(blended(text, ground, 0.2));
        axis->setMinorGridLineColor(blended(text, ground, 0.1));
    }
    m_view->setBackgroundBrush(ground);
}

void ChartPage::showChart(const StatisticChart& chart) {
    showLegend(chart);
    Shown next{chart.bars(), chart.caption(), chart.valueRange(), chart.statisticSeriesOn(),
               chart.secondSeriesOn()};
    if (m_shown == next)
        return;
    m_shown = std::move(next);
    const std::vector<ChartBar>& bars = chart.bars();

    // One set per colour, stacked: each bar stands in the set of its colour and is 0 in
    // the others, so every bar shows in its own colour.
    std::vector<BarColor> colors{BarColors::Red, BarColors::Green};
    for (const ChartBar& bar : bars)
        if (std::find(colors.begin(), colors.end(), bar.color) == colors.end())
            colors.push_back(bar.color);
    m_bars->clear();
    for (const BarColor color : colors) {
        auto* set = new QBarSet(QString());
        set->setColor(qColor(color));
        set->setBorderColor(qColor(color));
        for (const ChartBar& bar : bars)
            set->append(bar.color == color ? bar.value : 0);
        m_bars->append(set);
    }
    m_bars->setVisible(chart.statisticSeriesOn());
    showLegend(chart);
    m_second->setVisible(chart.secondSeriesOn());

    // The bars stand at 0, 1, 2 ...; the axis names them by the numbers they stand for.
    const int count = static_cast<int>(bars.size());
    for (const QString& label : m_numberAxis->categoriesLabels())
        m_numberAxis->remove(label);
    const int step = labelStep(count);
    // The first bar always has its name; then every step-th number, none crowding the first.
    for (int i = 0; i < count; ++i) {
        const int x = bars[static_cast<std::size_t>(i)].x;
        if (i == 0 || (x % step == 0 && 2 * i >= step))
            m_numberAxis->append(QString::number(x), i);
    }
    m_numberAxis->setStartValue(-0.5);
    m_numberAxis->setRange(-0.5, std::max(count, 1) - 0.5);
    // Axis titles are read as rich text: the caption keeps its spaces and is never markup.
    m_numberAxis->setTitleText(qs(chart.caption()).toHtmlEscaped().replace(u' ', u"&nbsp;"_s));

    // Room below the smallest value, so that the rarest number has its bar too.
    const AxisRange range = chart.shownRange();
    const int maximum = std::max(range.maximum, range.minimum + 1);
    m_valueAxis->setRange(range.minimum, maximum);
    m_valueAxis->setTickInterval(tickInterval(maximum - range.minimum));
}

// A chart of red and green bars says what the colours mean; one colour needs no legend.
void ChartPage::showLegend(const StatisticChart& chart) {
    const auto uses = [&chart](BarColor color) {
        return std::any_of(chart.bars().begin(), chart.bars().end(),
                           [color](const ChartBar& bar) { return bar.color == color; });
    };
    const QList<QBarSet*> sets = m_bars->barSets();
    const QList<QLegendMarker*> markers = m_chart->legend()->markers(m_bars);
    for (qsizetype k = 0; k < sets.size(); ++k) {
        QBarSet* set = sets[k];
        if (set->color() == qColor(BarColors::Red))
            set->setLabel(m_redMeaning);
        else if (set->color() == qColor(BarColors::Green))
            set->setLabel(m_greenMeaning);
        bool used = false;
        for (int i = 0; i < set->count() && !used; ++i)
            used = set->at(i) != 0;
        // Colours the chart does not use stay out of the legend.
        if (k < markers.size())
            markers[k]->setVisible(used);
    }
    m_chart->legend()->setAlignment(Qt::AlignTop);
    m_chart->legend()->setVisible(uses(BarColors::Red) && uses(BarColors::Green));
}

} // namespace powerball::ui
