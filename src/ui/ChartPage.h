#pragma once

#include <QWidget>

namespace powerball::ui {

// The page "Diagramm": the bar chart of the statistics with its tool bar.
class ChartPage : public QWidget {
    Q_OBJECT

public:
    explicit ChartPage(QWidget* parent = nullptr);
};

} // namespace powerball::ui
