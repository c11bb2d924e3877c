#pragma once

#include <QFrame>

class QLabel;
class QPushButton;
class QToolButton;

namespace powerball::ui {

// The note above the pages that the stored draws are out of date, with the button that runs
// the update. It takes no input away from the window and closes on its own once the draws
// are current.
class DataAgeBar : public QFrame {
    Q_OBJECT

public:
    explicit DataAgeBar(QWidget* parent);

    // Shows `text` as the note; an empty text hides the bar.
    void showNote(const QString& text);
    QString note() const;

Q_SIGNALS:
    void loadRequested();

private:
    void takeIcons();

    QLabel* m_icon = nullptr;
    QLabel* m_text = nullptr;
    QToolButton* m_close = nullptr;
    bool m_iconsTaken = false;
};

} // namespace powerball::ui
