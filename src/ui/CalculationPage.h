#pragma once

#include <QWidget>

class QTabWidget;

namespace powerball::ui {

// The page "Berechnung": the calculation options on five sub-pages.
class CalculationPage : public QWidget {
    Q_OBJECT

public:
    explicit CalculationPage(QWidget* parent = nullptr);

private:
    QTabWidget* m_subPages = nullptr;
};

} // namespace powerball::ui
