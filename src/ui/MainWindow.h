#pragma once

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

class QTabWidget;

namespace powerball::ui {

class ActivationWatch;
class CalculationPage;
class ChartPage;
class DatabasePage;
class HintRelay;
class InternetOptionsPage;
class MainMenu;
class MessagePage;
class TipOverviewPage;

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

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildPages();
    void connectCommands();
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
    void chooseLanguage(int code);
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
    TipOverviewPage* m_overview = nullptr;
    CalculationPage* m_calculation = nullptr;
    ChartPage* m_chart = nullptr;
    DatabasePage* m_database = nullptr;
    InternetOptionsPage* m_internet = nullptr;
    MessagePage* m_messages = nullptr;
    MainMenu* m_menu = nullptr;
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
    bool m_busyShown = false;
    bool m_saved = false;
};

} // namespace powerball::ui
