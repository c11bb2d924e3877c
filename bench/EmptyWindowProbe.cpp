// An empty Qt Widgets window, timed by the start-up script as the yardstick for the
// program's own start: what any Qt window costs on this machine.
#include "FirstPaintReport.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Empty window"));
    window.resize(531, 480);
    powerball::ui::FirstPaintReport::watchIfAsked(&window);
    window.show();
    return QApplication::exec();
}
