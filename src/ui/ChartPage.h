#pragma once

#include "app/AppState.h"
#include "app/stats/StatisticCommands.h"
#include "rules/stats/StatisticChart.h"

#include <QWidget>

#include <optional>
#include <string>
#include <vector>

class QBarSeries;
class QCategoryAxis;
class QChart;
class QChartView;
class QDateEdit;
class QStackedBarSeries;
class QToolBar;
class QValueAxis;

namespace powerball::ui {

// The page "Diagramm": the bar chart of the statistics with its tool bar and the date up to
// which the statistics count the draws. Laying out the chart is the costliest paint of the
// window, so a chart that changes while the page is out of sight is drawn when it comes
// into view (the start-up's frequency chart among them).
class ChartPage : public QWidget {
    Q_OBJECT

public:
    explicit ChartPage(QWidget* parent = nullptr);

    void showState(const AppState& state);

    QChart* chart() const { return m_chart; }

Q_SIGNALS:
    void statisticRequested(powerball::StatisticKind kind);
    // The user picked another end date of the statistics (a day number).
    void startDatePicked(double day);

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The chart's ground, axes, labels and grid take the colours of the palette in use.
    void followPalette();
    void showChart(const StatisticChart& chart);
    void showLegend(const StatisticChart& chart);
    void addStatisticAction(const QString& name, const QString& caption, StatisticKind kind);

    QChart* m_chart = nullptr;
    QChartView* m_view = nullptr;
    QStackedBarSeries* m_bars = nullptr;
    QBarSeries* m_second = nullptr;
    QCategoryAxis* m_numberAxis = nullptr;
    QValueAxis* m_valueAxis = nullptr;
    QDateEdit* m_startDate = nullptr;
    QToolBar* m_tools = nullptr;

    // What the chart shows now: a repaint of an unchanged chart leaves the widgets alone.
    struct Shown {
        std::vector<ChartBar> bars;
        std::string caption;
        AxisRange range;
        bool statisticOn = false;
        bool secondOn = false;
        bool operator==(const Shown&) const = default;
    };
    std::optional<Shown> m_shown;
    // The legend's texts in the language in use: what red and green bars stand for.
    QString m_redMeaning;
    QString m_greenMeaning;
    // The chart to show once the page is in view.
    std::optional<StatisticChart> m_waiting;
};

} // namespace powerball::ui
