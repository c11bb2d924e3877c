#pragma once

#include "app/AppState.h"

#include <QWidget>

class QPushButton;
class QSpinBox;

namespace powerball::ui {

class DrawPanel;
class TipSheetView;

// The first page, "Tipp-Übersicht": the draw panel, the tip sheet and the tip commands.
class TipOverviewPage : public QWidget {
    Q_OBJECT

public:
    explicit TipOverviewPage(QWidget* parent = nullptr);

    DrawPanel* drawPanel() const { return m_drawPanel; }
    TipSheetView* sheet() const { return m_sheet; }

    void showState(const AppState& state);

Q_SIGNALS:
    void clearAllRequested();
    void tipDistributionRequested();
    void rowCountChanged(int rows);
    void calculateRequested();
    void luckyNumberRequested();
    void saveRequested();
    void searchRequested();
    void loadRequested();
    void printRequested();
    void handOverRequested();

private:
    QWidget* buildCommandColumn();
    QWidget* buildBottomPanel();
    QPushButton* commandButton(const QString& name, const QString& caption, bool enabled);

    DrawPanel* m_drawPanel = nullptr;
    TipSheetView* m_sheet = nullptr;
    QSpinBox* m_rowCount = nullptr;
    QPushButton* m_calculate = nullptr;
};

} // namespace powerball::ui
