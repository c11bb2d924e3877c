#include "ColourScheme.h"
#include "Conversions.h"
#include "FirstPaintReport.h"
#include "MainWindow.h"
#include "app/ProgramFolder.h"
#include "base/DrawCalendar.h"
#include "platform/registry/RegistryFileStore.h"
#include "platform/registry/SettingsStoreOpening.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QLocale>

#include <array>
#include <cstdio>
#include <optional>
#include <string>

using namespace Qt::Literals::StringLiterals;

namespace {

// Until a language is chosen the window writes German with the fixed formats (dates
// "dd.mm.yyyy", decimal comma, thousands point), whatever the system's locale.
void fixFormats() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

// The desktop entry's icon, else the rendered icon beside bin/ of a build tree. Its look-up
// in the desktop's icon theme searches the icon folders, so it waits for the first paint.
void takeProgramIcon() {
    QApplication::setWindowIcon(
        QIcon::fromTheme(u"de.velmar.powerball"_s,
                         QIcon(QCoreApplication::applicationDirPath() +
                               u"/../share/icons/hicolor/256x256/apps/de.velmar.powerball.png"_s)));
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"Velmars Ziredidir"_s);
    QApplication::setApplicationVersion(QStringLiteral(POWERBALL_VERSION));
    // The desktop entry the desktop matches the window with.
    QGuiApplication::setDesktopFileName(u"de.velmar.powerball"_s);

    QCommandLineParser options;
    options.setApplicationDescription(u"Velmars Lumero for PowerBall®"_s);
    options.addHelpOption();
    options.addVersionOption();
    const QCommandLineOption folder(
        u"folder"_s,
        u"Program folder with the draw file (default: the program's folder when it holds "
        u"Powerball.dat, else $XDG_DATA_HOME/Velmar/PowerBall)."_s,
        u"DIR"_s);
    options.addOption(folder);
    const QCommandLineOption settings(
        u"settings"_s, u"Settings file to use instead of the user's registry file."_s, u"FILE"_s);
    options.addOption(settings);
    const QCommandLineOption palette(
        u"palette"_s,
        u"Colours of the window: system (the desktop's theme, the default), light or dark."_s,
        u"SCHEME"_s, u"system"_s);
    options.addOption(palette);
    options.process(app);
    const auto scheme = powerball::ui::ColourScheme::parse(options.value(palette));
    if (!scheme) {
        std::fprintf(stderr, "powerball: unknown palette \"%s\": use system, light or dark\n",
                     qPrintable(options.value(palette)));
        return 1;
    }
    powerball::ui::ColourScheme::apply(*scheme);

    fixFormats();
    // The same folder the command line would use: --folder, a draw file beside the program,
    // else the user's own data folder, seeded from the installed data on its first start.
    std::optional<std::string> folderNotice;
    powerball::ProgramFolder programFolder;
    try {
        programFolder = powerball::ProgramFolder::choose(
            options.isSet(folder) ? std::optional(powerball::ui::toPath(options.value(folder)))
                                  : std::nullopt,
            powerball::ui::toPath(QCoreApplication::applicationDirPath()),
            powerball::ProgramFolder::Environment::ofProcess());
        folderNotice = programFolder.prepare();
    } catch (const std::exception& failure) {
        // Without a home folder the window still opens beside the program and says why.
        programFolder.folder = powerball::ui::toPath(QCoreApplication::applicationDirPath());
        folderNotice = failure.what();
    }

    // Without a place for the settings the window still opens; the store's notice says why.
    const auto store = powerball::openSettingsStore(
        options.isSet(settings) ? std::optional(powerball::ui::toPath(options.value(settings)))
                                : std::nullopt,
        powerball::RegistryFileStore::defaultPath);
    powerball::ui::MainWindow window(programFolder.folder, store.get());
    if (const auto* file = dynamic_cast<const powerball::RegistryFileStore*>(store.get()))
        window.setSettingsFile(file->path());
    if (folderNotice)
        window.addStartupNotice(*folderNotice);
    QObject::connect(&window, &powerball::ui::MainWindow::firstPainted, &takeProgramIcon);
    powerball::ui::FirstPaintReport::watchIfAsked(&window);
    window.show();
    return QApplication::exec();
}
