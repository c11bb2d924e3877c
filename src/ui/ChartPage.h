#pragma once

#include "app/AppState.h"
#include "stats/StatisticChart.h"
#include "stats/StatisticCommands.h"

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
// which the statistics count the draws.
class ChartPage : public QWidget {
    Q_OBJECT

public:
    explicit ChartPage(QWidget* parent = nullptr);

    void showState(const AppState& state);
    void showChart(const StatisticChart& chart);

    QChart* chart() const { return m_chart; }

Q_SIGNALS:
    void statisticRequested(powerball::StatisticKind kind);
    // The user picked another end date of the statistics (a day number).
    void startDatePicked(double day);

private:
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
};

} // namespace powerball::ui
