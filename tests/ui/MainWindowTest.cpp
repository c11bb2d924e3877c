#include "MainWindow.h"
#include "ClosedPort.h"
#include "DialogWatch.h"
#include "DrawEntryDialog.h"
#include "EmptyUpdateServer.h"
#include "FakeHttpServer.h"
#include "NumberListDialog.h"
#include "ReadableColours.h"
#include "TempFolder.h"
#include "UpdateServerProcess.h"
#include "WindowControls.h"
#include "app/stats/StatisticCommands.h"
#include "base/DrawCalendar.h"
#include "base/MessageTable.h"
#include "draws/DrawHistory.h"
#include "rules/sheet/TipSheet.h"

#include <QAction>
#include <QApplication>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QDateEdit>
#include <QDialog>
#include <QDialogButtonBox>
#include <QEnterEvent>
#include <QLabel>
#include <QLegend>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedBarSeries>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>
#include <QValueAxis>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <thread>
#include <vector>

using namespace Qt::Literals::StringLiterals;
using powerball::DrawCalendar;
using powerball::TipSheet;
using powerball::testing::DialogWatch;
using powerball::testing::EmptyUpdateServer;
using powerball::ui::DrawEntryDialog;
using powerball::ui::MainWindow;
using powerball::ui::NumberListDialog;
using Asked = powerball::ui::QtUserPrompts::Asked;

namespace {

struct Draw {
    QDate date;
    std::array<int, 5> white;
    int powerball;
    int powerPlay;
};

// Four draws; the newest is the one shown after start-up.
const std::vector<Draw> kDraws = {
    {{2024, 1, 1}, {1, 2, 3, 4, 5}, 6, 2},
    {{2024, 1, 3}, {10, 20, 30, 40, 50}, 11, 3},
    {{2024, 1, 6}, {7, 19, 40, 55, 66}, 9, 2},
    {{2024, 1, 8}, {2, 7, 19, 60, 61}, 9, 4},
};

void writeDrawFile(const std::filesystem::path& file) {
    std::vector<powerball::DrawRecord> records;
    for (const Draw& draw : kDraws) {
        powerball::DrawRecord record;
        record.date = DrawCalendar::dayNumber(draw.date.year(), draw.date.month(), draw.date.day());
        record.setNumbers(draw.white, draw.powerball, draw.powerPlay);
        records.push_back(record);
    }
    const powerball::DrawHistory history(file);
    history.createEmpty();
    history.insertOrReplaceAll(records);
}

QString shortDate(QDate date) {
    return date.toString(u"dd.MM.yy"_s);
}

const QColor kLime(0, 255, 0);
const QColor kRed(255, 0, 0);

QColor windowColor() {
    return QApplication::palette().color(QPalette::Base);
}

// The described red of a marked text, as it reads on the label's window colour: still red,
// and never below the readable contrast.
QColor markedRed(const QWidget* label) {
    const QColor window = label->palette().color(QPalette::Window);
    const QColor shown = powerball::ui::ReadableColours::accentOn(kRed, window);
    if (shown.red() <= std::max(shown.green(), shown.blue()))
        qFatal("the marked red is no longer red");
    return shown;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void typedTextIsValidated_data();
    void typedTextIsValidated();
    void repeatedNumberIsMarkedAndRefusedForPrintAndHandOver();
    void leavingAFieldChecksTheSheet();
    void hitTextHintNamesThePrize();
    void lockedRowSurvivesClearing();
    void browsingStopsAtBothEnds();
    void checkButtonLocatesThePickedDate_data();
    void checkButtonLocatesThePickedDate();
    void hintOfControlUnderMouseGoesToStatusBar();
    void failingCommandIsReportedOnceAndWindowStaysUsable();
    void closingADialogChecksTheSelectedDateAgain();
    void switchingPagesFromATipFieldShowsTheChosenPage();
    void heightRescalesThePagesWidthDoesNot();
    void statisticControlsDrawTheChart_data();
    void statisticControlsDrawTheChart();
    void updateLocksMaintenanceUntilItEnds_data();
    void updateLocksMaintenanceUntilItEnds();
    void enteredDrawIsStoredShownDrawDeleted();
    void deletionRemovesTheShownDrawAndCtrlZBringsItBack();
    void importButtonStoresTheChosenFileOnlyWhenAgreed();
    void updateShortcutWinsInEveryField_data();
    void updateShortcutWinsInEveryField();
    void updateFromTheServerAppendsItsDraws();
    void updateThatFetchesNothingShowsWhy();
    void updateFromTheResultsFileAddsItsDraws();
    void escapeStopsTheResultsFileTransfer();
    void failingStatisticShowsItsBoxWithoutWaitCursor();
    void secondPressStopsTheRun_data();
    void secondPressStopsTheRun();
    void finishedRunFillsTheChosenRows();
    void closingDuringARunStopsItFirst();
    void poolDialogDecidesHowTheRunGoesOn_data();
    void poolDialogDecidesHowTheRunGoesOn();
    void editedRowTakesTheTickedNumbers();
    void confirmedListChangesNoRowAndKeepsItsWeights();
    void randomPickerFillsAnEmptyRow();
    void luckyNumberSeedsTheRandomSource_data();
    void luckyNumberSeedsTheRandomSource();

private:
    template <class T> T* child(const QString& name) const {
        return powerball::testing::control<T>(m_window.get(), name);
    }
    QLineEdit* field(int row, int f) const {
        return powerball::testing::tipField(m_window.get(), row, f);
    }
    QLabel* label(const std::string& name) const {
        return child<QLabel>(QString::fromStdString(name));
    }
    QString panelText() const { return child<QLabel>(u"panelDrawLabel"_s)->text(); }
    QDate pickedDate() const { return child<QDateEdit>(u"selectedDatePicker"_s)->date(); }

    void typeRow(int row, const std::array<QString, 6>& texts) {
        powerball::testing::typeTipRow(m_window.get(), row, texts);
    }

    // Answers the window's next `count` boxes and input boxes with OK (or with `answer`)
    // without showing them. A test gives one more than it expects: an extra box is then
    // recorded, not left open.
    powerball::ui::QtUserPrompts& answerNext(int count, const std::optional<QString>& answer = {}) {
        for (int k = 0; k < count; ++k)
            m_window->prompts().setNextAnswer(answer);
        return m_window->prompts();
    }

    // Options under which no candidate is ever accepted: a run goes on until stopped.
    void makeRunsEndless() {
        child<QSpinBox>(u"UpDown7"_s)->setValue(30000);
        child<QSpinBox>(u"UpDown1"_s)->setValue(279);
        child<QSpinBox>(u"UpDown2"_s)->setValue(21);
        QCOMPARE(m_window->state().settings.crossSumMin.value(), 279);
        QCOMPARE(m_window->state().settings.crossSumMax.value(), 21);
    }

    QPushButton* calculateButton() const { return child<QPushButton>(u"calculateTipsButton"_s); }

    std::vector<QString> rowTexts(int row) const {
        std::vector<QString> texts;
        for (int f = 0; f < 6; ++f)
            texts.push_back(field(row, f)->text());
        return texts;
    }

    // Today for the tests that set it on the window: a fixed day, not the machine's.
    const powerball::FixedClock m_clock{DrawCalendar::dayNumber(2024, 1, 20)};
    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<MainWindow> m_window;
};

void MainWindowTest::init() {
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    const std::filesystem::path folder = m_folder->path().toStdString();
    writeDrawFile(folder / "Powerball.dat");
    m_window = std::make_unique<MainWindow>(folder);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    // The pages behind the first follow the first paint.
    QTRY_VERIFY(m_window->allPagesBuilt());
    // The first activation shows the newest draw.
    QTRY_VERIFY(panelText().contains(shortDate(kDraws.back().date)));
}

void MainWindowTest::cleanup() {
    m_window.reset();
    m_folder.reset();
}

void MainWindowTest::typedTextIsValidated_data() {
    QTest::addColumn<int>("fieldIndex");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("hits"); // once the field is left

    // What the user typed stays where it is; a value that is no tip marks its row.
    QTest::newRow("white 69 stays") << 0 << u"69"_s << u"69"_s << u""_s;
    QTest::newRow("white 70 is marked") << 0 << u"70"_s << u"70"_s << u"ungültig"_s;
    QTest::newRow("white 0 is marked") << 3 << u"0"_s << u"0"_s << u"ungültig"_s;
    QTest::newRow("leading zeros go") << 4 << u"007"_s << u"7"_s << u""_s;
    QTest::newRow("letters are marked") << 1 << u"x"_s << u"x"_s << u"ungültig"_s;
    QTest::newRow("powerball 26 stays") << 5 << u"26"_s << u"26"_s << u""_s;
    QTest::newRow("powerball 27 is marked") << 5 << u"27"_s << u"27"_s << u"ungültig"_s;
}

void MainWindowTest::typedTextIsValidated() {
    QFETCH(int, fieldIndex);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QString, hits);

    QLineEdit* edit = field(6, fieldIndex);
    edit->setFocus();
    QTest::keyClicks(edit, typed);
    QCOMPARE(edit->text(), shown);
    field(0, 0)->setFocus();
    QTRY_COMPARE(label(TipSheet::hitsLabelName(6))->text(), hits);
    QCOMPARE(edit->styleSheet().contains(u"border"_s), !hits.isEmpty());
}

void MainWindowTest::repeatedNumberIsMarkedAndRefusedForPrintAndHandOver() {
    typeRow(2, {u"7"_s, u"7"_s, u"7"_s, u"8"_s, u"9"_s, u"9"_s});
    field(0, 0)->setFocus();
    QTRY_COMPARE(label(TipSheet::hitsLabelName(2))->text(), u"doppelt"_s);
    QCOMPARE(label(TipSheet::hitsLabelName(2))->toolTip(),
             u"Die Zahl 7 steht zweimal in der Reihe"_s);
    QVERIFY(field(2, 0)->styleSheet().contains(u"border"_s));
    QVERIFY(field(2, 1)->styleSheet().contains(u"border"_s));
    QVERIFY(field(2, 3)->styleSheet().isEmpty());
    QCOMPARE(label(TipSheet::crossSumLabelName(2))->text(), QString()); // not checked

    // Neither handed over nor printed: the box names the row.
    const std::filesystem::path folder = m_folder->path().toStdString();
    answerNext(3);
    child<QPushButton>(u"printTipsButton"_s)->click();
    m_window->findChild<QAction*>(u"actionHandOver"_s)->trigger();
    const std::vector<Asked>& asked = m_window->prompts().asked();
    QCOMPARE(asked.size(), std::size_t(2));
    for (const Asked& box : asked)
        QCOMPARE(box.text, u"Tipp 3 ist kein gültiger Tipp: Die Zahl 7 steht zweimal in der "
                           u"Reihe. Bitte korrigieren Sie ihn zuerst."_s);
    QVERIFY(!std::filesystem::exists(folder / "Tipp.txt"));
    QVERIFY(!std::filesystem::exists(folder / "Tipps"));
}

void MainWindowTest::leavingAFieldChecksTheSheet() {
    // A dark theme: the plain hit count takes its text colour, never a fixed black.
    struct PaletteBack {
        QPalette kept = QApplication::palette();
        ~PaletteBack() { QApplication::setPalette(kept); }
    } paletteBack;
    QPalette dark = paletteBack.kept;
    const QColor lightText(230, 230, 230);
    dark.setColor(QPalette::WindowText, lightText);
    QApplication::setPalette(dark);

    // Against the newest draw 2 7 19 60 61, Powerball 9.
    typeRow(0, {u"40"_s, u"7"_s, u"33"_s, u"2"_s, u"19"_s, u"9"_s});
    typeRow(1, {u"52"_s, u"7"_s, u"50"_s, u"51"_s, u"2"_s, u"1"_s});

    const std::array<QString, 5> sorted = {u"2"_s, u"7"_s, u"19"_s, u"33"_s, u"40"_s};
    for (int f = 0; f < 5; ++f) {
        QCOMPARE(field(0, f)->text(), sorted[static_cast<std::size_t>(f)]);
        QCOMPARE(field(0, f)->palette().color(QPalette::Base), f < 3 ? kLime : windowColor());
    }
    QCOMPARE(field(0, 5)->palette().color(QPalette::Base), kRed);
    QLabel* hits = label(TipSheet::hitsLabelName(0));
    QCOMPARE(hits->text(), u"3 + PB"_s);
    QCOMPARE(hits->palette().color(QPalette::WindowText), markedRed(hits));
    QCOMPARE(label(TipSheet::crossSumLabelName(0))->text(), u"101"_s);

    // Two hits and no Powerball: the text colour, and the Powerball field keeps the window
    // colour.
    QCOMPARE(field(1, 0)->text(), u"2"_s);
    QLabel* twoHits = label(TipSheet::hitsLabelName(1));
    QCOMPARE(twoHits->text(), u"2"_s);
    QCOMPARE(twoHits->palette().color(QPalette::WindowText), lightText);
    QCOMPARE(field(1, 5)->palette().color(QPalette::Base), windowColor());

    // A row that was checked and then loses a number keeps its cross sum, loses its hits.
    QLineEdit* first = field(0, 0);
    first->setFocus();
    first->selectAll();
    QTest::keyClick(first, Qt::Key_Delete);
    QTest::keyClick(first, Qt::Key_Tab);
    QCOMPARE(hits->text(), QString());
    QCOMPARE(label(TipSheet::crossSumLabelName(0))->text(), u"101"_s);
    QCOMPARE(field(0, 1)->palette().color(QPalette::Base), windowColor());
}

void MainWindowTest::hitTextHintNamesThePrize() {
    // Against the newest draw 2 7 19 60 61, Powerball 9, Power Play 4.
    typeRow(0, {u"40"_s, u"7"_s, u"33"_s, u"2"_s, u"19"_s, u"9"_s});
    QLabel* hits = label(TipSheet::hitsLabelName(0));
    QCOMPARE(hits->text(), u"3 + PB"_s);
    QCOMPARE(hits->toolTip(), u"Gewinnklasse: 3 + PB\nGewinn: 100 $\nmit Power Play: 400 $\n"
                              u"Chance: 1 zu 14.494,11"_s);
    QCOMPARE(child<QLabel>(u"statusPanel1"_s)->text(),
             u"Gewinn des Tipps: 100 $ (mit Power Play: 400 $)"_s);

    // A second winning row adds to the total; an unchecked row has no hint.
    typeRow(1, {u"2"_s, u"7"_s, u"19"_s, u"60"_s, u"1"_s, u"1"_s});
    QCOMPARE(label(TipSheet::hitsLabelName(1))->toolTip(),
             u"Gewinnklasse: 4\nGewinn: 100 $\nmit Power Play: 400 $\nChance: 1 zu 36.525,17"_s);
    QCOMPARE(child<QLabel>(u"statusPanel1"_s)->text(),
             u"Gewinn des Tipps: 200 $ (mit Power Play: 800 $)"_s);
    QCOMPARE(label(TipSheet::hitsLabelName(2))->toolTip(), QString());
}

void MainWindowTest::lockedRowSurvivesClearing() {
    typeRow(0, {u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s});
    typeRow(6, {u"2"_s, u"7"_s, u"19"_s, u"60"_s, u"61"_s, u"9"_s});
    QLabel* caption = label(TipSheet::captionName(6));
    const QColor unlocked = caption->palette().color(QPalette::WindowText);

    QTest::mouseClick(caption, Qt::LeftButton);
    QCOMPARE(caption->palette().color(QPalette::WindowText), markedRed(caption));

    QTest::mouseClick(child<QPushButton>(u"clearAllTipsButton"_s), Qt::LeftButton);
    for (int f = 0; f < 6; ++f) {
        QCOMPARE(field(0, f)->text(), QString());
        QCOMPARE(field(0, f)->palette().color(QPalette::Base), windowColor());
    }
    QCOMPARE(label(TipSheet::hitsLabelName(0))->text(), QString());
    QCOMPARE(label(TipSheet::crossSumLabelName(0))->text(), QString());
    QCOMPARE(field(6, 4)->text(), u"61"_s);
    QCOMPARE(field(6, 4)->palette().color(QPalette::Base), kLime);
    QCOMPARE(label(TipSheet::hitsLabelName(6))->text(), u"5 + PB"_s);
    QCOMPARE(label(TipSheet::crossSumLabelName(6))->text(), u"149"_s);

    QTest::mouseClick(caption, Qt::LeftButton);
    QCOMPARE(caption->palette().color(QPalette::WindowText), unlocked);
    QTest::mouseClick(child<QPushButton>(u"clearAllTipsButton"_s), Qt::LeftButton);
    QCOMPARE(field(6, 4)->text(), QString());
}

void MainWindowTest::browsingStopsAtBothEnds() {
    struct Step {
        const char* button;
        int shownDraw;
    };
    const Step steps[] = {
        {"nextDrawButton", 3}, // already the newest: stays
        {"previousDrawButton", 2}, {"previousDrawButton", 1},
        {"previousDrawButton", 0}, {"previousDrawButton", 0}, // already the oldest: stays
        {"nextDrawButton", 1},
    };
    for (const Step& step : steps) {
        QTest::mouseClick(child<QToolButton>(QString::fromLatin1(step.button)), Qt::LeftButton);
        const Draw& draw = kDraws[static_cast<std::size_t>(step.shownDraw)];
        int sum = 0;
        for (int white : draw.white)
            sum += white;
        QVERIFY2(panelText().contains(shortDate(draw.date)), qPrintable(panelText()));
        QVERIFY(panelText().contains(u"PB: %1 PP: %2"_s.arg(draw.powerball).arg(draw.powerPlay)));
        QCOMPARE(child<QLabel>(u"databaseDrawLabel"_s)->text(), panelText());
        QCOMPARE(child<QLabel>(u"panelCrossSumLabel"_s)->text(), u"Quersumme: %1"_s.arg(sum));
        QCOMPARE(pickedDate(), draw.date);
    }
}

void MainWindowTest::checkButtonLocatesThePickedDate_data() {
    QTest::addColumn<QDate>("picked");
    QTest::addColumn<int>("shownDraw");
    QTest::addColumn<QString>("hits"); // of the tip 10 20 30 40 50, Powerball 11

    QTest::newRow("a draw day") << QDate(2024, 1, 3) << 1 << u"5 + PB"_s;
    QTest::newRow("between two draws: the later") << QDate(2024, 1, 4) << 2 << u"1"_s;
    QTest::newRow("before the first") << QDate(2000, 5, 17) << 0 << u"0"_s;
    QTest::newRow("after the last") << QDate(2025, 2, 1) << 3 << u"0"_s;
}

void MainWindowTest::checkButtonLocatesThePickedDate() {
    QFETCH(QDate, picked);
    QFETCH(int, shownDraw);
    QFETCH(QString, hits);

    typeRow(0, {u"10"_s, u"20"_s, u"30"_s, u"40"_s, u"50"_s, u"11"_s});
    child<QDateEdit>(u"selectedDatePicker"_s)->setDate(picked);
    QTest::mouseClick(child<QPushButton>(u"checkSelectedDateButton"_s), Qt::LeftButton);

    const Draw& draw = kDraws[static_cast<std::size_t>(shownDraw)];
    QVERIFY2(panelText().contains(shortDate(draw.date)), qPrintable(panelText()));
    QCOMPARE(pickedDate(), draw.date);
    QCOMPARE(label(TipSheet::hitsLabelName(0))->text(), hits);
}

void MainWindowTest::hintOfControlUnderMouseGoesToStatusBar() {
    auto* previous = child<QToolButton>(u"previousDrawButton"_s);
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(previous, &enter);
    QCOMPARE(child<QLabel>(u"statusPanel1"_s)->text(), u"vorhergehende Ziehung anzeigen"_s);

    QLabel* caption = label(TipSheet::captionName(11));
    QApplication::sendEvent(caption, &enter);
    QCOMPARE(child<QLabel>(u"statusPanel1"_s)->text(),
             u"Ist \"Tipp\" rot, wird diese Reihe nicht neu berechnet!"_s);
}

void MainWindowTest::failingCommandIsReportedOnceAndWindowStaysUsable() {
    // A draw file that cannot be read: a folder in its place.
    const std::filesystem::path drawFile =
        std::filesystem::path(m_folder->path().toStdString()) / "Powerball.dat";
    std::filesystem::remove(drawFile);
    std::filesystem::create_directory(drawFile);

    // A real box: what is checked is that its focus, taken and given back, brings no second
    // one.
    QStringList reports;
    QList<Qt::TextFormat> formats;
    const DialogWatch<QMessageBox> boxes([this, &reports, &formats](QMessageBox* box) {
        formats << box->textFormat();
        reports << box->text();
        box->accept();
        // The window manager gives the focus back to the main window.
        m_window->activateWindow();
    });
    QTest::mouseClick(child<QToolButton>(u"previousDrawButton"_s), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(reports.size(), 1, 10000);
    // A second box would come with the focus coming back to the main window, or from the
    // activation that came meanwhile and runs once the command has ended: when the window
    // has the focus again and what was posted until then has run, that moment has passed.
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    bool postedBeforeRan = false;
    QMetaObject::invokeMethod(
        this, [&postedBeforeRan] { postedBeforeRan = true; }, Qt::QueuedConnection);
    QTRY_VERIFY(postedBeforeRan);

    QCOMPARE(formats, QList<Qt::TextFormat>{Qt::PlainText});

    QCOMPARE(boxes.shown(), 1);
    QCOMPARE(reports.size(), 1);
    QVERIFY2(reports.first().contains(u"Powerball.dat"_s), qPrintable(reports.first()));

    std::filesystem::remove(drawFile);
    writeDrawFile(drawFile);
    QTest::mouseClick(child<QToolButton>(u"previousDrawButton"_s), Qt::LeftButton);
    QVERIFY(panelText().contains(shortDate(kDraws[1].date)));
}

void MainWindowTest::closingADialogChecksTheSelectedDateAgain() {
    child<QDateEdit>(u"selectedDatePicker"_s)->setDate(QDate(2024, 1, 2));

    QDialog dialog(m_window.get());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    dialog.close();
    // What the window manager does when a dialog goes: the main window becomes active.
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));

    QTRY_VERIFY2(panelText().contains(shortDate(kDraws[1].date)), qPrintable(panelText()));
}

void MainWindowTest::switchingPagesFromATipFieldShowsTheChosenPage() {
    // The page switch takes the focus from the field, and the check runs meanwhile.
    QLineEdit* edit = field(0, 0);
    edit->setFocus();
    QTest::keyClicks(edit, u"5"_s);
    auto* pages = child<QTabWidget>(u"pages"_s);
    QTest::mouseClick(pages->tabBar(), Qt::LeftButton, {}, pages->tabBar()->tabRect(3).center());

    QCOMPARE(pages->currentIndex(), 3);
    QVERIFY(child<QLabel>(u"databaseDrawLabel"_s)->isVisible());
    QVERIFY(!edit->isVisible());
}

void MainWindowTest::heightRescalesThePagesWidthDoesNot() {
    auto* pages = child<QTabWidget>(u"pages"_s);
    const qreal designedPoints = pages->font().pointSizeF();
    const int designedFieldHeight = field(0, 0)->height();
    const QSize designed = m_window->size();

    m_window->resize(designed.width(), 2 * designed.height());
    QTRY_COMPARE(m_window->height(), 2 * designed.height());
    QCOMPARE(pages->font().pointSizeF(), 2 * designedPoints);
    QTRY_VERIFY(field(0, 0)->height() > designedFieldHeight * 3 / 2);

    // The larger font may widen what the pages need; wider than that still keeps the font.
    const int wider = std::max(m_window->width(), m_window->minimumSizeHint().width()) + 100;
    m_window->resize(wider, m_window->height());
    QTRY_COMPARE(m_window->width(), wider);
    QCOMPARE(pages->font().pointSizeF(), 2 * designedPoints);
}

void MainWindowTest::statisticControlsDrawTheChart_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("kind");
    using powerball::StatisticKind;
    const std::pair<const char*, StatisticKind> controls[] = {
        {"actionNumberFrequency", StatisticKind::NumberFrequency},
        {"actionOverdueNumbers", StatisticKind::OverdueNumbers},
        {"actionPowerballFrequency", StatisticKind::PowerballFrequency},
        {"actionOverduePowerballs", StatisticKind::OverduePowerballs},
        {"actionPairs", StatisticKind::Pairs},
        {"actionTriples", StatisticKind::Triples},
        {"actionQuads", StatisticKind::Quads},
        {"actionCrossSums", StatisticKind::CrossSums},
        {"pairsButton", StatisticKind::Pairs},
        {"triplesButton", StatisticKind::Triples},
        {"quadsButton", StatisticKind::Quads},
        {"overdueButton", StatisticKind::OverdueNumbers},
        {"overduePowerballButton", StatisticKind::OverduePowerballs},
        {"tipDistributionButton", StatisticKind::TipDistribution},
    };
    for (const auto& [control, kind] : controls)
        QTest::newRow(control) << QString::fromLatin1(control) << static_cast<int>(kind);
}

void MainWindowTest::statisticControlsDrawTheChart() {
    QFETCH(QString, control);
    QFETCH(int, kind);
    // Counting the draws from the first one on, every statistic has bars to show.
    child<QDateEdit>(u"StartDate"_s)->setDate(kDraws.front().date);
    QCOMPARE(m_window->state().startDate, double(DrawCalendar::dayNumber(2024, 1, 1)));
    typeRow(0, {u"2"_s, u"7"_s, u"19"_s, u"40"_s, u"66"_s, u"9"_s});

    // What the statistic makes of the window's state, run on a copy of it.
    powerball::AppState expected = m_window->state();
    expected.onChanged = nullptr;
    powerball::runStatistic(expected, static_cast<powerball::StatisticKind>(kind));
    QVERIFY(expected.chart.barCount() > 0);

    if (auto* action = m_window->findChild<QAction*>(control))
        action->trigger();
    else
        child<QPushButton>(control)->click();
    QVERIFY(!QApplication::overrideCursor());

    const powerball::StatisticChart& shown = m_window->state().chart;
    QCOMPARE(shown.bars(), expected.chart.bars());
    QCOMPARE(shown.caption(), expected.chart.caption());
    QCOMPARE(child<QTabWidget>(u"pages"_s)->currentIndex(),
             static_cast<int>(m_window->state().pageInFront));

    // The chart page draws its chart when it comes into view.
    child<QTabWidget>(u"pages"_s)->setCurrentIndex(static_cast<int>(powerball::Page::Chart));
    QChart* chart = child<QChartView>(u"statisticChartView"_s)->chart();
    auto* bars = qobject_cast<QStackedBarSeries*>(chart->series().at(0));
    QVERIFY(bars && bars->isVisible() && !bars->isLabelsVisible());
    QVERIFY(!chart->series().at(1)->isVisible());
    for (int i = 0; i < shown.barCount(); ++i) {
        const powerball::ChartBar& bar = shown.bars()[static_cast<std::size_t>(i)];
        int colored = 0;
        for (QBarSet* set : bars->barSets()) {
            if (set->at(i) == 0)
                continue;
            ++colored;
            QCOMPARE(set->at(i), qreal(bar.value));
            QCOMPARE(set->color(), QColor(bar.color.red, bar.color.green, bar.color.blue));
        }
        QCOMPARE(colored, bar.value == 0 ? 0 : 1);
    }
    auto* numbers = qobject_cast<QCategoryAxis*>(chart->axes(Qt::Horizontal).at(0));
    QTextDocument title;
    title.setHtml(numbers->titleText());
    QCOMPARE(title.toPlainText().replace(QChar::Nbsp, u' ').toStdString(), shown.caption());
    QCOMPARE(numbers->categoriesLabels().first(), QString::number(shown.bars().front().x));
    for (const QString& label : numbers->categoriesLabels()) {
        const auto at = static_cast<std::size_t>(numbers->endValue(label));
        QCOMPARE(QString::number(shown.bars().at(at).x), label);
    }
    QCOMPARE(numbers->max(), shown.barCount() - 0.5);
    auto* values = qobject_cast<QValueAxis*>(chart->axes(Qt::Vertical).at(0));
    // A flat range (all bars alike) cannot be drawn; the axis then spans one unit.
    const powerball::AxisRange range = shown.shownRange();
    QCOMPARE(values->min(), qreal(range.minimum));
    QCOMPARE(values->max(), qreal(std::max(range.maximum, range.minimum + 1)));
    // Every bar shows, the rarest number's too.
    for (const powerball::ChartBar& bar : shown.bars())
        QVERIFY2(bar.value > values->min() || bar.value <= 0, qPrintable(QString::number(bar.x)));
    // Red and green bars say what they stand for.
    const bool twoColours =
        std::any_of(shown.bars().begin(), shown.bars().end(), [](const powerball::ChartBar& bar) {
            return bar.color == powerball::BarColors::Red;
        });
    QCOMPARE(chart->legend()->isVisible(), twoColours);
}

void MainWindowTest::updateShortcutWinsInEveryField_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("fieldName");
    QTest::newRow("tip field") << 0 << u"Edit1"_s;
    QTest::newRow("spin box") << 0 << u"UpDown8"_s;
    QTest::newRow("date field") << 3 << u"selectedDatePicker"_s;
    QTest::newRow("proxy field") << 4 << u"ProxyHostEdit"_s;
}

// Ctrl+A is "select all" to a text field; in the main window it starts the update.
void MainWindowTest::updateShortcutWinsInEveryField() {
    QFETCH(int, page);
    QFETCH(QString, fieldName);
    EmptyUpdateServer server;
    child<QRadioButton>(u"ServerSourceRadio"_s)->click(); // the walk of the update server
    auto* address = child<QLineEdit>(u"URLEdit"_s);
    address->selectAll();
    QTest::keyClicks(address, server.base());

    child<QTabWidget>(u"pages"_s)->setCurrentIndex(page);
    QWidget* focused = child<QWidget>(fieldName);
    focused->setFocus();
    QTRY_VERIFY(focused->hasFocus());
    QTimer stopper;
    connect(&stopper, &QTimer::timeout, this, [&] {
        if (m_window->state().updateRunning() && server.requests() > 0)
            child<QPushButton>(u"stopUpdateButton"_s)->click();
    });
    stopper.start(5);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    stopper.stop();
    QVERIFY(server.requests() > 0);
    QVERIFY(!m_window->state().updateRunning());
}

void MainWindowTest::updateLocksMaintenanceUntilItEnds_data() {
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<bool>("closeWhileRunning");
    QTest::newRow("draw panel, stop") << u"updateDrawsButton"_s << false;
    QTest::newRow("database page, stop") << u"updateDatabaseButton"_s << false;
    QTest::newRow("menu, close") << u"actionLoadDraws"_s << true;
}

void MainWindowTest::updateLocksMaintenanceUntilItEnds() {
    QFETCH(QString, trigger);
    QFETCH(bool, closeWhileRunning);
    EmptyUpdateServer server;
    child<QRadioButton>(u"ServerSourceRadio"_s)->click(); // the walk of the update server
    auto* address = child<QLineEdit>(u"URLEdit"_s);
    address->selectAll();
    QTest::keyClicks(address, server.base());
    QCOMPARE(m_window->state().internet.url, server.base().toStdString());

    const QStringList locked = {u"updateDrawsButton"_s, u"updateDatabaseButton"_s,
                                u"deleteDrawButton"_s, u"enterDrawButton"_s};
    auto* stop = child<QPushButton>(u"stopUpdateButton"_s);
    QVERIFY(stop->isHidden());

    // Looks at the window while the update runs, then ends it. The watcher runs whenever the
    // window runs its events, so it sees the first request as soon as the server has it.
    bool seenRunning = false;
    int requestsAtStop = 0;
    QTimer watcher;
    connect(&watcher, &QTimer::timeout, this, [&] {
        if (!m_window->state().updateRunning() || seenRunning || server.requests() == 0)
            return;
        seenRunning = true;
        requestsAtStop = server.requests();
        for (const QString& name : locked)
            QVERIFY2(!child<QWidget>(name)->isEnabled(), qPrintable(name));
        QVERIFY(!stop->isHidden());
        QVERIFY(m_window->findChild<QAction*>(u"actionLoadDraws"_s)->isEnabled());
        if (closeWhileRunning) {
            m_window->close();
            QVERIFY(m_window->isVisible());
        } else {
            stop->click();
        }
    });
    watcher.start(0);

    if (auto* action = m_window->findChild<QAction*>(trigger))
        action->trigger();
    else
        child<QAbstractButton>(trigger)->click();
    watcher.stop();

    QVERIFY(seenRunning);
    QVERIFY(!m_window->state().updateRunning());
    // The walk ended before the next request: the one under way was the last.
    QCOMPARE(server.requests(), requestsAtStop);
    QVERIFY(stop->isHidden());
    QCOMPARE(child<QLabel>(u"statusPanel0"_s)->text().toStdString(), m_window->state().status[0]);
    if (closeWhileRunning) {
        QTRY_VERIFY(!m_window->isVisible());
    } else {
        for (const QString& name : locked)
            QVERIFY2(child<QWidget>(name)->isEnabled(), qPrintable(name));
    }
}

void MainWindowTest::enteredDrawIsStoredShownDrawDeleted() {
    const powerball::DrawHistory history(std::filesystem::path(m_folder->path().toStdString()) /
                                         "Powerball.dat");
    const DialogWatch<DrawEntryDialog> entry([](DrawEntryDialog* dialog) {
        dialog->findChild<QDateEdit*>(u"entryDatePicker"_s)->setDate(QDate(2024, 1, 10));
        const int white[] = {44, 3, 17, 28, 9};
        for (int i = 0; i < 5; ++i)
            dialog->findChild<QSpinBox*>(u"whiteSpin%1"_s.arg(i + 1))->setValue(white[i]);
        dialog->findChild<QSpinBox*>(u"powerballSpin"_s)->setValue(12);
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    child<QPushButton>(u"enterDrawButton"_s)->click();

    const std::vector<powerball::DrawRecord> entered = history.readAll();
    QCOMPARE(entered.size(), kDraws.size() + 1);
    const powerball::DrawRecord& stored = entered.back();
    QCOMPARE(stored.date, double(DrawCalendar::dayNumber(2024, 1, 10)));
    const powerball::DrawNumbers numbers = stored.drawNumbers();
    QCOMPARE((std::array{numbers.white(1), numbers.white(5), numbers.powerball()}),
             (std::array{3, 44, 12}));

    // The window shows the draw the dialog opened with; that one goes.
    const QString shown = child<QLabel>(u"databaseDrawLabel"_s)->text();
    QVERIFY2(shown.contains(shortDate(kDraws.back().date)), qPrintable(shown));
    child<QPushButton>(u"deleteDrawButton"_s)->click();
    QVERIFY(!QApplication::overrideCursor());
    std::vector<double> dates;
    for (const powerball::DrawRecord& record : history.readAll())
        dates.push_back(record.date);
    std::vector<double> expected;
    for (const int day : {1, 3, 6, 10})
        expected.push_back(DrawCalendar::dayNumber(2024, 1, day));
    QCOMPARE(dates, expected);
}

void MainWindowTest::deletionRemovesTheShownDrawAndCtrlZBringsItBack() {
    const powerball::DrawHistory history(std::filesystem::path(m_folder->path().toStdString()) /
                                         "Powerball.dat");
    const std::vector<powerball::DrawRecord> before = history.readAll();
    // Two later draws through "Eingeben", each from the newest draw the panel shows.
    std::vector<QDate> entered{QDate(2024, 1, 10), QDate(2024, 1, 13)};
    const DialogWatch<DrawEntryDialog> entry([&entered](DrawEntryDialog* dialog) {
        dialog->findChild<QDateEdit*>(u"entryDatePicker"_s)->setDate(entered.front());
        entered.erase(entered.begin());
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    child<QPushButton>(u"enterDrawButton"_s)->click();
    child<QPushButton>(u"enterDrawButton"_s)->click();
    QCOMPARE(history.readAll().size(), kDraws.size() + 2);
    QCOMPARE(child<QLabel>(u"statusPanel1"_s)->text(),
             u"Ziehung vom 13.01.2024 gespeichert – Strg+Z nimmt die Eingabe zurück"_s);

    // Steps with the arrows; the draw the panel shows is the one that goes.
    for (const char* button : {"nextDrawButton", "nextDrawButton", "previousDrawButton"})
        QTest::mouseClick(child<QToolButton>(QString::fromLatin1(button)), Qt::LeftButton);
    const QString panel = panelText();
    QVERIFY2(panel.contains(u"10.01.24"_s), qPrintable(panel));
    QCOMPARE(pickedDate(), QDate(2024, 1, 10));
    child<QPushButton>(u"deleteDrawButton"_s)->click();
    std::vector<double> dates;
    for (const powerball::DrawRecord& record : history.readAll())
        dates.push_back(record.date);
    QCOMPARE(std::count(dates.begin(), dates.end(), double(DrawCalendar::dayNumber(2024, 1, 10))),
             0);
    QCOMPARE(dates.size(), kDraws.size() + 1);
    QCOMPARE(child<QLabel>(u"statusPanel1"_s)->text(),
             u"Ziehung vom 10.01.2024 gelöscht – Strg+Z stellt sie wieder her"_s);
    auto* undo = child<QPushButton>(u"undoDrawButton"_s);
    QVERIFY(undo->isEnabled());
    QCOMPARE(undo->toolTip(), u"Rückgängig: Löschen der Ziehung vom 10.01.2024"_s);

    // Ctrl+Z, three times: the deletion, then both entries are taken back.
    // From a button: a text field keeps Ctrl+Z for its own typing.
    m_window->activateWindow(); // as the window manager does when the dialogs have gone
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QWidget* button = child<QPushButton>(u"clearAllTipsButton"_s);
    button->setFocus();
    QTRY_VERIFY(button->hasFocus());
    for (int k = 0; k < 3; ++k)
        QTest::keyClick(button, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(history.readAll() == before);
    QVERIFY(!undo->isEnabled());
    QCOMPARE(undo->toolTip(), u"Rückgängig"_s);
}

void MainWindowTest::importButtonStoresTheChosenFileOnlyWhenAgreed() {
    const std::filesystem::path folder = m_folder->path().toStdString();
    const powerball::DrawHistory history(folder / "Powerball.dat");
    const std::vector<powerball::DrawRecord> before = history.readAll();
    {
        std::ofstream csv(folder / "results.csv", std::ios::binary);
        csv << "Draw Date,Winning Numbers,Multiplier\r\n"
               "01/10/2024,03 09 17 28 44 12,\r\n"
               "01/08/2024,02 07 19 60 61 09,4\r\n";
    }
    const QString file = QString::fromStdString((folder / "results.csv").string());
    QPushButton* import = child<QPushButton>(u"importDrawsButton"_s);
    QCOMPARE(import->text(), u"Importieren…"_s);

    // The file is chosen, the question is answered No: nothing changes.
    answerNext(1, file);
    answerNext(1);
    import->click();
    const std::vector<Asked>& asked = m_window->prompts().asked();
    QCOMPARE(asked.size(), std::size_t(2));
    QCOMPARE(asked[0].kind, Asked::Kind::OpenFile);
    QCOMPARE(asked[0].filter, u"Ziehungen (*.csv)"_s);
    QCOMPARE(asked[1].kind, Asked::Kind::Question);
    QCOMPARE(asked[1].text,
             u"1 neue Ziehungen, 0 geänderte, 1 unverändert\n\nJetzt importieren?"_s);
    QVERIFY(history.readAll() == before);

    // The file dialog cancelled: no question at all.
    answerNext(1);
    import->click();
    QCOMPARE(asked.size(), std::size_t(3));
    QVERIFY(history.readAll() == before);

    // Yes: the new draw is stored, and nothing more is asked (the extra answer stays unused).
    answerNext(1, file);
    answerNext(2, u"yes"_s);
    import->click();
    QCOMPARE(asked.size(), std::size_t(5));
    QCOMPARE(asked.back().kind, Asked::Kind::Question);
    const std::vector<powerball::DrawRecord> after = history.readAll();
    QCOMPARE(after.size(), before.size() + 1);
    QCOMPARE(after.back().date, double(DrawCalendar::dayNumber(2024, 1, 10)));
    QCOMPARE(after.back().drawNumbers().powerPlay(), 0);

    // The views follow the file: the new newest draw in full, with its cross sum, and the
    // arrows reach every stored draw from it.
    QCOMPARE(panelText(), u"Mi 10.01.24    3  9  17  28  44   PB: 12 PP: 0"_s);
    QCOMPARE(child<QLabel>(u"panelCrossSumLabel"_s)->text(), u"Quersumme: 101"_s);
    QCOMPARE(pickedDate(), QDate(2024, 1, 10));
    QCOMPARE(child<QLabel>(u"statusPanel1"_s)->text(), u"1 Ziehungen importiert"_s);
    QTest::mouseClick(child<QToolButton>(u"previousDrawButton"_s), Qt::LeftButton);
    QVERIFY(panelText().contains(shortDate(kDraws.back().date)));
    QTest::mouseClick(child<QToolButton>(u"nextDrawButton"_s), Qt::LeftButton);
    QVERIFY(panelText().contains(u"10.01.24"_s));
}

void MainWindowTest::updateFromTheServerAppendsItsDraws() {
    namespace testing = powerball::testing;
    // The server knows two draws after the window's newest; the draw day after them is
    // not in yet, and the server says so.
    std::vector<powerball::DrawRecord> served = {
        testing::draw("2024-01-10", {1, 9, 22, 33, 44}, 5),
        testing::draw("2024-01-13", {2, 8, 21, 34, 45}, 6)};
    // The server and the window share a fixed today, whatever the machine's date.
    m_window->setClock(m_clock);
    const testing::TempFolder serverFolder;
    const testing::UpdateServerProcess server(serverFolder,
                                              testing::writeCsv(serverFolder, "served.csv", served),
                                              DrawCalendar::isoDate(m_clock.today()));
    child<QRadioButton>(u"ServerSourceRadio"_s)->click(); // the walk of the update server
    auto* address = child<QLineEdit>(u"URLEdit"_s);
    address->selectAll();
    QTest::keyClicks(address, QString::fromStdString(server.base()));

    const auto& prompts = answerNext(2);
    QTest::mouseClick(child<QToolButton>(u"updateDrawsButton"_s), Qt::LeftButton);

    QCOMPARE(prompts.asked().size(), 1u);
    const Asked& message = prompts.asked().front();
    QCOMPARE(message.kind, Asked::Kind::Message);
    QCOMPARE(message.format, Qt::PlainText);
    QVERIFY2(message.text.contains(u"15.01.2024"_s), qPrintable(message.text));
    const powerball::DrawHistory history(std::filesystem::path(m_folder->path().toStdString()) /
                                         "Powerball.dat");
    const std::vector<powerball::DrawRecord> stored = history.readAll();
    QCOMPARE(stored.size(), kDraws.size() + served.size());
    QCOMPARE(stored.back().drawNumbers(), served.back().drawNumbers());
    // The panel follows the file: the newest draw in full, with its own cross sum.
    QVERIFY2(panelText().startsWith(u"Sa 13.01.24    2  8  21  34  45   PB: 6 PP: "_s),
             qPrintable(panelText()));
    QCOMPARE(child<QLabel>(u"panelCrossSumLabel"_s)->text(), u"Quersumme: 110"_s);
    QCOMPARE(pickedDate(), QDate(2024, 1, 13));
    // The window's client keeps its connection open; the server stops quickly once it goes.
    m_window.reset();
}

void MainWindowTest::updateThatFetchesNothingShowsWhy() {
    child<QRadioButton>(u"ServerSourceRadio"_s)->click(); // the walk of the update server
    auto* address = child<QLineEdit>(u"URLEdit"_s);
    address->selectAll();
    const powerball::testing::ClosedPort nothingListens;
    QTest::keyClicks(address, QString::fromStdString(nothingListens.base()));

    const auto& prompts = answerNext(2);
    QTest::mouseClick(child<QToolButton>(u"updateDrawsButton"_s), Qt::LeftButton);

    QCOMPARE(prompts.asked().size(), 1u);
    const Asked& box = prompts.asked().front();
    QCOMPARE(box.format, Qt::PlainText);
    QVERIFY2(box.text.contains(u"Cannot fetch the draws"_s), qPrintable(box.text));
    const QString status = child<QLabel>(u"statusPanel0"_s)->text();
    QVERIFY(!status.isEmpty());
    QVERIFY(status != u"Loading"_s);
}

void MainWindowTest::failingStatisticShowsItsBoxWithoutWaitCursor() {
    const std::filesystem::path drawFile =
        std::filesystem::path(m_folder->path().toStdString()) / "Powerball.dat";
    std::filesystem::remove(drawFile);
    std::filesystem::create_directory(drawFile);

    const auto& prompts = answerNext(2);
    child<QPushButton>(u"pairsButton"_s)->click();

    QCOMPARE(prompts.asked().size(), 1u);
    QCOMPARE(prompts.asked().front().kind, Asked::Kind::Failure);
    QVERIFY(!prompts.asked().front().waitCursor);
    QVERIFY(!QApplication::overrideCursor());
}

void MainWindowTest::secondPressStopsTheRun_data() {
    QTest::addColumn<bool>("byShortcut");
    QTest::newRow("button") << false;
    QTest::newRow("Ctrl+R") << true;
}

// The window stays responsive during a run: the second press arrives as the stop, and the
// run hands back the caption, the cursor and the sheet.
void MainWindowTest::secondPressStopsTheRun() {
    QFETCH(bool, byShortcut);
    makeRunsEndless();
    typeRow(7, {u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s});
    label(TipSheet::captionName(7))->setFocus();
    QTest::mouseClick(label(TipSheet::captionName(7)), Qt::LeftButton);
    QVERIFY(m_window->state().tips.row(7).locked);

    QString captionDuringRun;
    bool hourglassDuringRun = false;
    int countAtStop = 0;
    // The second press comes once the run is under way and has counted, however long that
    // takes on this machine.
    QTimer whenRunning;
    connect(&whenRunning, &QTimer::timeout, this, [&] {
        if (!m_window->state().generatorRunning || m_window->state().generator.runCounter == 0)
            return;
        whenRunning.stop();
        captionDuringRun = calculateButton()->text();
        hourglassDuringRun = QApplication::overrideCursor() != nullptr;
        countAtStop = m_window->state().generator.runCounter;
        if (byShortcut)
            QTest::keyClick(m_window.get(), Qt::Key_R, Qt::ControlModifier);
        else
            calculateButton()->click();
    });
    whenRunning.start(5);
    calculateButton()->click();

    QCOMPARE(captionDuringRun, u"Stoppen"_s);
    QVERIFY(hourglassDuringRun);
    QVERIFY(countAtStop > 0);
    QCOMPARE(calculateButton()->text(), u"Tipps berechnen"_s);
    QVERIFY(!QApplication::overrideCursor());
    QVERIFY(!m_window->state().generatorRunning);
    QCOMPARE(rowTexts(7), (std::vector<QString>{u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s}));
    for (int row : {0, 5, 11})
        QCOMPARE(field(row, 0)->text(), QString());
}

void MainWindowTest::finishedRunFillsTheChosenRows() {
    child<QSpinBox>(u"UpDown8"_s)->setValue(3);
    QTest::keyClick(m_window.get(), Qt::Key_R, Qt::ControlModifier);

    QCOMPARE(calculateButton()->text(), u"Tipps berechnen"_s);
    for (int row = 0; row < 3; ++row) {
        int previous = 0;
        for (int f = 0; f < 5; ++f) {
            const int number = field(row, f)->text().toInt();
            QVERIFY2(number > previous && number <= 69, qPrintable(field(row, f)->text()));
            previous = number;
        }
        const int powerball = field(row, 5)->text().toInt();
        QVERIFY(powerball >= 1 && powerball <= 26);
    }
    QCOMPARE(field(3, 0)->text(), QString());
}

void MainWindowTest::closingDuringARunStopsItFirst() {
    makeRunsEndless();
    bool closedAtOnce = true;
    bool closedDuringRun = false;
    QTimer whenRunning; // the close comes once the run is under way
    connect(&whenRunning, &QTimer::timeout, this, [&] {
        if (!m_window->state().generatorRunning)
            return;
        whenRunning.stop();
        closedDuringRun = true;
        closedAtOnce = m_window->close();
    });
    whenRunning.start(5);
    calculateButton()->click();

    QVERIFY(closedDuringRun);
    QVERIFY(!closedAtOnce);
    QCOMPARE(calculateButton()->text(), u"Tipps berechnen"_s);
    QTRY_VERIFY(!m_window->isVisible());
}

void MainWindowTest::poolDialogDecidesHowTheRunGoesOn_data() {
    QTest::addColumn<bool>("rebuild");
    QTest::newRow("Rechnen") << true;
    QTest::newRow("Abbrechen") << false;
}

// With the list shown, the pool comes ticked with its weights; "&Rechnen" goes on with the
// boxes as the user left them, the abort button ends the run.
void MainWindowTest::poolDialogDecidesHowTheRunGoesOn() {
    QFETCH(bool, rebuild);
    child<QCheckBox>(u"CheckBox20"_s)->click();
    QVERIFY(m_window->state().settings.showNumberList);

    bool poolShown = false;
    bool okCovered = false;
    bool cursorOverDialog = true;
    const DialogWatch<NumberListDialog> list([&](NumberListDialog* dialog) {
        auto* ok = dialog->findChild<QPushButton*>(u"okButton"_s);
        okCovered = ok->parentWidget()->childAt(ok->geometry().center()) ==
                    dialog->findChild<QPushButton*>(u"calculateButton"_s);
        cursorOverDialog = QApplication::overrideCursor() != nullptr;
        poolShown = true;
        for (int n = 1; n <= 69; ++n) {
            auto* box = dialog->findChild<QCheckBox*>(u"CheckBox%1"_s.arg(n));
            poolShown = poolShown && box->isChecked() == (box->toolTip().toInt() > 0);
            if (n <= 20 && box->isChecked())
                box->click();
        }
        dialog->findChild<QPushButton*>(rebuild ? u"calculateButton"_s : u"abortButton"_s)->click();
    });
    calculateButton()->click();

    QVERIFY(poolShown);
    QVERIFY(okCovered);
    QVERIFY(!cursorOverDialog);
    QCOMPARE(calculateButton()->text(), u"Tipps berechnen"_s);
    QVERIFY(!QApplication::overrideCursor());
    if (!rebuild) {
        QCOMPARE(field(0, 0)->text(), QString());
        return;
    }
    for (int row = 0; row < 5; ++row)
        for (int f = 0; f < 5; ++f)
            QVERIFY2(field(row, f)->text().toInt() > 20, qPrintable(field(row, f)->text()));
}

void MainWindowTest::editedRowTakesTheTickedNumbers() {
    typeRow(0, {u"3"_s, u"17"_s, u"22"_s, u"45"_s, u"61"_s, u"9"_s});

    QString caption;
    std::vector<int> ticked;
    std::vector<int> yellow;
    bool pickerShown = false;
    {
        const DialogWatch<NumberListDialog> list([&](NumberListDialog* dialog) {
            caption = dialog->windowTitle();
            pickerShown = dialog->findChild<QPushButton*>(u"pickerButton"_s)->isVisible();
            for (int n = 1; n <= 69; ++n) {
                auto* box = dialog->findChild<QCheckBox*>(u"CheckBox%1"_s.arg(n));
                if (box->isChecked())
                    ticked.push_back(n);
                if (box->palette().color(QPalette::Window) == QColor(Qt::yellow))
                    yellow.push_back(n);
            }
            dialog->findChild<QCheckBox*>(u"CheckBox45"_s)->click();
            dialog->findChild<QCheckBox*>(u"CheckBox50"_s)->click();
            dialog->findChild<QPushButton*>(u"okButton"_s)->click();
        });
        child<QToolButton>(u"Tipp1Edit"_s)->click();
    }

    QCOMPARE(caption, u"Zahlen für Tipp  1"_s);
    QVERIFY(pickerShown);
    QCOMPARE(ticked, (std::vector<int>{3, 17, 22, 45, 61}));
    QCOMPARE(yellow, ticked);
    QCOMPARE(rowTexts(0),
             (std::vector<QString>{u"3"_s, u"17"_s, u"22"_s, u"50"_s, u"61"_s, u"9"_s}));

    // Abort leaves the row as it is.
    const DialogWatch<NumberListDialog> list([](NumberListDialog* dialog) {
        dialog->findChild<QCheckBox*>(u"CheckBox3"_s)->click();
        dialog->findChild<QPushButton*>(u"abortButton"_s)->click();
    });
    child<QToolButton>(u"Tipp1Edit"_s)->click();
    QCOMPARE(field(0, 0)->text(), u"3"_s);
}

// The same lucky number gives the same rows whether the list was shown and confirmed with
// Enter or not shown at all; the row editor then shows the weights the pool left in the list.
void MainWindowTest::confirmedListChangesNoRowAndKeepsItsWeights() {
    const auto runWithLuckyNumber = [this] {
        answerNext(1, u"4711"_s);
        child<QPushButton>(u"luckyNumberButton"_s)->click();
        calculateButton()->click();
        std::vector<std::vector<QString>> rows;
        for (int row = 0; row < 12; ++row)
            rows.push_back(rowTexts(row));
        return rows;
    };
    const auto plain = runWithLuckyNumber();
    QVERIFY(!plain.front().front().isEmpty());

    child<QCheckBox>(u"CheckBox20"_s)->click();
    std::map<int, QString> poolWeights;
    {
        const DialogWatch<NumberListDialog> list([&](NumberListDialog* dialog) {
            for (int n = 1; n <= 69; ++n)
                poolWeights[n] = dialog->findChild<QCheckBox*>(u"CheckBox%1"_s.arg(n))->toolTip();
            QTest::keyClick(dialog, Qt::Key_Return);
        });
        QCOMPARE(runWithLuckyNumber(), plain);
    }
    QVERIFY(std::any_of(poolWeights.begin(), poolWeights.end(),
                        [](const auto& entry) { return entry.second.toInt() > 1; }));

    std::map<int, QString> rowWeights;
    const DialogWatch<NumberListDialog> list([&](NumberListDialog* dialog) {
        for (int n = 1; n <= 69; ++n)
            rowWeights[n] = dialog->findChild<QCheckBox*>(u"CheckBox%1"_s.arg(n))->toolTip();
        dialog->findChild<QPushButton*>(u"abortButton"_s)->click();
    });
    child<QToolButton>(u"Tipp1Edit"_s)->click();
    QCOMPARE(rowWeights, poolWeights);
}

// Six presses: the first starts the picker, four fix one pick each, the sixth stops it.
void MainWindowTest::randomPickerFillsAnEmptyRow() {
    std::vector<QString> captions;
    bool timerStoppedOnClose = false;
    const DialogWatch<NumberListDialog> list([&](NumberListDialog* dialog) {
        auto* picker = dialog->findChild<QPushButton*>(u"pickerButton"_s);
        for (int press = 1; press <= 6; ++press) {
            picker->click();
            // A running picker names the pick in hand on its next tick; wait for that tick
            // rather than for a fixed time, which a loaded machine may not give it.
            const QString expected = press < 6 ? u"%1 Stop"_s.arg(press) : u"Zufall"_s;
            (void)QTest::qWaitFor([&] { return picker->text() == expected; }, 10000);
            captions.push_back(picker->text());
        }
        dialog->findChild<QPushButton*>(u"okButton"_s)->click();
        timerStoppedOnClose = !dialog->pickerRunning();
    });
    child<QToolButton>(u"Tipp3Edit"_s)->click();

    QCOMPARE(captions, (std::vector<QString>{u"1 Stop"_s, u"2 Stop"_s, u"3 Stop"_s, u"4 Stop"_s,
                                             u"5 Stop"_s, u"Zufall"_s}));
    QVERIFY(timerStoppedOnClose);
    int previous = 0;
    for (int f = 0; f < 5; ++f) {
        const int number = field(2, f)->text().toInt();
        QVERIFY2(number > previous && number <= 69, qPrintable(field(2, f)->text()));
        previous = number;
    }
    const int powerball = field(2, 5)->text().toInt();
    QVERIFY(powerball >= 1 && powerball <= 26);
}

void MainWindowTest::luckyNumberSeedsTheRandomSource_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("confirmed");
    QTest::addColumn<QString>("status");
    QTest::newRow("typed number") << u"12345"_s << true << u"Glückszahl 12345 gesetzt"_s;
    QTest::newRow("cancelled takes the proposal") << u"777"_s << false << QString();
    QTest::newRow("no number") << u"abc"_s << true << u"unchanged"_s;
}

void MainWindowTest::luckyNumberSeedsTheRandomSource() {
    QFETCH(QString, typed);
    QFETCH(bool, confirmed);
    QFETCH(QString, status);

    const auto& prompts = answerNext(1, confirmed ? std::optional(typed) : std::nullopt);
    const QString before = child<QLabel>(u"statusPanel1"_s)->text();
    child<QPushButton>(u"luckyNumberButton"_s)->click();
    QCOMPARE(prompts.asked().size(), 1u);
    QCOMPARE(prompts.asked().front().kind, Asked::Kind::Text);
    const QString proposal = prompts.asked().front().defaultText;

    QVERIFY(proposal.toInt() >= 0 && proposal.toInt() < 99999);
    const QString shown = child<QLabel>(u"statusPanel1"_s)->text();
    if (status.isEmpty()) {
        QCOMPARE(shown, u"Glückszahl %1 gesetzt"_s.arg(proposal));
        QCOMPARE(m_window->state().random.seed(), proposal.toUInt());
    } else if (status == u"unchanged"_s) {
        QCOMPARE(shown, before);
    } else {
        QCOMPARE(shown, status);
        QCOMPARE(m_window->state().random.seed(), typed.toUInt());
    }
}

QTEST_MAIN(MainWindowTest)
// The results file as the source: Ctrl+A takes it whole and the new draws are stored and
// shown; the stored ones stay as they are.
void MainWindowTest::updateFromTheResultsFileAddsItsDraws() {
    powerball::testing::FakeHttpServer server;
    server.routes().Get("/rows.csv", [](const httplib::Request&, httplib::Response& response) {
        response.set_content("Draw Date,Winning Numbers,Multiplier\n"
                             "01/13/2024,02 08 21 34 45 06,2\n"
                             "01/10/2024,01 09 22 33 44 05,3\n"
                             "01/08/2024,02 07 19 60 61 09,4\n",
                             "text/csv");
    });
    server.start();
    child<QRadioButton>(u"FeedSourceRadio"_s)->click();
    auto* address = child<QLineEdit>(u"FeedURLEdit"_s);
    QVERIFY(address->isEnabled());
    QVERIFY(!child<QLineEdit>(u"URLEdit"_s)->isEnabled());
    address->selectAll();
    QTest::keyClicks(address, QString::fromStdString(server.base() + "/rows.csv"));
    QCOMPARE(m_window->state().internet.source, powerball::DrawSource::Feed);

    QTest::keyClick(m_window.get(), Qt::Key_A, Qt::ControlModifier);

    const powerball::DrawHistory history(std::filesystem::path(m_folder->path().toStdString()) /
                                         "Powerball.dat");
    const std::vector<powerball::DrawRecord> stored = history.readAll();
    QCOMPARE(stored.size(), kDraws.size() + 2);
    QCOMPARE(stored.back().date, double(DrawCalendar::dayNumber(2024, 1, 13)));
    const powerball::MessageTable& messages = m_window->state().messages;
    QCOMPARE(child<QLabel>(u"statusPanel0"_s)->text().toStdString(),
             powerball::fillPlaceholders(messages.text(powerball::Msg::FeedNewDraws), {"2"}));
    QTRY_VERIFY(panelText().contains(u"13.01.24"_s));
}

void MainWindowTest::escapeStopsTheResultsFileTransfer() {
    powerball::testing::FakeHttpServer server;
    // Sent as it comes: a text type would be compressed, and the compressor holds it back.
    server.routes().Get("/rows.csv", [](const httplib::Request&, httplib::Response& response) {
        response.set_chunked_content_provider(
            "application/octet-stream", [](std::size_t offset, httplib::DataSink& sink) {
                const std::string piece =
                    offset == 0 ? std::string("Draw Date,Winning Numbers,Multiplier\n") : "0";
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
                return sink.write(piece.data(), piece.size());
            });
    });
    server.start();
    child<QRadioButton>(u"FeedSourceRadio"_s)->click();
    auto* address = child<QLineEdit>(u"FeedURLEdit"_s);
    address->selectAll();
    QTest::keyClicks(address, QString::fromStdString(server.base() + "/rows.csv"));
    const std::vector<unsigned char> before = [this] {
        std::ifstream file(m_folder->filePath(u"Powerball.dat"_s).toStdString(), std::ios::binary);
        return std::vector<unsigned char>(std::istreambuf_iterator<char>(file), {});
    }();

    const powerball::MessageTable& messages = m_window->state().messages;
    const QString receiving =
        QString::fromStdString(messages.text(powerball::Msg::FeedReceived)).section(u'%', 0, 0);
    bool escaped = false;
    QTimer watcher;
    connect(&watcher, &QTimer::timeout, this, [&] {
        if (!escaped && m_window->state().updateRunning() &&
            child<QLabel>(u"statusPanel0"_s)->text().startsWith(receiving) &&
            !child<QLabel>(u"statusPanel0"_s)->text().contains(u" 0 "_s)) {
            escaped = true;
            QTest::keyClick(m_window.get(), Qt::Key_Escape);
        }
    });
    watcher.start(5);
    QTest::keyClick(m_window.get(), Qt::Key_A, Qt::ControlModifier);
    watcher.stop();

    QVERIFY(escaped);
    QVERIFY(!m_window->state().updateRunning());
    QCOMPARE(child<QLabel>(u"statusPanel0"_s)->text().toStdString(),
             messages.text(powerball::Msg::FeedStopped));
    std::ifstream file(m_folder->filePath(u"Powerball.dat"_s).toStdString(), std::ios::binary);
    QCOMPARE(std::vector<unsigned char>(std::istreambuf_iterator<char>(file), {}), before);
}

#include "MainWindowTest.moc"
