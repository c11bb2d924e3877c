#pragma once

#include "app/AppState.h"

#include <QWidget>

class QLineEdit;

namespace powerball::ui {

// The page "Internet-Optionen": the proxy of the update and the links to the maker and to
// the current draws.
class InternetOptionsPage : public QWidget {
    Q_OBJECT

public:
    explicit InternetOptionsPage(QWidget* parent = nullptr);

    void showState(const AppState& state);

Q_SIGNALS:
    void proxyHostEdited(const QString& host);
    void proxyPortEdited(const QString& port);
    void urlEdited(const QString& url);

private:
    QLineEdit* m_proxyHost = nullptr;
    QLineEdit* m_proxyPort = nullptr;
    QLineEdit* m_url = nullptr;
};

} // namespace powerball::ui
