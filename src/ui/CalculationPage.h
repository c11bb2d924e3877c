#pragma once

#include "app/AppState.h"

#include <QWidget>

class QTabWidget;

namespace powerball::ui {

class FilterCostLine;
class OptionControls;

// The page "Berechnung": the calculation options on five sub-pages, and below them the line
// that says what the acceptance filters cost.
class CalculationPage : public QWidget {
    Q_OBJECT

public:
    explicit CalculationPage(QWidget* parent = nullptr);

    // Reports what the user does to the options.
    OptionControls* controls() const { return m_controls; }

    void showState(const AppState& state);

Q_SIGNALS:
    // "Rad…": the wheel dialog.
    void wheelRequested();

private:
    OptionControls* m_controls = nullptr;
    QTabWidget* m_subPages = nullptr;
    FilterCostLine* m_cost = nullptr;
};

} // namespace powerball::ui
