#pragma once

#include "base/MessageTable.h"
#include "base/RandomSource.h"
#include "ports/UserPrompts.h"

#include <QMessageBox>
#include <QString>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

class QWidget;

namespace powerball::ui {

class NumberListDialog;

// The core's prompts as Qt message boxes and dialogs in front of the main window. Every
// box shows its text as plain text: no text, ours or a server's, is read as markup.
class QtUserPrompts : public UserPrompts {
public:
    // A prompt that a queued answer took, as it would have stood in front of the user.
    struct Asked {
        enum class Kind { Message, Failure, Warning, Text, SaveFile, OpenFile, Question };
        Kind kind = Kind::Message;
        QString caption;
        QString text;        // the box's text, the input box's label, the proposed file name
        QString defaultText; // the input box's default, the file dialog's default extension
        QString filter;      // of a file dialog
        QString folder;      // the folder a file dialog opens in
        Qt::TextFormat format = Qt::AutoText; // of a message box
        bool waitCursor = false;              // whether the wait cursor was up when it was asked
    };

    // The list dialog's random picker draws from `random`.
    // The list dialog's captions come from the message table as it stands when it opens.
    QtUserPrompts(QWidget* parent, RandomSource& random, const MessageTable& messages)
        : m_parent(parent), m_random(random), m_messages(messages) {}

    void showMessage(const std::string& text) override;
    void showPlainText(const std::string& text) override;
    void showFailure(const std::string& text) override;
    void showWarning(const std::string& caption, const std::string& text) override;
    std::optional<DrawEntry> askDrawNumbers(const DrawEntry& prefilled) override;
    PoolListAnswer askPoolNumbers(NumberListBoxes& boxes) override;
    bool askRowNumbers(const std::string& caption, NumberListBoxes& boxes) override;
    std::optional<std::string> askText(const std::string& caption, const std::string& prompt,
                                       const std::string& defaultText) override;
    std::optional<std::filesystem::path> askSaveFile(const FileQuestion& question) override;
    std::optional<std::filesystem::path> askOpenFile(const FileQuestion& question) override;
    bool askYesNo(const std::string& caption, const std::string& text) override;
    bool askClickScript(ClickScriptChoice& choice) override;

    // For tests: while answers are queued, the next message box, input box or file dialog
    // takes the first of them instead of showing itself, and what it asked is recorded. An
    // answer is the text typed or the file chosen; none stands for Cancel (No in a question
    // box, where any text stands for Yes). A message box only has OK and takes any answer.
    // The list, entry and click-script dialogs always show.
    void setNextAnswer(std::optional<QString> answer = std::nullopt);

    // Runs for each of the program's own dialogs once it is made, before it shows: the
    // window puts it into the language in use.
    void setDialogPreparation(std::function<void(QWidget*)> prepare) {
        m_prepareDialog = std::move(prepare);
    }
    const std::vector<Asked>& asked() const { return m_asked; }

private:
    // The one list dialog of the program run, made when it is first needed. It keeps the
    // caption its last caller gave it.
    NumberListDialog& listDialog();
    void showBox(Asked::Kind kind, QMessageBox::Icon icon, const QString& caption,
                 const QString& text, QWidget* parent);
    std::optional<std::filesystem::path> askFile(Asked::Kind kind, const FileQuestion& question);
    void prepare(QWidget& dialog);
    // Takes the next queued answer for the prompt, if there is one.
    bool answeredInAdvance(Asked asked, std::optional<QString>& answer);
    // A dialog asked from inside another dialog stands over that one.
    QWidget* frontParent() const;

    QWidget* m_parent;
    RandomSource& m_random;
    const MessageTable& m_messages;
    NumberListDialog* m_listDialog = nullptr;
    std::deque<std::optional<QString>> m_answers;
    std::vector<Asked> m_asked;
    std::function<void(QWidget*)> m_prepareDialog;
};

} // namespace powerball::ui
