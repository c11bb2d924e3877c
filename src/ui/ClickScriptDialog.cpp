#include "ClickScriptDialog.h"
#include "NamedLabel.h"

#include "Conversions.h"
#include "rules/handover/ClickScript.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace powerball::ui {

using namespace Qt::Literals::StringLiterals;

ClickScriptDialog::ClickScriptDialog(const ClickScriptChoice& choice, UserPrompts& prompts,
                                     QWidget* parent)
    : QDialog(parent), m_choice(choice), m_prompts(prompts) {
    setObjectName(u"TVKSForm"_s);
    setWindowTitle(u"Script für Zahlenübergabe auswählen!"_s);
    auto* layout = new QVBoxLayout(this);

    QLabel* scriptLabel = namedLabel(u"scriptLabel"_s, u"Velmars Click-Script &File"_s, this);
    layout->addWidget(scriptLabel);
    auto* scriptRow = new QHBoxLayout;
    m_script = new QComboBox(this);
    m_script->setObjectName(u"scriptList"_s);
    m_script->setEditable(true);
    m_script->setInsertPolicy(QComboBox::NoInsert);
    m_script->setMinimumContentsLength(40);
    m_script->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    for (const std::string& script : choice.scripts)
        m_script->addItem(qs(script));
    m_script->setEditText(qs(choice.script));
    scriptLabel->setBuddy(m_script);
    scriptRow->addWidget(m_script, 1);
    auto* browseButton = new QToolButton(this);
    browseButton->setObjectName(u"browseButton"_s);
    browseButton->setText(u"…"_s);
    browseButton->setToolTip(u"Click-Script auswählen"_s);
    connect(browseButton, &QToolButton::clicked, this, &ClickScriptDialog::browse);
    scriptRow->addWidget(browseButton);
    layout->addLayout(scriptRow);

    auto* group = new QGroupBox(u"Parameter "_s, this);
    group->setObjectName(u"parameterGroup"_s);
    auto* form = new QFormLayout(group);
    m_zahl1 = parameterField(u"ZAHL1"_s, choice.zahl1);
    m_zahl2 = parameterField(u"ZAHL2"_s, choice.zahl2);
    m_text1 = parameterField(u"TEXT1"_s, choice.text1);
    m_text2 = parameterField(u"TEXT2"_s, choice.text2);
    // The accelerators of the two numbers lead to their fields.
    QLabel* zahl1Label = namedLabel(u"zahl1Label"_s, u"ZAHL&1"_s, group);
    zahl1Label->setBuddy(m_zahl1);
    form->addRow(zahl1Label, m_zahl1);
    QLabel* zahl2Label = namedLabel(u"zahl2Label"_s, u"ZAHL&2"_s, group);
    zahl2Label->setBuddy(m_zahl2);
    form->addRow(zahl2Label, m_zahl2);
    form->addRow(namedLabel(u"text1Label"_s, u"TEXT1"_s, group), m_text1);
    form->addRow(namedLabel(u"text2Label"_s, u"TEXT2"_s, group), m_text2);
    layout->addWidget(group);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(u"OK"_s, QDialogButtonBox::AcceptRole)->setObjectName(u"okButton"_s);
    buttons->addButton(u"Abbrechen"_s, QDialogButtonBox::RejectRole)
        ->setObjectName(u"cancelButton"_s);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    // With a script at hand the parameters are what the user comes to change.
    if (!choice.script.empty())
        m_zahl1->setFocus();
}

QLineEdit* ClickScriptDialog::parameterField(const QString& name, const std::string& text) {
    auto* field = new QLineEdit(qs(text), this);
    field->setObjectName(name);
    return field;
}

void ClickScriptDialog::browse() {
    FileQuestion question;
    question.caption = "Velmars Click Script";
    question.filter = ClickScript::kFilter;
    question.defaultExtension = "VKS";
    question.folder = m_choice.scriptFolder;
    if (const auto file = m_prompts.askOpenFile(question))
        m_script->setEditText(qs(file->string()));
}

ClickScriptChoice ClickScriptDialog::choice() const {
    ClickScriptChoice choice = m_choice;
    choice.script = toStd(m_script->currentText());
    choice.zahl1 = toStd(m_zahl1->text());
    choice.zahl2 = toStd(m_zahl2->text());
    choice.text1 = toStd(m_text1->text());
    choice.text2 = toStd(m_text2->text());
    return choice;
}

} // namespace powerball::ui
