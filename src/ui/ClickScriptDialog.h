#pragma once

#include "ports/ClickScriptChoice.h"
#include "ports/UserPrompts.h"

#include <QDialog>

class QComboBox;
class QLineEdit;

namespace powerball::ui {

// "Script für Zahlenübergabe auswählen!": the click script (an editable list of the script
// folder's scripts, with a browse button) and the four parameters handed to the click tool.
class ClickScriptDialog : public QDialog {
    Q_OBJECT

public:
    // The browse button's file dialog goes through `prompts`.
    ClickScriptDialog(const ClickScriptChoice& choice, UserPrompts& prompts,
                      QWidget* parent = nullptr);

    // The values as the user left them.
    ClickScriptChoice choice() const;

private:
    void browse();
    QLineEdit* parameterField(const QString& name, const std::string& text);

    ClickScriptChoice m_choice;
    UserPrompts& m_prompts;
    QComboBox* m_script = nullptr;
    QLineEdit* m_zahl1 = nullptr;
    QLineEdit* m_zahl2 = nullptr;
    QLineEdit* m_text1 = nullptr;
    QLineEdit* m_text2 = nullptr;
};

} // namespace powerball::ui
