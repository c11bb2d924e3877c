#include "CommandGuard.h"

#include <QApplication>
#include <QMessageBox>

#include <exception>

namespace powerball::ui {

using namespace Qt::Literals::StringLiterals;

namespace {

// A failure may quote a file name or an answer from outside: shown as plain text, never
// read as markup.
void showFailure(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), text, QMessageBox::Ok,
                    parent);
    box.setTextFormat(Qt::PlainText);
    // A command that failed under the wait cursor: the box gets the normal one.
    int waiting = 0;
    for (; QApplication::overrideCursor(); ++waiting)
        QApplication::restoreOverrideCursor();
    box.exec();
    for (; waiting > 0; --waiting)
        QApplication::setOverrideCursor(Qt::WaitCursor);
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
