#include "QtUserPrompts.h"

#include "ClickScriptDialog.h"
#include "Conversions.h"
#include "DrawEntryDialog.h"
#include "NumberListDialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>

namespace powerball::ui {

using namespace Qt::Literals::StringLiterals;

void QtUserPrompts::showMessage(const std::string& text) {
    showPlainText(text);
}

void QtUserPrompts::showPlainText(const std::string& text) {
    showBox(Asked::Kind::Message, QMessageBox::Information, QApplication::applicationName(),
            qs(text), m_parent);
}

void QtUserPrompts::showFailure(const std::string& text) {
    showBox(Asked::Kind::Failure, QMessageBox::Critical, QApplication::applicationName(),
            QString::fromLocal8Bit(text), m_parent);
}

void QtUserPrompts::showWarning(const std::string& caption, const std::string& text) {
    showBox(Asked::Kind::Warning, QMessageBox::Warning, qs(caption), qs(text), frontParent());
}

void QtUserPrompts::showBox(Asked::Kind kind, QMessageBox::Icon icon, const QString& caption,
                            const QString& text, QWidget* parent) {
    QMessageBox box(icon, caption, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    Asked asked;
    asked.kind = kind;
    asked.caption = box.windowTitle();
    asked.text = box.text();
    asked.format = box.textFormat();
    std::optional<QString> ignored;
    if (answeredInAdvance(std::move(asked), ignored))
        return;
    box.exec();
}

std::optional<DrawEntry> QtUserPrompts::askDrawNumbers(const DrawEntry& prefilled) {
    DrawEntryDialog dialog(prefilled, m_messages, m_parent);
    prepare(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.entry();
}

NumberListDialog& QtUserPrompts::listDialog() {
    if (!m_listDialog) {
        m_listDialog = new NumberListDialog(m_random, *this, m_parent);
        prepare(*m_listDialog);
    }
    return *m_listDialog;
}

PoolListAnswer QtUserPrompts::askPoolNumbers(NumberListBoxes& boxes) {
    NumberListDialog& dialog = listDialog();
    dialog.setUse(NumberListDialog::Use::Pool);
    dialog.setPickerCaptions(qs(m_messages.text(Msg::Random)),
                             qs(m_messages.text(Msg::StopPicker)));
    dialog.setBoxes(boxes);
    dialog.exec();
    boxes = dialog.boxes();
    return dialog.poolAnswer();
}

bool QtUserPrompts::askRowNumbers(const std::string& caption, NumberListBoxes& boxes) {
    NumberListDialog& dialog = listDialog();
    dialog.setUse(NumberListDialog::Use::Row);
    dialog.setWindowTitle(qs(caption));
    dialog.setPickerCaptions(qs(m_messages.text(Msg::Random)),
                             qs(m_messages.text(Msg::StopPicker)));
    dialog.setBoxes(boxes);
    const int result = dialog.exec();
    boxes = dialog.boxes();
    dialog.setUse(NumberListDialog::Use::Pool);
    dialog.setWindowTitle(qs(m_messages.text(Msg::ListDialogCaption)));
    return result == QDialog::Accepted;
}

std::optional<std::string> QtUserPrompts::askText(const std::string& caption,
                                                  const std::string& prompt,
                                                  const std::string& defaultText) {
    QInputDialog dialog(m_parent);
    dialog.setObjectName(u"textInputDialog"_s);
    dialog.setWindowTitle(qs(caption));
    dialog.setLabelText(qs(prompt));
    dialog.setTextValue(qs(defaultText));
    // The box is as wide as its title beside the title bar's buttons, so that a question put
    // in the title is read whole. The box takes its size from its layout, so the edit field
    // carries the width.
    constexpr int kTitleBarButtons = 140;
    if (auto* edit = dialog.findChild<QLineEdit*>())
        edit->setMinimumWidth(dialog.fontMetrics().horizontalAdvance(dialog.windowTitle()) +
                              kTitleBarButtons);
    Asked asked;
    asked.kind = Asked::Kind::Text;
    asked.caption = dialog.windowTitle();
    asked.text = dialog.labelText();
    asked.defaultText = dialog.textValue();
    std::optional<QString> answer;
    if (answeredInAdvance(std::move(asked), answer))
        return answer ? std::optional(toStd(*answer)) : std::nullopt;
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return toStd(dialog.textValue());
}

std::optional<std::filesystem::path> QtUserPrompts::askSaveFile(const FileQuestion& question) {
    return askFile(Asked::Kind::SaveFile, question);
}

std::optional<std::filesystem::path> QtUserPrompts::askOpenFile(const FileQuestion& question) {
    return askFile(Asked::Kind::OpenFile, question);
}

std::optional<std::filesystem::path> QtUserPrompts::askFile(Asked::Kind kind,
                                                            const FileQuestion& question) {
    const QString extension = qs(question.defaultExtension);
    Asked asked;
    asked.kind = kind;
    asked.caption = qs(question.caption);
    asked.text = qs(question.proposedName);
    asked.defaultText = extension;
    asked.filter = qs(question.filter);
    asked.folder = QString::fromStdString(question.folder.string());
    std::optional<QString> answer;
    if (answeredInAdvance(std::move(asked), answer)) {
        if (!answer)
            return std::nullopt;
        // As the dialog completes a name typed without extension.
        QString name = *answer;
        if (!extension.isEmpty() && QFileInfo(name).suffix().isEmpty())
            name += u"."_s + extension;
        return toPath(name);
    }

    QFileDialog dialog(frontParent(), qs(question.caption),
                       QString::fromStdString(question.folder.string()), qs(question.filter));
    if (kind == Asked::Kind::SaveFile) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    dialog.setDefaultSuffix(extension);
    dialog.selectFile(qs(question.proposedName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return toPath(dialog.selectedFiles().constFirst());
}

bool QtUserPrompts::askYesNo(const std::string& caption, const std::string& text) {
    Asked asked;
    asked.kind = Asked::Kind::Question;
    asked.caption = qs(caption);
    asked.text = qs(text);
    asked.format = Qt::PlainText;
    std::optional<QString> answer;
    if (answeredInAdvance(asked, answer))
        return answer.has_value();
    QMessageBox box(QMessageBox::Question, asked.caption, asked.text,
                    QMessageBox::Yes | QMessageBox::No, frontParent());
    box.setObjectName(u"questionBox"_s);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

bool QtUserPrompts::askClickScript(ClickScriptChoice& choice) {
    ClickScriptDialog dialog(choice, *this, frontParent());
    prepare(dialog);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    choice = dialog.choice();
    return accepted;
}

void QtUserPrompts::prepare(QWidget& dialog) {
    if (m_prepareDialog)
        m_prepareDialog(&dialog);
}

void QtUserPrompts::setNextAnswer(std::optional<QString> answer) {
    m_answers.push_back(std::move(answer));
}

bool QtUserPrompts::answeredInAdvance(Asked asked, std::optional<QString>& answer) {
    if (m_answers.empty())
        return false;
    asked.waitCursor = QApplication::overrideCursor() != nullptr;
    m_asked.push_back(std::move(asked));
    answer = std::move(m_answers.front());
    m_answers.pop_front();
    return true;
}

QWidget* QtUserPrompts::frontParent() const {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return m_parent;
}

} // namespace powerball::ui
