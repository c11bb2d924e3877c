#include "QtUserPrompts.h"

#include "Conversions.h"
#include "DrawEntryDialog.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace powerball::ui {

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

} // namespace powerball::ui
