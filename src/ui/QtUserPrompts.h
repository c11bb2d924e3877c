#pragma once

#include "platform/UserPrompts.h"

class QWidget;

namespace powerball::ui {

// The core's prompts as Qt message boxes in front of the main window.
class QtUserPrompts : public UserPrompts {
public:
    explicit QtUserPrompts(QWidget* parent) : m_parent(parent) {}

    void showMessage(const std::string& text) override;

private:
    QWidget* m_parent;
};

} // namespace powerball::ui
