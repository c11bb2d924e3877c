#pragma once

#include "app/AppState.h"
#include "app/wheel/WheelCommands.h"

#include <QDialog>
#include <QFutureWatcher>

#include <atomic>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace powerball::ui {

// "Rad…": the fewest rows over chosen numbers that keep a guarantee. The search runs on a
// worker thread and stops at "Stoppen" or when the dialog closes; the dialog shows the proven
// wheel, its bound and cost, and each row against the draw the window shows. What changes the
// sheet or writes files it asks of the window.
class WheelDialog : public QDialog {
    Q_OBJECT

public:
    explicit WheelDialog(QWidget* parent = nullptr);
    // Stops a search and waits for its thread.
    ~WheelDialog() override;

    // The texts of the language in use and the draw shown, whenever the window shows its
    // state.
    void showState(const AppState& state);
    // The ticked numbers of the number list go into the numbers field.
    void takeNumbers(const std::vector<int>& numbers);

    const std::optional<WheelPlay>& play() const { return m_play; }
    bool searching() const { return m_watcher.isRunning(); }
    // Where the next page of rows for the sheet starts, after the window placed some.
    void rowsPlaced(std::size_t next);

    void calculate();
    void stop();
    void done(int result) override;

Q_SIGNALS:
    // The search ended and its wheel is shown.
    void searchFinished();
    // "In den Tippschein" and "Nächste 12": the wheel's rows from `first` on go to the sheet.
    void placeRequested(qulonglong first);
    void saveRequested();
    void printRequested();
    // The search found a smaller proven wheel; sent from its thread.
    void smallerFound(qulonglong rows);

private:
    void searchEnded();
    void showProgress(qulonglong rows);
    void showPlay();
    void showCheck();
    void fillGuarantees();
    void setSearching(bool on);

    MessageTable m_messages;
    CurrentDraw m_draw;
    std::vector<int> m_ticked;
    std::optional<WheelPlay> m_play;
    std::size_t m_nextRow = 0;
    std::vector<int> m_chosenPowerballs;
    std::atomic<bool> m_stop{false};
    QFutureWatcher<WheelSearchResult> m_watcher;

    QLineEdit* m_numbers = nullptr;
    QComboBox* m_guarantee = nullptr;
    QLineEdit* m_powerballs = nullptr;
    QSpinBox* m_seconds = nullptr;
    QPushButton* m_calculate = nullptr;
    QPushButton* m_stopButton = nullptr;
    QLabel* m_status = nullptr;
    QLabel* m_count = nullptr;
    QLabel* m_cost = nullptr;
    QLabel* m_proven = nullptr;
    QLabel* m_check = nullptr;
    QTableWidget* m_rows = nullptr;
    QPushButton* m_toSheet = nullptr;
    QPushButton* m_nextPage = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_print = nullptr;
};

} // namespace powerball::ui
