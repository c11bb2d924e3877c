#pragma once

#include "app/AppState.h"

#include <QWidget>

class QLineEdit;
class QRadioButton;

namespace powerball::ui {

// The page "Internet-Optionen": the proxy of the update, where the draws come from (the
// update server or the public results file, each with its address) and the links to the
// maker and to the current draws.
class InternetOptionsPage : public QWidget {
    Q_OBJECT

public:
    explicit InternetOptionsPage(QWidget* parent = nullptr);

    void showState(const AppState& state);

Q_SIGNALS:
    void proxyHostEdited(const QString& host);
    void proxyPortEdited(const QString& port);
    void urlEdited(const QString& url);
    void sourceChosen(powerball::DrawSource source);
    void feedUrlEdited(const QString& url);

private:
    QLineEdit* m_proxyHost = nullptr;
    QLineEdit* m_proxyPort = nullptr;
    QLineEdit* m_url = nullptr;
    QRadioButton* m_serverSource = nullptr;
    QRadioButton* m_feedSource = nullptr;
    QLineEdit* m_feedUrl = nullptr;
};

} // namespace powerball::ui
