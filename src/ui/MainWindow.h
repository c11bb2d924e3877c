#pragma once

#include "LazyPage.h"
#include "PageScaler.h"
#include "QtEventPump.h"
#include "QtHttpClient.h"
#include "QtShell.h"
#include "QtSoundPlayer.h"
#include "QtUserPrompts.h"
#include "StatusPanels.h"
#include "app/AppState.h"
#include "app/CommandGate.h"
#include "app/language/LanguageChoice.h"
#include "app/stats/StatisticCommands.h"
#include "ports/Clock.h"
#include "ports/Ports.h"

#include <QMainWindow>
#include <QTranslator>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QTabWidget;

namespace powerball::ui {

class ActivationWatch;
class DataAgeBar;
class ReportWindow;
class CalculationPage;
class ChartPage;
class DatabasePage;
class DrawTableDialog;
class HintRelay;
class InternetOptionsPage;
class MainMenu;
class MessagePage;
class TipOverviewPage;
class WheelDialog;

// The main window: holds the program's state and its ports, turns the user's actions into
// core commands and shows the state after each of them.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    // Designed client area: the pages and the status bar below the menu.
    static constexpr int kDesignedClientWidth = 528;
    static constexpr int kDesignedClientHeight = 451;

    // The settings come from `registry` and go back to it on close; without one they start
    // with their defaults and are not kept.
    explicit MainWindow(const std::filesystem::path& programFolder,
                        RegistryStore* registry = nullptr, QWidget* parent = nullptr);
    ~MainWindow() override;

    // What the window shows, for a look from outside (the tests).
    const AppState& state() const { return m_state; }
    // The window's message boxes and dialogs, for tests to answer in advance.
    QtUserPrompts& prompts() { return m_prompts; }
    // The desktop's hands, for tests to watch what is shown and started.
    void setShell(Shell& shell) { m_ports.shell = &shell; }
    // The day the commands from now on take as today, for tests that must not depend on the
    // machine's date.
    void setClock(const Clock& clock) { m_ports.clock = &clock; }
    // A note from before the window existed (the data folder could not be set up); it is
    // shown on the first activation, with the settings file's own note.
    void addStartupNotice(const std::string& notice);
    // Makes every page not made yet, as the caption index needs them all.
    void buildAllPages();
    // Whether every page is made: after the first paint they follow one per turn of the
    // event loop, for tests to wait on.
    bool allPagesBuilt() const;
    // The settings file the about box names; empty when the settings are not kept.
    void setSettingsFile(const std::filesystem::path& file) { m_settingsFile = file; }

Q_SIGNALS:
    // The window has painted for the first time: work the first sight need not wait for
    // may start.
    void firstPainted();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildPages();
    void addLazyPage(const QString& name, const QString& caption, LazyPage::Builder builder);
    void pageBuilt(QWidget* page);
    void afterFirstPaint();
    void buildNextHiddenPage();
    void connectCommands();
    void connectCalculation();
    void connectChart();
    void connectDatabase();
    void connectInternet();
    void fitDesignedSize();
    void restoreSize();

    // Runs a command under the general error handler and shows the state afterwards.
    void runCommand(const std::function<void()>& command);
    // The same under the hourglass, for the commands that read the whole history.
    void runUnderWaitCursor(const std::function<void()>& command);
    void showState();
    void activate();

    void fieldEdited(int row, int field, const QString& text);
    void fieldLeft();
    void captionClicked(int row);
    void clearAllTips();
    void previousDraw();
    void nextDraw();
    void selectedDatePicked(double day);
    void checkSelectedDate(double day);
    void showHint(const QString& hint);
    void pageChanged(int index);
    void proxyHostEdited(const QString& host);
    void proxyPortEdited(const QString& port);
    void urlEdited(const QString& url);
    void drawSourceChosen(powerball::DrawSource source);
    void feedUrlEdited(const QString& url);
    void runStatisticCommand(StatisticKind kind);
    void startDatePicked(double day);
    void updateDraws();
    void stopUpdate();
    void calculateTips();
    void editRow(int row);
    void luckyNumber();
    void showBusy(bool busy);
    void enterDraw();
    void importDraws();
    void deleteShownDraw();
    void undoDrawChange();
    void showDrawTable();
    void showPickedDraw(double date);
    void deletePickedDraw(double date);
    void optionSet(const QString& control, int value);
    void spinTouched(const QString& control, bool pressed);
    void statisticRequested(StatisticKind kind, bool onChartPage);
    void saveTips();
    void loadTips();
    void printTips();
    void previewPrint();
    void handOverTips();
    void searchTips();
    void analyseSettings();
    void analyseDraws();
    void stopRun();
    void openWheel();
    void placeWheelRows(qulonglong first);
    void saveWheel();
    void printWheel();
    void chooseLanguage(int code);
    void showAbout();
    void showShortcutList();
    void showManual();
    // The note above the pages: shown only when `mayAppear` (once after start-up), renewed or
    // taken away after every change of the draws.
    void showDataAge(bool mayAppear);
    void fitMenuBar();
    // A written report in a window of the program, beside the desktop's viewer.
    void showReport(const std::filesystem::path& file);
    void prepareDialog(QWidget* dialog);
    void useQtTexts(int code);
    void useTextFormat();

    AppState m_state;
    QtSoundPlayer m_sound;
    QtUserPrompts m_prompts;
    SystemClock m_clock;
    QtHttpClient m_http;
    QtEventPump m_events;
    QtShell m_shell;
    Ports m_ports;

    QTabWidget* m_pages = nullptr;
    DataAgeBar* m_dataAge = nullptr;
    std::filesystem::path m_settingsFile;
    bool m_dataAgeChecked = false;
    bool m_dataAgeDue = false; // checked before the first paint, shown after it
    TipOverviewPage* m_overview = nullptr;
    CalculationPage* m_calculation = nullptr;
    ChartPage* m_chart = nullptr;
    DatabasePage* m_database = nullptr;
    InternetOptionsPage* m_internet = nullptr;
    MessagePage* m_messages = nullptr;
    std::vector<LazyPage*> m_lazyPages;
    MainMenu* m_menu = nullptr;
    WheelDialog* m_wheel = nullptr;         // made when first opened, kept for the program run
    DrawTableDialog* m_drawTable = nullptr; // made when first opened
    // The width before the window grew to fit a language's menu bar, and the width it grew to.
    int m_widthBeforeFit = 0;
    int m_fittedWidth = 0;
    QAction* m_undo = nullptr;
    HintRelay* m_hints = nullptr;
    ActivationWatch* m_activation = nullptr;
    std::unique_ptr<StatusPanels> m_status;
    std::unique_ptr<PageScaler> m_scaler;

    // The texts of the language applied last, for the dialogs made after the pass.
    std::optional<CaptionTexts> m_captionTexts;
    // Qt's own texts (Yes, No, Cancel, the file dialog) in the language in use.
    QTranslator m_qtTexts;
    int m_qtTextsLanguage = 0;
    // The language and formats the window shows dates and numbers in; none before the first.
    std::optional<TextFormat> m_shownFormat;
    Page m_pageShown = Page::TipOverview;
    // Nested commands, an activation and a close that wait for them.
    CommandGate m_commands;
    bool m_shownOnce = false;
    bool m_paintedOnce = false;
    bool m_busyShown = false;
    bool m_saved = false;
};

} // namespace powerball::ui
