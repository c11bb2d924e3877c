#include "QtUserPrompts.h"

#include "Conversions.h"
#include "DrawEntryDialog.h"
#include "NumberListDialog.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace powerball::ui {

using namespace Qt::Literals::StringLiterals;

void QtUserPrompts::showMessage(const std::string& text) {
    showPlainText(text);
}

void QtUserPrompts::showPlainText(const std::string& text) {
    QMessageBox box(QMessageBox::Information, QCoreApplication::applicationName(), qs(text),
                    QMessageBox::Ok, m_parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

std::optional<DrawEntry> QtUserPrompts::askDrawNumbers(const DrawEntry& prefilled) {
    DrawEntryDialog dialog(prefilled, m_parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.entry();
}

NumberListDialog& QtUserPrompts::listDialog() {
    if (!m_listDialog)
        m_listDialog = new NumberListDialog(m_random, m_parent);
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

std::string QtUserPrompts::askText(const std::string& caption, const std::string& prompt,
                                   const std::string& defaultText) {
    QInputDialog dialog(m_parent);
    dialog.setObjectName(u"textInputDialog"_s);
    dialog.setWindowTitle(qs(caption));
    dialog.setLabelText(qs(prompt));
    dialog.setTextValue(qs(defaultText));
    if (dialog.exec() != QDialog::Accepted)
        return defaultText;
    return toStd(dialog.textValue());
}

} // namespace powerball::ui
