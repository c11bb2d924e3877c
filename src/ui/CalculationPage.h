#pragma once

#include "app/AppState.h"

#include <QWidget>

class QTabWidget;

namespace powerball::ui {

class OptionControls;

// The page "Berechnung": the calculation options on five sub-pages.
class CalculationPage : public QWidget {
    Q_OBJECT

public:
    explicit CalculationPage(QWidget* parent = nullptr);

    // Reports what the user does to the options.
    OptionControls* controls() const { return m_controls; }

    void showState(const AppState& state);

private:
    OptionControls* m_controls = nullptr;
    QTabWidget* m_subPages = nullptr;
};

} // namespace powerball::ui
