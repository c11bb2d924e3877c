#include "CommandGuard.h"

#include <QApplication>

#include <exception>

namespace powerball::ui {

using namespace Qt::Literals::StringLiterals;

namespace {

void showFailure(UserPrompts& prompts, const std::string& text) {
    // A command that failed under the wait cursor: the box gets the normal one.
    int waiting = 0;
    for (; QApplication::overrideCursor(); ++waiting)
        QApplication::restoreOverrideCursor();
    prompts.showFailure(text);
    for (; waiting > 0; --waiting)
        QApplication::setOverrideCursor(Qt::WaitCursor);
}

} // namespace

bool runGuarded(UserPrompts& prompts, const std::function<void()>& command) {
    try {
        command();
        return true;
    } catch (const std::exception& error) {
        showFailure(prompts, error.what());
    } catch (...) {
        showFailure(prompts, "Unbekannter Fehler");
    }
    return false;
}

} // namespace powerball::ui
