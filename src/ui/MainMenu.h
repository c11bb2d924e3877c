#pragma once

#include <QList>
#include <QObject>

#include <vector>

class QAction;
class QActionGroup;
class QMenuBar;

namespace powerball::ui {

// The main menu: the update, the calculation, the language, the hidden hand-over, printing,
// closing the window and the help; the keys that save and load the tips. Every action carries an
// object name.
class MainMenu : public QObject {
    Q_OBJECT

public:
    explicit MainMenu(QMenuBar* bar);

    QAction* closeAction() const { return m_close; }
    QAction* loadDrawsAction() const { return m_loadDraws; }
    QAction* calculateAction() const { return m_calculate; }
    QAction* handOverAction() const { return m_handOver; }
    QAction* printAction() const { return m_print; }
    QAction* wheelAction() const { return m_wheel; }
    QAction* saveTipsAction() const { return m_saveTips; }
    QAction* loadTipsAction() const { return m_loadTips; }
    QAction* aboutAction() const { return m_about; }
    QAction* shortcutListAction() const { return m_shortcutList; }
    QAction* manualAction() const { return m_manual; }
    // Every action with a keyboard shortcut.
    QList<QAction*> shortcutActions() const {
        return {m_loadDraws, m_calculate, m_handOver, m_print, m_saveTips, m_loadTips};
    }

    // Puts the check mark on the language of the index (1 deutsch .. 9 हिंदी); any other
    // index checks none.
    void showLanguage(int languageIndex);

Q_SIGNALS:
    // A language entry was chosen: its code 1..9.
    void languageChosen(int code);

private:
    struct LanguageEntry {
        int index;
        QAction* action;
    };

    void buildLanguageMenu(QMenuBar* bar);
    void buildHelpMenu(QMenuBar* bar);

    QAction* m_close = nullptr;
    QAction* m_loadDraws = nullptr;
    QAction* m_calculate = nullptr;
    QAction* m_handOver = nullptr;
    QAction* m_print = nullptr;
    QAction* m_wheel = nullptr;
    QAction* m_saveTips = nullptr;
    QAction* m_loadTips = nullptr;
    QAction* m_about = nullptr;
    QAction* m_shortcutList = nullptr;
    QAction* m_manual = nullptr;
    QActionGroup* m_languages = nullptr;
    std::vector<LanguageEntry> m_languageEntries;
};

} // namespace powerball::ui
