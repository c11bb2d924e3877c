#include "MainWindow.h"

#include "AboutDialog.h"
#include "ActivationWatch.h"
#include "CalculationPage.h"
#include "ChartPage.h"
#include "CommandGuard.h"
#include "Conversions.h"
#include "DataAgeBar.h"
#include "DatabasePage.h"
#include "DrawPanel.h"
#include "DrawTableDialog.h"
#include "HintRelay.h"
#include "InternetOptionsPage.h"
#include "LanguageLocale.h"
#include "LanguagePass.h"
#include "LazyPage.h"
#include "MainMenu.h"
#include "ManualDialog.h"
#include "MenuShortcutPriority.h"
#include "MessagePage.h"
#include "OptionControls.h"
#include "ReportWindow.h"
#include "ShortcutListDialog.h"
#include "TipOverviewPage.h"
#include "TipPrintPreview.h"
#include "TipSheetView.h"
#include "WheelDialog.h"
#include "app/AppShell.h"
#include "app/CommandGate.h"
#include "app/Settings.h"
#include "app/draws/DataAgeNote.h"
#include "app/draws/DrawBrowser.h"
#include "app/draws/DrawMaintenance.h"
#include "app/draws/DrawUpdate.h"
#include "app/evaluation/DrawAnalysis.h"
#include "app/evaluation/HistorySearch.h"
#include "app/evaluation/SettingsAnalysis.h"
#include "app/evaluation/TipCheck.h"
#include "app/generator/GeneratorRun.h"
#include "app/generator/TipSheetEditing.h"
#include "app/handover/TipHandOver.h"
#include "app/output/FaultyRows.h"
#include "app/output/TipFileCommands.h"
#include "app/output/TipPrint.h"
#include "app/wheel/WheelCommands.h"
#include "base/DrawCalendar.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDateEdit>
#include <QLayout>
#include <QLibraryInfo>
#include <QMenuBar>
#include <QShortcut>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace powerball::ui {

using namespace Qt::Literals::StringLiterals;

MainWindow::MainWindow(const std::filesystem::path& programFolder, RegistryStore* registry,
                       QWidget* parent)
    : QMainWindow(parent),
      m_prompts(this, m_state.random, m_state.messages), m_ports{&m_sound, &m_prompts, &m_clock,
                                                                 registry, &m_http,    &m_events} {
    setObjectName(u"mainWindow"_s);
    setWindowTitle(u"Velmars Lumero for PowerBall®"_s);

    buildPages();
    m_menu = new MainMenu(menuBar());
    new MenuShortcutPriority(this, m_menu->shortcutActions());
    m_status = std::make_unique<StatusPanels>(statusBar());
    m_ports.shell = &m_shell;
    m_prompts.setDialogPreparation([this](QWidget* dialog) { prepareDialog(dialog); });
    connectCommands();
    m_state.documentsFolder =
        toPath(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));

    m_state.onChanged = [this] { showState(); };
    // A long command's progress lines reach the status bar whenever the window gets to run.
    m_events.setBeforeEvents([this] { m_status->show(m_state.status); });
    m_sound.setProgramFolder(programFolder);
    runCommand([this, &programFolder] { AppShell::startUp(m_state, m_ports, programFolder); });

    fitDesignedSize();
    restoreSize();
    m_widthBeforeFit = width();
}

void MainWindow::addStartupNotice(const std::string& notice) {
    std::string& notices = m_state.startupNotice;
    notices += (notices.empty() ? "" : "\n\n") + notice;
}

MainWindow::~MainWindow() {
    m_events.setBeforeEvents(nullptr);
    showBusy(false);
    // The controls go after the state; what they report on their way out is no command.
    m_state.onChanged = nullptr;
    const QObject* sources[] = {m_pages,
                                m_overview,
                                m_overview->sheet(),
                                m_overview->drawPanel(),
                                m_chart,
                                m_database,
                                m_internet,
                                m_hints,
                                m_activation,
                                m_calculation ? m_calculation->controls() : nullptr,
                                m_calculation,
                                m_drawTable};
    for (const QObject* source : sources)
        if (source) // pages and dialogs not made yet have nothing to report
            source->disconnect(this);
    for (const LazyPage* page : m_lazyPages)
        page->disconnect(this);
}

void MainWindow::buildPages() {
    // The note about old draws sits above the pages and takes room only while it shows.
    auto* central = new QWidget(this);
    central->setObjectName(u"centralArea"_s);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_pages = new QTabWidget(central);
    m_pages->setObjectName(u"pages"_s);
    // All page tabs stay in view: the window is at least as wide as the tab bar.
    m_pages->tabBar()->setUsesScrollButtons(false);
    m_overview = new TipOverviewPage(m_pages);
    m_overview->setObjectName(u"TabSheet1"_s);
    m_pages->addTab(m_overview, u"Tipp-Übersicht"_s);
    // The pages behind the first are made when they are first shown, or right after the
    // window's first paint: the window comes up without waiting for them.
    addLazyPage(u"TabSheet2"_s, u"Berechnung"_s, [this](QWidget* holder) {
        m_calculation = new CalculationPage(holder);
        connectCalculation();
        return m_calculation;
    });
    addLazyPage(u"TabSheet3"_s, u"Diagramm"_s, [this](QWidget* holder) {
        m_chart = new ChartPage(holder);
        connectChart();
        return m_chart;
    });
    addLazyPage(u"TabSheet4"_s, u"Datenbank"_s, [this](QWidget* holder) {
        m_database = new DatabasePage(holder);
        connectDatabase();
        return m_database;
    });
    addLazyPage(u"TabSheet5"_s, u"Internet-Optionen"_s, [this](QWidget* holder) {
        m_internet = new InternetOptionsPage(holder);
        connectInternet();
        return m_internet;
    });
    addLazyPage(u"TabSheet6"_s, u"Meldungen"_s, [this](QWidget* holder) {
        m_messages = new MessagePage(holder);
        return m_messages;
    });
    m_pages->setTabVisible(5, false);
    m_dataAge = new DataAgeBar(central);
    layout->addWidget(m_dataAge);
    layout->addWidget(m_pages, 1);
    setCentralWidget(central);
}

void MainWindow::addLazyPage(const QString& name, const QString& caption,
                             LazyPage::Builder builder) {
    auto* page = new LazyPage(std::move(builder), m_pages);
    page->setObjectName(name);
    m_pages->addTab(page, caption);
    m_lazyPages.push_back(page);
    connect(page, &LazyPage::built, this, &MainWindow::pageBuilt);
}

// A page made late gets what the others got at start-up: the hints for the status bar, the
// language in use and the state (the stored option values among it).
void MainWindow::pageBuilt(QWidget* page) {
    if (m_hints)
        m_hints->watch(page);
    // The date fields of a page made late take the language's calendar and formats too.
    if (m_shownFormat)
        for (QDateEdit* edit : page->findChildren<QDateEdit*>())
            LanguageLocale::showDates(*edit);
    if (m_captionTexts) {
        if (const auto caption = LanguagePass::apply(*m_captionTexts, {this}))
            m_state.generator.idleCaption = toStd(*caption);
        // A page made late may need more width in the language than the window had.
        fitMenuBar();
    }
    if (m_status)
        showState();
}

void MainWindow::buildAllPages() {
    for (LazyPage* page : m_lazyPages)
        page->build();
}

bool MainWindow::allPagesBuilt() const {
    return std::all_of(m_lazyPages.begin(), m_lazyPages.end(),
                       [](const LazyPage* page) { return page->isBuilt(); });
}

// What the first sight of the window need not wait for: the note about old draws (its icons
// come from the desktop's icon theme, whose first look-up searches the icon folders), what
// the program's own start adds (its icon), and the pages not in view.
void MainWindow::afterFirstPaint() {
    if (m_dataAgeDue) {
        m_dataAgeDue = false;
        showDataAge(true);
    }
    Q_EMIT firstPainted();
    buildNextHiddenPage();
}

// After the first paint, the pages not yet made are made one per turn of the event loop, so
// the window answers in between.
void MainWindow::buildNextHiddenPage() {
    const auto next = std::find_if(m_lazyPages.begin(), m_lazyPages.end(),
                                   [](const LazyPage* page) { return !page->isBuilt(); });
    if (next == m_lazyPages.end())
        return;
    (*next)->build();
    QTimer::singleShot(0, this, &MainWindow::buildNextHiddenPage);
}

bool MainWindow::event(QEvent* event) {
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::Paint && !m_paintedOnce) {
        m_paintedOnce = true;
        QTimer::singleShot(0, this, &MainWindow::afterFirstPaint);
    }
    return handled;
}

void MainWindow::connectCommands() {
    connect(m_menu, &MainMenu::languageChosen, this, &MainWindow::chooseLanguage);
    TipSheetView* sheet = m_overview->sheet();
    connect(sheet, &TipSheetView::fieldEdited, this, &MainWindow::fieldEdited);
    connect(sheet, &TipSheetView::fieldLeft, this, &MainWindow::fieldLeft);
    connect(sheet, &TipSheetView::captionClicked, this, &MainWindow::captionClicked);
    connect(m_overview, &TipOverviewPage::clearAllRequested, this, &MainWindow::clearAllTips);
    connect(m_overview, &TipOverviewPage::rowCountChanged, this,
            [this](int rows) { optionSet(u"UpDown8"_s, rows); });

    DrawPanel* panel = m_overview->drawPanel();
    connect(panel, &DrawPanel::previousRequested, this, &MainWindow::previousDraw);
    connect(panel, &DrawPanel::nextRequested, this, &MainWindow::nextDraw);
    connect(panel, &DrawPanel::updateRequested, this, &MainWindow::updateDraws);
    connect(m_overview, &TipOverviewPage::calculateRequested, this, &MainWindow::calculateTips);
    connect(sheet, &TipSheetView::editRequested, this, &MainWindow::editRow);
    connect(m_overview, &TipOverviewPage::luckyNumberRequested, this, &MainWindow::luckyNumber);
    connect(m_menu->calculateAction(), &QAction::triggered, this, &MainWindow::calculateTips);
    connect(m_overview, &TipOverviewPage::saveRequested, this, &MainWindow::saveTips);
    connect(m_overview, &TipOverviewPage::loadRequested, this, &MainWindow::loadTips);
    connect(m_overview, &TipOverviewPage::printRequested, this, &MainWindow::printTips);
    connect(m_menu->printAction(), &QAction::triggered, this, &MainWindow::previewPrint);
    connect(m_overview, &TipOverviewPage::handOverRequested, this, &MainWindow::handOverTips);
    connect(m_menu->handOverAction(), &QAction::triggered, this, &MainWindow::handOverTips);
    connect(m_overview, &TipOverviewPage::searchRequested, this, &MainWindow::searchTips);
    // Esc stops a run of the generator or an analysis, as the calculate button does, and
    // the update, as its stop button does.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setObjectName(u"stopShortcut"_s);
    connect(escape, &QShortcut::activated, this, &MainWindow::stopRun);
    connect(m_overview, &TipOverviewPage::tipDistributionRequested, this,
            [this] { runStatisticCommand(StatisticKind::TipDistribution); });

    connect(m_pages, &QTabWidget::currentChanged, this, &MainWindow::pageChanged);

    connect(m_menu->loadDrawsAction(), &QAction::triggered, this, &MainWindow::updateDraws);
    connect(m_menu->wheelAction(), &QAction::triggered, this, &MainWindow::openWheel);

    connect(m_menu->closeAction(), &QAction::triggered, this, &QWidget::close);
    connect(m_menu->saveTipsAction(), &QAction::triggered, this, &MainWindow::saveTips);
    connect(m_menu->loadTipsAction(), &QAction::triggered, this, &MainWindow::loadTips);
    connect(m_menu->aboutAction(), &QAction::triggered, this, &MainWindow::showAbout);
    connect(m_menu->shortcutListAction(), &QAction::triggered, this, &MainWindow::showShortcutList);
    connect(m_menu->manualAction(), &QAction::triggered, this, &MainWindow::showManual);
    connect(m_dataAge, &DataAgeBar::loadRequested, this, &MainWindow::updateDraws);

    // Ctrl+Z takes back "Löschen" and "Eingeben"; the database page shows it as a button. A
    // text field keeps Ctrl+Z for its own typing.
    m_undo = new QAction(this);
    m_undo->setObjectName(u"undoDrawAction"_s);
    LanguagePass::keepText(m_undo); // says what it takes back, from the message table
    m_undo->setShortcut(QKeySequence::Undo);
    m_undo->setEnabled(false);
    addAction(m_undo);
    connect(m_undo, &QAction::triggered, this, &MainWindow::undoDrawChange);

    m_hints = new HintRelay(this);
    m_hints->watch(this);
    connect(m_hints, &HintRelay::hint, this, &MainWindow::showHint);
    // A hint goes with the pointer; a command's note in its place stays.
    connect(m_hints, &HintRelay::left, this, [this](const QString& hint) {
        if (qs(m_state.status[1]) == hint)
            showHint({});
    });

    m_activation = new ActivationWatch(this);
    connect(m_activation, &ActivationWatch::returnedFromDialog, this, &MainWindow::activate);
}

void MainWindow::connectCalculation() {
    const OptionControls* options = m_calculation->controls();
    connect(m_calculation, &CalculationPage::wheelRequested, this, &MainWindow::openWheel);
    connect(options, &OptionControls::optionSet, this, &MainWindow::optionSet);
    connect(options, &OptionControls::spinPressed, this,
            [this](const QString& control) { spinTouched(control, true); });
    connect(options, &OptionControls::spinReleased, this,
            [this](const QString& control) { spinTouched(control, false); });
    connect(options, &OptionControls::statisticRequested, this, &MainWindow::statisticRequested);
    connect(options, &OptionControls::hint, this, &MainWindow::showHint);
}

void MainWindow::connectChart() {
    connect(m_chart, &ChartPage::statisticRequested, this, &MainWindow::runStatisticCommand);
    connect(m_chart, &ChartPage::startDatePicked, this, &MainWindow::startDatePicked);
}

void MainWindow::connectDatabase() {
    connect(m_database, &DatabasePage::settingsAnalysisRequested, this,
            &MainWindow::analyseSettings);
    connect(m_database, &DatabasePage::drawAnalysisRequested, this, &MainWindow::analyseDraws);
    connect(m_database, &DatabasePage::selectedDatePicked, this, &MainWindow::selectedDatePicked);
    connect(m_database, &DatabasePage::checkRequested, this, &MainWindow::checkSelectedDate);
    connect(m_database, &DatabasePage::statisticRequested, this, &MainWindow::runStatisticCommand);
    connect(m_database, &DatabasePage::updateRequested, this, &MainWindow::updateDraws);
    connect(m_database, &DatabasePage::stopRequested, this, &MainWindow::stopUpdate);
    connect(m_database, &DatabasePage::enterRequested, this, &MainWindow::enterDraw);
    connect(m_database, &DatabasePage::importRequested, this, &MainWindow::importDraws);
    connect(m_database, &DatabasePage::deleteRequested, this, &MainWindow::deleteShownDraw);
    connect(m_database, &DatabasePage::drawTableRequested, this, &MainWindow::showDrawTable);
    connect(m_database, &DatabasePage::undoRequested, this, &MainWindow::undoDrawChange);
}

void MainWindow::connectInternet() {
    connect(m_internet, &InternetOptionsPage::proxyHostEdited, this, &MainWindow::proxyHostEdited);
    connect(m_internet, &InternetOptionsPage::proxyPortEdited, this, &MainWindow::proxyPortEdited);
    connect(m_internet, &InternetOptionsPage::urlEdited, this, &MainWindow::urlEdited);
    connect(m_internet, &InternetOptionsPage::sourceChosen, this, &MainWindow::drawSourceChosen);
    connect(m_internet, &InternetOptionsPage::feedUrlEdited, this, &MainWindow::feedUrlEdited);
}

// The designed client area when every page fits into it, else the smallest size in which
// they all fit. The scaler measures later heights against this one.
void MainWindow::fitDesignedSize() {
    const QSize minimum = minimumSizeHint();
    const int menuHeight = menuBar()->sizeHint().height();
    const QSize designed(std::max(kDesignedClientWidth, minimum.width()),
                         std::max(kDesignedClientHeight + menuHeight, minimum.height()));
    resize(designed);
    m_scaler = std::make_unique<PageScaler>(m_pages, designed.height());
}

// The size the settings kept, when it is another than the designed one; a height of its own
// rescales the pages.
void MainWindow::restoreSize() {
    const WindowGeometry& stored = m_state.window;
    if (stored.width == WindowGeometry::kDesignedWidth &&
        stored.height == WindowGeometry::kDesignedHeight)
        return;
    resize(stored.width, stored.height + menuBar()->sizeHint().height());
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (m_shownOnce)
        return;
    m_shownOnce = true;
    // The first activation, once the event loop runs and the window is up.
    QTimer::singleShot(0, this, &MainWindow::activate);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (m_scaler)
        m_scaler->heightChanged(height());
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The update is inside its walk further down the stack: it must stop and return before
    // the window and its state go.
    if (m_state.updateRunning()) {
        m_commands.closeWaitsFor(CommandGate::CloseWait::Update);
        DrawUpdate::stop(m_state);
        event->ignore();
        return;
    }
    if (m_state.generatorRunning || m_state.generator.busy || m_state.analysis != RunPhase::Idle) {
        m_commands.closeWaitsFor(CommandGate::CloseWait::Run);
        if (m_state.generator.phase == RunPhase::Running || m_state.analysis == RunPhase::Running)
            runCommand([this] { pressCalculate(m_state, m_ports); });
        event->ignore();
        return;
    }
    if (!m_saved) {
        m_saved = true;
        const bool normal =
            (windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen)) ==
            0;
        m_state.window = {width(), height() - menuBar()->sizeHint().height(), normal};
        runCommand([this] { AppShell::shutDown(m_state, m_ports); });
    }
    QMainWindow::closeEvent(event);
}

void MainWindow::runCommand(const std::function<void()>& command) {
    m_commands.commandStarted();
    runGuarded(m_prompts, command);
    const bool activationDue = m_commands.commandEnded();
    showState();
    // An activation that came while a dialog of the command was open runs next.
    if (activationDue)
        QTimer::singleShot(0, this, &MainWindow::activate);
}

void MainWindow::activate() {
    if (m_commands.activationMustWait())
        return;
    // The language first, so that everything the activation shows speaks it.
    chooseLanguage(m_state.languageIndex);
    runCommand([this] { AppShell::activate(m_state, m_ports); });
    // The note about old draws may appear after the first activation only.
    const bool firstCheck = !m_dataAgeChecked;
    m_dataAgeChecked = true;
    if (m_paintedOnce)
        showDataAge(firstCheck);
    else
        m_dataAgeDue = firstCheck;
}

void MainWindow::showState() {
    useTextFormat();
    // Only a command that picked another page turns the pages; a repaint while the user
    // switches pages (a field losing the focus) must not turn them back.
    if (m_state.pageInFront != m_pageShown) {
        m_pageShown = m_state.pageInFront;
        m_pages->setCurrentIndex(static_cast<int>(m_pageShown));
    }
    m_overview->showState(m_state);
    // The pages not made yet show the state when they are.
    if (m_chart)
        m_chart->showState(m_state);
    if (m_calculation)
        m_calculation->showState(m_state);
    if (m_database)
        m_database->showState(m_state);
    if (m_internet)
        m_internet->showState(m_state);
    if (m_messages)
        m_messages->showState(m_state);
    if (m_drawTable)
        m_drawTable->showState(m_state);
    if (m_wheel)
        m_wheel->showState(m_state);
    m_status->show(m_state.status);
    showBusy(m_state.generator.busy || m_state.analysisBusy);
    m_menu->showLanguage(m_state.languageIndex);
    if (m_undo) {
        m_undo->setText(qs(DrawMaintenance::undoText(m_state)));
        m_undo->setEnabled(!m_state.drawChanges.empty() && !m_state.updateRunning());
    }
}

void MainWindow::fieldEdited(int row, int field, const QString& text) {
    runCommand([this, row, field, &text] { m_state.tips.setField(row, field, toStd(text)); });
}

void MainWindow::fieldLeft() {
    if (m_state.checkEnabled)
        runCommand([this] { checkSheet(m_state, m_ports.soundPlayer()); });
}

void MainWindow::captionClicked(int row) {
    runCommand([this, row] { m_state.tips.toggleLock(row); });
}

void MainWindow::clearAllTips() {
    runCommand([this] { m_state.tips.clearUnlocked(); });
}

void MainWindow::previousDraw() {
    runCommand([this] { DrawBrowser::previous(m_state, m_ports); });
}

void MainWindow::nextDraw() {
    runCommand([this] { DrawBrowser::next(m_state, m_ports); });
}

void MainWindow::selectedDatePicked(double day) {
    runCommand([this, day] { m_state.setSelectedDate(day); });
}

void MainWindow::checkSelectedDate(double day) {
    runCommand([this, day] {
        m_state.setSelectedDate(day);
        evaluateSelectedDate(m_state, m_ports);
    });
}

void MainWindow::showHint(const QString& hint) {
    m_state.status[1] = toStd(hint);
    m_status->show(m_state.status);
}

void MainWindow::pageChanged(int index) {
    // The hidden page never comes to the front.
    if (index >= 0 && index <= static_cast<int>(Page::InternetOptions)) {
        m_pageShown = static_cast<Page>(index);
        m_state.pageInFront = m_pageShown;
    }
}

void MainWindow::proxyHostEdited(const QString& host) {
    runCommand([this, &host] { m_state.internet.proxyHost = toStd(host); });
}

void MainWindow::proxyPortEdited(const QString& port) {
    runCommand([this, &port] { m_state.internet.proxyPort = toStd(port); });
}

void MainWindow::urlEdited(const QString& url) {
    runCommand([this, &url] { m_state.internet.url = toStd(url); });
}

void MainWindow::drawSourceChosen(DrawSource source) {
    runCommand([this, source] {
        m_state.internet.source = source;
        m_state.changed();
    });
}

void MainWindow::feedUrlEdited(const QString& url) {
    runCommand([this, &url] { m_state.internet.feedUrl = toStd(url); });
}

void MainWindow::runStatisticCommand(StatisticKind kind) {
    runUnderWaitCursor([this, kind] { runStatistic(m_state, kind); });
}

void MainWindow::runUnderWaitCursor(const std::function<void()>& command) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    runCommand(command);
    QApplication::restoreOverrideCursor();
}

void MainWindow::startDatePicked(double day) {
    m_state.startDate = day;
}

void MainWindow::updateDraws() {
    runCommand([this] { DrawUpdate::run(m_state, m_ports); });
    showDataAge(false);
    if (m_commands.closeDueAfterUpdate(m_state.updateRunning()))
        QTimer::singleShot(0, this, &QWidget::close);
}

void MainWindow::stopUpdate() {
    runCommand([this] { DrawUpdate::stop(m_state); });
}

// Starts the tip generator, or stops it when pressed again during its run: the run lets the
// window's events through, so the second press arrives here while the first is still on.
void MainWindow::calculateTips() {
    runCommand([this] { pressCalculate(m_state, m_ports); });
    if (m_commands.closeDueAfterRun(m_state.generatorRunning || m_state.generator.busy))
        QTimer::singleShot(0, this, &QWidget::close);
}

void MainWindow::editRow(int row) {
    runCommand([this, row] { editTipRow(m_state, m_ports, row); });
}

void MainWindow::luckyNumber() {
    runCommand([this] { setLuckyNumber(m_state, m_ports); });
}

// The hourglass stays while the generator works.
void MainWindow::showBusy(bool busy) {
    if (busy == m_busyShown)
        return;
    m_busyShown = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void MainWindow::enterDraw() {
    runCommand([this] { DrawMaintenance::enterDraw(m_state, m_ports); });
}

void MainWindow::importDraws() {
    runCommand([this] { DrawMaintenance::importDrawFile(m_state, m_ports); });
    showDataAge(false);
}

void MainWindow::deleteShownDraw() {
    runUnderWaitCursor([this] { DrawMaintenance::deleteShownDraw(m_state, m_ports); });
}

void MainWindow::undoDrawChange() {
    runUnderWaitCursor([this] { DrawMaintenance::undoLastChange(m_state, m_ports); });
}

// The table of all draws stays open beside the window and follows every command.
void MainWindow::showDrawTable() {
    if (!m_drawTable) {
        m_drawTable = new DrawTableDialog(this);
        // Ctrl+Z takes back a change in the table as in the window.
        m_drawTable->addAction(m_undo);
        connect(m_drawTable, &DrawTableDialog::drawPicked, this, &MainWindow::showPickedDraw);
        connect(m_drawTable, &DrawTableDialog::deleteRequested, this,
                &MainWindow::deletePickedDraw);
        connect(m_drawTable, &DrawTableDialog::undoRequested, this, &MainWindow::undoDrawChange);
        m_drawTable->showState(m_state);
    }
    m_drawTable->show();
    m_drawTable->raise();
    m_drawTable->activateWindow();
}

void MainWindow::showPickedDraw(double date) {
    runCommand([this, date] { DrawBrowser::showDrawOf(m_state, m_ports, date); });
}

// "Löschen" removes the draw the window shows: the picked draw is shown first, so the
// table deletes through the same command, with the same undo, as the page.
void MainWindow::deletePickedDraw(double date) {
    runUnderWaitCursor([this, date] {
        DrawBrowser::showDrawOf(m_state, m_ports, date);
        if (DrawCalendar::roundToDay(m_state.panelDrawDate) == DrawCalendar::roundToDay(date))
            DrawMaintenance::deleteShownDraw(m_state, m_ports);
    });
}

} // namespace powerball::ui

namespace powerball::ui {

void MainWindow::optionSet(const QString& control, int value) {
    runCommand([this, &control, value] { Settings::setOption(m_state, toStd(control), value); });
}

// The couplings of the spins that keep the overlap bounds and the even and odd counts apart.
void MainWindow::spinTouched(const QString& control, bool pressed) {
    CalculationSettings& settings = m_state.settings;
    if (control == u"UpDown3"_s && pressed)
        runCommand([&settings] { settings.onMaxOverlapPressed(); });
    else if (control == u"UpDown9"_s && !pressed)
        runCommand([&settings] { settings.onMinOverlapReleased(); });
    else if (control == u"UpDown15"_s)
        runCommand([&settings] { settings.onMinEvenTouched(); });
    else if (control == u"UpDown16"_s)
        runCommand([&settings] { settings.onMinOddTouched(); });
}

void MainWindow::statisticRequested(StatisticKind kind, bool onChartPage) {
    runUnderWaitCursor([this, kind, onChartPage] {
        if (onChartPage)
            runStatisticOnChartPage(m_state, kind);
        else
            runStatistic(m_state, kind);
    });
}

void MainWindow::saveTips() {
    runCommand([this] { powerball::saveTips(m_state, m_ports); });
}

void MainWindow::loadTips() {
    runCommand([this] { powerball::loadTips(m_state, m_ports); });
}

void MainWindow::printTips() {
    std::filesystem::path file;
    runCommand([this, &file] { file = powerball::printTips(m_state, m_ports); });
    if (!file.empty())
        showReport(file);
}

void MainWindow::previewPrint() {
    runCommand([this] {
        if (!refuseFaultyRows(m_state, m_ports))
            showTipPrintPreview(tipPage(m_state), m_state.messages, this);
    });
}

void MainWindow::handOverTips() {
    runCommand([this] { powerball::handOverTips(m_state, m_ports); });
}

void MainWindow::searchTips() {
    runCommand([this] { searchTipsInHistory(m_state, m_ports); });
}

void MainWindow::analyseSettings() {
    std::filesystem::path file;
    runCommand([this, &file] { file = powerball::analyseSettings(m_state, m_ports).reportFile; });
    if (!file.empty())
        showReport(file);
    // Closing the window during the analysis stopped it; now it can close.
    if (m_commands.closeDueAfterRun(false))
        QTimer::singleShot(0, this, &QWidget::close);
}

void MainWindow::analyseDraws() {
    std::filesystem::path file;
    runCommand([this, &file] { file = powerball::analyseDraws(m_state, m_ports).reportFile; });
    if (!file.empty())
        showReport(file);
}

void MainWindow::stopRun() {
    if (m_state.generator.phase == RunPhase::Running || m_state.analysis == RunPhase::Running)
        calculateTips();
    else if (m_state.update == RunPhase::Running)
        stopUpdate();
}

// The wheel dialog stays beside the window: what it places on the sheet, the sheet shows at
// once, and its check follows the draw the window shows.
void MainWindow::openWheel() {
    if (!m_wheel) {
        m_wheel = new WheelDialog(this);
        if (m_captionTexts)
            LanguagePass::applyToWindow(*m_captionTexts, m_wheel);
        connect(m_wheel, &WheelDialog::placeRequested, this, &MainWindow::placeWheelRows);
        connect(m_wheel, &WheelDialog::saveRequested, this, &MainWindow::saveWheel);
        connect(m_wheel, &WheelDialog::printRequested, this, &MainWindow::printWheel);
        m_wheel->takeNumbers(tickedNumbers(m_state.numberList));
    }
    m_wheel->showState(m_state);
    m_wheel->show();
    m_wheel->raise();
    m_wheel->activateWindow();
}

void MainWindow::placeWheelRows(qulonglong first) {
    if (!m_wheel->play())
        return;
    std::size_t next = first;
    runCommand([this, first, &next] {
        next = powerball::placeWheelRows(m_state, m_ports, *m_wheel->play(), first);
    });
    m_wheel->rowsPlaced(next);
}

void MainWindow::saveWheel() {
    if (m_wheel->play())
        runCommand([this] { saveWheelTipFiles(m_state, m_ports, *m_wheel->play()); });
}

void MainWindow::printWheel() {
    if (m_wheel->play())
        runCommand([this] {
            showListingPrintPreview(qs(wheelListing(m_state, *m_wheel->play())),
                                    qs(m_state.messages.text(Msg::PrintCaption)), m_wheel);
        });
}

void MainWindow::chooseLanguage(int code) {
    if (!LanguageFiles::language(code))
        return;
    const QString hintShown = qs(m_state.status[1]);
    runCommand([this, code] {
        if (std::optional<CaptionTexts> texts = loadLanguage(m_state, code)) {
            if (const auto caption = LanguagePass::apply(*texts, {this}))
                m_state.generator.idleCaption = toStd(*caption);
            // The wheel dialog lives beside the window; its records follow those of the
            // dialogs made for one use, which the pass over the window does not reach.
            if (m_wheel)
                LanguagePass::applyToWindow(*texts, m_wheel);
            m_captionTexts = std::move(texts);
        }
        // Only a language that was applied, or found missing, becomes the chosen one.
        m_state.languageIndex = code;
    });
    if (m_state.languageIndex == code)
        useQtTexts(code);
    fitMenuBar();
    // The note about old draws, when it shows, speaks the new language too.
    if (m_dataAgeChecked)
        showDataAge(false);
    // A hint in the status bar is said again in the new language; any other status stays.
    if (const auto hint = m_hints->renewedHint(hintShown);
        hint && qs(m_state.status[1]) == hintShown)
        showHint(*hint);
}

// A new language or choice of formats reaches the date fields, their calendars, Qt's
// dialogs and the draw texts already shown.
void MainWindow::useTextFormat() {
    const TextFormat format = m_state.textFormat();
    if (m_shownFormat == format)
        return;
    if (m_shownFormat)
        renewDrawTexts(m_state, *m_shownFormat);
    LanguageLocale::apply(*this, format);
    m_shownFormat = format;
}

void MainWindow::useQtTexts(int code) {
    if (code == m_qtTextsLanguage)
        return;
    // Debian ships Qt's Portuguese as Brazilian; it has no Hindi, whose dialogs keep Qt's
    // English buttons.
    static const char* const kLocales[] = {"",   "de", "en",    "fr",    "es",
                                           "it", "ru", "pt_BR", "zh_CN", "hi"};
    QCoreApplication::removeTranslator(&m_qtTexts);
    if (m_qtTexts.load(u"qtbase_"_s + QString::fromLatin1(kLocales[code]),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qtTexts);
    m_qtTextsLanguage = code;
}

} // namespace powerball::ui

namespace powerball::ui {

void MainWindow::prepareDialog(QWidget* dialog) {
    if (m_captionTexts)
        LanguagePass::applyToWindow(*m_captionTexts, dialog);
}

void MainWindow::showAbout() {
    QStringList lines;
    lines << qs(fillPlaceholders(m_state.messages.text(Msg::AboutVersion),
                                 {QCoreApplication::applicationVersion().toStdString()}));
    lines << qs(fillPlaceholders(m_state.messages.text(Msg::AboutFolder),
                                 {m_state.programFolder.string()}));
    try {
        const HistoryFacts facts = HistoryFacts::of(m_state);
        if (facts.newestDraw) {
            lines << qs(fillPlaceholders(
                m_state.messages.text(Msg::AboutDraws),
                {std::to_string(facts.drawCount), DrawCalendar::shortDate(*facts.newestDraw)}));
            lines << qs(dataAgeText(m_state.messages, facts.age(m_ports.systemClock().today())));
        } else {
            lines << qs(m_state.messages.text(Msg::AboutNoDraws));
        }
    } catch (const std::exception& failure) {
        lines << qs(failure.what());
    }
    lines << (m_settingsFile.empty()
                  ? qs(m_state.messages.text(Msg::AboutNoSettings))
                  : qs(fillPlaceholders(m_state.messages.text(Msg::AboutSettings),
                                        {m_settingsFile.string()})));
    lines << qs(m_state.messages.text(Msg::AboutLicence));
    AboutDialog dialog(this);
    prepareDialog(&dialog);
    dialog.setLines(lines);
    dialog.exec();
}

void MainWindow::showShortcutList() {
    ShortcutListDialog dialog(ShortcutListDialog::entries(this, m_state.messages), m_state.messages,
                              this);
    prepareDialog(&dialog);
    dialog.exec();
}

void MainWindow::showManual() {
    auto* manual = findChild<ManualDialog*>(QString(), Qt::FindDirectChildrenOnly);
    if (!manual) {
        manual = new ManualDialog(ManualDialog::manualFile(), m_state.messages, this);
        prepareDialog(manual);
    }
    manual->show();
    manual->raise();
    manual->activateWindow();
}

// Every entry of the menu bar stays in view: where a language's entries are longer than the
// designed width holds, the window grows to fit them rather than hide "Hilfe" behind the
// extension button. An entry the bar cannot show has no place of its own.
void MainWindow::fitMenuBar() {
    QMenuBar* bar = menuBar();
    QAction* last = nullptr;
    for (QAction* action : bar->actions())
        if (action->isVisible())
            last = action;
    if (!last || !bar->isVisible())
        return;
    const auto fits = [bar, last] {
        const QRect place = bar->actionGeometry(last);
        return place.isValid() && place.right() < bar->width();
    };
    // A width taken only for another language, to fit its menu bar or held by its pages' least
    // width, goes back to the one before.
    const bool taken =
        (m_fittedWidth != 0 && width() == m_fittedWidth) || width() == minimumWidth();
    const int base = taken && m_widthBeforeFit != 0 ? m_widthBeforeFit : width();
    // The captions have just changed. The layout of a page out of sight keeps the size its
    // former texts asked for until the page is shown, and so would hold the window at the
    // former language's least width: the layouts are settled anew, the innermost first.
    const QList<QWidget*> widgets = findChildren<QWidget*>();
    for (QWidget* widget : widgets)
        widget->updateGeometry();
    for (auto widget = widgets.rbegin(); widget != widgets.rend(); ++widget)
        if (QLayout* own = (*widget)->layout())
            own->activate();
    if (layout())
        layout()->activate();
    int needed = base;
    for (bar->resize(needed, bar->height()); !fits() && needed < 2 * WindowGeometry::kDesignedWidth;
         bar->resize(needed, bar->height()))
        needed += 8;
    bar->resize(width(), bar->height());
    if (needed != width())
        resize(needed, height());
    // What the language took, for its menu bar or its pages, goes back with the language.
    m_widthBeforeFit = base;
    m_fittedWidth = width() > base ? width() : 0;
}

void MainWindow::showDataAge(bool mayAppear) {
    if (!mayAppear && m_dataAge->isHidden())
        return;
    std::optional<DataAge> age;
    try {
        age = HistoryFacts::of(m_state).age(m_ports.systemClock().today());
    } catch (const std::exception&) {
        // A draw file that cannot be read has its own message from the command that read it.
    }
    m_dataAge->showNote(age && age->stale ? qs(dataAgeText(m_state.messages, age)) : QString());
}

void MainWindow::showReport(const std::filesystem::path& file) {
    ReportWindow* report = nullptr;
    for (ReportWindow* shown : findChildren<ReportWindow*>(QString(), Qt::FindDirectChildrenOnly))
        if (shown->file() == file)
            report = shown;
    if (!report) {
        report = new ReportWindow(m_state.messages, this);
        prepareDialog(report);
    }
    report->showFile(file);
    report->show();
    report->raise();
}

} // namespace powerball::ui
