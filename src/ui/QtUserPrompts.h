#pragma once

#include "base/MessageTable.h"
#include "base/RandomSource.h"
#include "platform/UserPrompts.h"

#include <QString>

class QWidget;

namespace powerball::ui {

class NumberListDialog;

// The core's prompts as Qt message boxes and dialogs in front of the main window. Every
// box shows its text as plain text: no text, ours or a server's, is read as markup.
class QtUserPrompts : public UserPrompts {
public:
    // The list dialog's random picker draws from `random`.
    // The list dialog's captions come from the message table as it stands when it opens.
    QtUserPrompts(QWidget* parent, RandomSource& random, const MessageTable& messages)
        : m_parent(parent), m_random(random), m_messages(messages) {}

    void showMessage(const std::string& text) override;
    void showPlainText(const std::string& text) override;
    std::optional<DrawEntry> askDrawNumbers(const DrawEntry& prefilled) override;
    PoolListAnswer askPoolNumbers(NumberListBoxes& boxes) override;
    bool askRowNumbers(const std::string& caption, NumberListBoxes& boxes) override;
    std::string askText(const std::string& caption, const std::string& prompt,
                        const std::string& defaultText) override;

private:
    // The one list dialog of the program run, made when it is first needed. It keeps the
    // caption its last caller gave it.
    NumberListDialog& listDialog();

    QWidget* m_parent;
    RandomSource& m_random;
    const MessageTable& m_messages;
    NumberListDialog* m_listDialog = nullptr;
};

} // namespace powerball::ui
