#pragma once

#include "platform/UserPrompts.h"

class QWidget;

namespace powerball::ui {

// The core's prompts as Qt message boxes and dialogs in front of the main window. Every
// box shows its text as plain text: no text, ours or a server's, is read as markup.
class QtUserPrompts : public UserPrompts {
public:
    explicit QtUserPrompts(QWidget* parent) : m_parent(parent) {}

    void showMessage(const std::string& text) override;
    void showPlainText(const std::string& text) override;
    std::optional<DrawEntry> askDrawNumbers(const DrawEntry& prefilled) override;

private:
    QWidget* m_parent;
};

} // namespace powerball::ui
