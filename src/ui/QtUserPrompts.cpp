#include "QtUserPrompts.h"

#include "Conversions.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace powerball::ui {

void QtUserPrompts::showMessage(const std::string& text) {
    QMessageBox::information(m_parent, QCoreApplication::applicationName(), qs(text));
}

} // namespace powerball::ui
