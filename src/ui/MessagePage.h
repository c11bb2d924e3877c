#pragma once

#include "app/AppState.h"

#include <QWidget>

class QListWidget;
class QPlainTextEdit;

namespace powerball::ui {

// The page that is never shown: the message table as it stands and the buffer that
// receives the update server's answer.
class MessagePage : public QWidget {
    Q_OBJECT

public:
    explicit MessagePage(QWidget* parent = nullptr);

    void showState(const AppState& state);

private:
    QListWidget* m_messages = nullptr;
    QPlainTextEdit* m_answerBuffer = nullptr;
};

} // namespace powerball::ui
