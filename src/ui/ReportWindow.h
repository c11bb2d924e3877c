#pragma once

#include <QDialog>
#include <QString>

#include <filesystem>
#include <optional>
#include <string>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace powerball {
class MessageTable;
}

namespace powerball::ui {

// A written report ("Test.rtf", "Tipp.txt") shown inside the program, in a fixed-width font,
// so that the result is never lost when the desktop has no viewer for it. It keeps the bytes
// it read: "Speichern unter…" writes exactly those, atomically, wherever the user says.
class ReportWindow : public QDialog {
    Q_OBJECT

public:
    ReportWindow(const MessageTable& messages, QWidget* parent);

    // Reads the file again and shows it; a file that cannot be read shows why.
    void showFile(const std::filesystem::path& file);
    const std::filesystem::path& file() const { return m_file; }
    QString text() const;

    // Writes the bytes shown to `target`; the reason when that failed (and nothing changed).
    std::optional<QString> saveTo(const std::filesystem::path& target);

    // The dialogs behind the buttons.
    void saveAs();
    void print();
    void openWithDesktop();

private:
    void setNote(const QString& note);

    const MessageTable& m_messages;
    std::filesystem::path m_file;
    std::string m_bytes;
    QPlainTextEdit* m_view = nullptr;
    QLabel* m_note = nullptr;
    QPushButton* m_save = nullptr;
};

} // namespace powerball::ui
