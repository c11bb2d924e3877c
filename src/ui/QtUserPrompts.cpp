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

PoolListAnswer QtUserPrompts::askPoolNumbers(NumberListBoxes& boxes) {
    NumberListDialog dialog(NumberListDialog::Use::Pool, boxes, m_random, m_parent);
    if (!m_listCaption.isEmpty())
        dialog.setWindowTitle(m_listCaption);
    dialog.exec();
    boxes = dialog.boxes();
    return dialog.poolAnswer();
}

std::optional<NumberListBoxes> QtUserPrompts::askRowNumbers(const std::string& caption,
                                                            const NumberListBoxes& boxes) {
    NumberListDialog dialog(NumberListDialog::Use::Row, boxes, m_random, m_parent);
    dialog.setWindowTitle(qs(caption));
    dialog.setPickerCaptions(qs(m_messages.text(Msg::Random)),
                             qs(m_messages.text(Msg::StopPicker)));
    const int result = dialog.exec();
    m_listCaption = qs(m_messages.text(Msg::ListDialogCaption));
    if (result != QDialog::Accepted)
        return std::nullopt;
    return dialog.boxes();
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
