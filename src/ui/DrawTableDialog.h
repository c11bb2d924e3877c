#pragma once

#include "app/AppState.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace powerball::ui {

class DrawFilterProxy;
class DrawTableModel;

// "Ziehungen": every stored draw in a table, newest first, sortable by each column, with a
// quick filter by year or number. It never changes a draw itself: a double click (or Enter)
// asks to show the draw everywhere as the arrows do, "Löschen" (Del) to delete it, and
// "Rückgängig" (Ctrl+Z) to take the last change back, all through the window's commands.
class DrawTableDialog : public QDialog {
    Q_OBJECT

public:
    explicit DrawTableDialog(QWidget* parent = nullptr);

    // Follows the state: the draw file (read again when it changed), the texts of the
    // language in use, the draw shown and whether there is something to take back.
    void showState(const AppState& state);

    DrawTableModel* model() const { return m_model; }
    QTableView* view() const { return m_view; }

Q_SIGNALS:
    void drawPicked(double date);
    void deleteRequested(double date);
    void undoRequested();

private:
    // The date of the current row, when a row is current.
    std::optional<double> currentDate() const;
    void pickCurrent();
    void deleteCurrent();
    void selectDraw(double date);
    void showCount();

    DrawTableModel* m_model = nullptr;
    DrawFilterProxy* m_proxy = nullptr;
    QTableView* m_view = nullptr;
    QLineEdit* m_filter = nullptr;
    QLabel* m_count = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_undo = nullptr;
    QPushButton* m_close = nullptr;
    QString m_countPattern;
    double m_shownDraw = -1.0;
};

} // namespace powerball::ui
