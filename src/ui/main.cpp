#include "Conversions.h"
#include "FirstPaintReport.h"
#include "MainWindow.h"
#include "RegistryFileStore.h"
#include "SettingsStoreOpening.h"
#include "base/DrawCalendar.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>

#include <array>
#include <optional>
#include <string>

using namespace Qt::Literals::StringLiterals;

namespace {

// The draw texts name the weekday the way the user's locale does; every other format
// (dates "dd.mm.yyyy", decimal comma, thousands point) is fixed for the whole program.
void fixFormats() {
    const QLocale user = QLocale::system();
    std::array<std::string, 7> weekdays;
    for (int day = 0; day < 7; ++day) // Sunday first; Qt counts Monday = 1 .. Sunday = 7
        weekdays[static_cast<std::size_t>(day)] =
            user.dayName(day == 0 ? 7 : day, QLocale::ShortFormat).toStdString();
    powerball::DrawCalendar::setWeekdayNames(weekdays);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Velmars Ziredidir"_s);
    QApplication::setApplicationVersion(u"2.0"_s);

    QCommandLineParser options;
    options.setApplicationDescription(u"Velmars Lumero for PowerBall®"_s);
    options.addHelpOption();
    const QCommandLineOption folder(u"folder"_s, u"Program folder with the draw file."_s, u"DIR"_s);
    options.addOption(folder);
    const QCommandLineOption settings(
        u"settings"_s, u"Settings file to use instead of the user's registry file."_s, u"FILE"_s);
    options.addOption(settings);
    options.process(app);

    const QString programFolder =
        options.isSet(folder) ? options.value(folder) : QCoreApplication::applicationDirPath();
    fixFormats();

    // Without a place for the settings the window still opens; the store's notice says why.
    const auto store = powerball::openSettingsStore(
        options.isSet(settings) ? std::optional(powerball::ui::toPath(options.value(settings)))
                                : std::nullopt,
        powerball::RegistryFileStore::defaultPath);
    powerball::ui::MainWindow window(powerball::ui::toPath(programFolder), store.get());
    powerball::ui::FirstPaintReport::watchIfAsked(&window);
    window.show();
    return QApplication::exec();
}
