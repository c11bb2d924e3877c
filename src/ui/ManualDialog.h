#pragma once

#include <QDialog>

#include <filesystem>

class QTextBrowser;

namespace powerball {
class MessageTable;
}

namespace powerball::ui {

// "Handbuch": the user part of the README, shipped beside the program's data, in a text
// browser. The manual pages stay for the command line.
class ManualDialog : public QDialog {
    Q_OBJECT

public:
    // Where the manual lies: the installed data folder beside bin/ (<prefix>/share/
    // velmar-powerball), which the build tree mirrors.
    static std::filesystem::path manualFile();

    ManualDialog(const std::filesystem::path& file, const MessageTable& messages, QWidget* parent);

    QTextBrowser* browser() const { return m_browser; }

private:
    QTextBrowser* m_browser = nullptr;
};

} // namespace powerball::ui
