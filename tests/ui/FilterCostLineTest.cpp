#include "FilterCostLine.h"
#include "LanguagePass.h"
#include "MainWindow.h"
#include "TempFolder.h"
#include "generator/FilterCostCommand.h"
#include "generator/FilterCostText.h"

#include <QCheckBox>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace Qt::Literals::StringLiterals;
using powerball::testing::draw;
using powerball::testing::TempFolder;
using powerball::ui::FilterCostLine;
using powerball::ui::MainWindow;

// The line under the calculation pages: it goes to "…" when an option changes, is measured
// on a worker thread while the window goes on, and shows only the newest measurement.
class FilterCostLineTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void optionChangeRemeasuresWithoutBlocking();
    void onlyTheNewestMeasurementIsShown();

private:
    FilterCostLine* line() const {
        return m_window->findChild<FilterCostLine*>(u"filterCostLine"_s);
    }
    QCheckBox* box(const QString& name) const { return m_window->findChild<QCheckBox*>(name); }
    // What the core says for the window's options as they stand.
    QString expectedLine() const {
        const powerball::AppState& state = m_window->state();
        const powerball::FilterCost cost = powerball::measureFilterCost(state);
        return QString::fromStdString(
            powerball::filterCostLine(state.messages, cost, state.startDate));
    }
    void waitForFirstMeasurement() {
        QTRY_VERIFY_WITH_TIMEOUT(line()->text() != u"…"_s && !line()->text().isEmpty(), 20000);
    }

    std::unique_ptr<TempFolder> m_folder;
    std::unique_ptr<MainWindow> m_window;
};

void FilterCostLineTest::init() {
    m_folder = std::make_unique<TempFolder>();
    powerball::testing::writeDrawFile(*m_folder, {draw("2015-12-30", {11, 21, 31, 44, 55}, 9),
                                                  draw("2016-01-02", {1, 2, 3, 4, 5}, 6),
                                                  draw("2016-01-06", {10, 20, 30, 40, 50}, 7),
                                                  draw("2016-01-09", {10, 20, 51, 41, 30}, 7)});
    m_window = std::make_unique<MainWindow>(m_folder->path());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QVERIFY(line());
    // A value label: the language pass leaves it alone.
    QCOMPARE(line()->property(powerball::ui::LanguagePass::kTagProperty).toInt(), 1);
    waitForFirstMeasurement();
}

void FilterCostLineTest::cleanup() {
    m_window.reset();
    m_folder.reset();
}

void FilterCostLineTest::optionChangeRemeasuresWithoutBlocking() {
    QCOMPARE(line()->text(), expectedLine());
    const QString before = line()->text();
    QVERIFY2(before.contains(u"10.10.2015"_s), qPrintable(before));

    // Ticks of a timer count how often the event loop came round while the line worked.
    int ticks = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, [&ticks] { ++ticks; });
    ticker.start(5);
    QSignalSpy shown(line(), &FilterCostLine::shown);
    box(u"CheckBox18"_s)->click(); // runs of three allowed
    QCOMPARE(line()->text(), u"…"_s);
    QVERIFY(shown.wait(20000));
    QVERIFY2(ticks >= FilterCostLine::kPauseMs / 5 / 2, qPrintable(QString::number(ticks)));
    QCOMPARE(line()->text(), expectedLine());
    QVERIFY(line()->text() != before);
    QVERIFY(!line()->toolTip().isEmpty());
}

void FilterCostLineTest::onlyTheNewestMeasurementIsShown() {
    QSignalSpy shown(line(), &FilterCostLine::shown);
    box(u"CheckBox28"_s)->click();
    // Let the first measurement start, then change again while it runs.
    QTest::qWait(FilterCostLine::kPauseMs + 20);
    box(u"CheckBox9"_s)->click();
    QCOMPARE(line()->text(), u"…"_s);
    QVERIFY(shown.wait(20000));
    QTest::qWait(500); // a late result of the first measurement would land here
    QCOMPARE(shown.count(), 1);
    QCOMPARE(line()->text(), expectedLine());
}

QTEST_MAIN(FilterCostLineTest)
#include "FilterCostLineTest.moc"
