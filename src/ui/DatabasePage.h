#pragma once

#include "app/AppState.h"
#include "app/stats/StatisticCommands.h"

#include <QWidget>

class QDateEdit;
class QLabel;
class QPushButton;

namespace powerball::ui {

// The page "Datenbank": draw maintenance, the shown draw, the selected date with its check
// and the analyses of the draw history.
class DatabasePage : public QWidget {
    Q_OBJECT

public:
    explicit DatabasePage(QWidget* parent = nullptr);

    void showState(const AppState& state);

Q_SIGNALS:
    void undoRequested();
    // The user picked another date (a day number).
    void selectedDatePicked(double day);
    // Check the tips against the draw of the picked date.
    void checkRequested(double day);
    void updateRequested();
    void stopRequested();
    void deleteRequested();
    void enterRequested();
    void importRequested();
    void statisticRequested(powerball::StatisticKind kind);
    void settingsAnalysisRequested();
    void drawAnalysisRequested();
    // Open the table of all draws.
    void drawTableRequested();

private:
    QPushButton* button(const QString& name, const QString& caption, bool enabled);
    QPushButton* statisticButton(const QString& name, const QString& caption, StatisticKind kind);
    QWidget* buildAnalyses();

    QPushButton* m_update = nullptr;
    QPushButton* m_stop = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_enter = nullptr;
    QPushButton* m_import = nullptr;
    QPushButton* m_undo = nullptr;
    QPushButton* m_drawTable = nullptr;
    QLabel* m_drawText = nullptr;
    QDateEdit* m_selectedDate = nullptr;
};

} // namespace powerball::ui
