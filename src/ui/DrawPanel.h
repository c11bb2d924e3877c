#pragma once

#include "app/AppState.h"

#include <QWidget>

class QLabel;
class QToolButton;

namespace powerball::ui {

// The panel at the top of the first page: the update button, the two arrows that step
// through the stored draws, the shown draw, its cross sum and the ticket number.
class DrawPanel : public QWidget {
    Q_OBJECT

public:
    explicit DrawPanel(QWidget* parent = nullptr);

    void showState(const AppState& state);

protected:
    void changeEvent(QEvent* event) override;

Q_SIGNALS:
    void previousRequested();
    void nextRequested();
    void updateRequested();

private:
    void fitButtonsToFont();

    QToolButton* m_update = nullptr;
    QToolButton* m_previous = nullptr;
    QLabel* m_drawText = nullptr;
    QToolButton* m_next = nullptr;
    QLabel* m_crossSum = nullptr;
    QLabel* m_ticketNumber = nullptr;
};

} // namespace powerball::ui
