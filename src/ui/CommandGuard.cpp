#include "CommandGuard.h"

#include <QCoreApplication>
#include <QMessageBox>

#include <exception>

namespace powerball::ui {

using namespace Qt::Literals::StringLiterals;

namespace {

void showFailure(QWidget* parent, const QString& text) {
    QMessageBox::critical(parent, QCoreApplication::applicationName(), text);
}

} // namespace

bool runGuarded(QWidget* parent, const std::function<void()>& command) {
    try {
        command();
        return true;
    } catch (const std::exception& error) {
        showFailure(parent, QString::fromLocal8Bit(error.what()));
    } catch (...) {
        showFailure(parent, u"Unbekannter Fehler"_s);
    }
    return false;
}

} // namespace powerball::ui
