#pragma once

#include <QWidget>

namespace powerball::ui {

class OptionControls;

// The sub-page "Statistisch": which numbers the tips prefer by their statistics.
class StatisticOptionsPage : public QWidget {
    Q_OBJECT

public:
    StatisticOptionsPage(OptionControls& controls, QWidget* parent = nullptr);
};

} // namespace powerball::ui
