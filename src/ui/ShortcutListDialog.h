#pragma once

#include <QDialog>
#include <QString>

#include <vector>

class QTableWidget;

namespace powerball {
class MessageTable;
}

namespace powerball::ui {

// "Tastenkürzel": every key of the window and what it does, read from the live actions and
// shortcuts each time it opens, so that the list is never behind the window.
class ShortcutListDialog : public QDialog {
    Q_OBJECT

public:
    struct Entry {
        QString keys;
        QString command;
    };

    // The actions with a key below `window` (their text without accelerator marks) and the
    // window's own shortcuts (their description), in the order the window made them.
    static std::vector<Entry> entries(const QWidget* window, const MessageTable& messages);

    ShortcutListDialog(const std::vector<Entry>& entries, const MessageTable& messages,
                       QWidget* parent);

private:
    QTableWidget* m_table = nullptr;
};

} // namespace powerball::ui
