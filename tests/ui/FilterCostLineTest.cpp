#include "FilterCostLine.h"
#include "LanguagePass.h"
#include "MainWindow.h"
#include "TempFolder.h"
#include "app/generator/FilterCostCommand.h"
#include "rules/generator/FilterCostText.h"

#include <QCheckBox>
#include <QFutureWatcher>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <memory>

using namespace Qt::Literals::StringLiterals;
using powerball::testing::TempFolder;
using powerball::ui::FilterCostLine;
using powerball::ui::MainWindow;

namespace {

// A measurement that notes its thread and waits until the test lets it go.
struct HeldMeasurement {
    std::atomic<int> started = 0;
    std::atomic<int> finished = 0;
    std::atomic<QThread*> thread = nullptr;
    QSemaphore gate;

    FilterCostLine::Measurer measurer() {
        return [this](const powerball::FilterCostInput& input) {
            thread = QThread::currentThread();
            ++started;
            gate.tryAcquire(1, 30000); // never hang the test for good
            gate.release();            // the next one may pass too
            powerball::FilterCost cost = powerball::measureFilterCost(input);
            ++finished;
            return cost;
        };
    }
    void letGo() { gate.release(); }
};

} // namespace

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
            powerball::filterCostLine(state.messages, state.textFormat(), cost, state.startDate));
    }
    void waitForFirstMeasurement() {
        QTRY_VERIFY_WITH_TIMEOUT(line()->text() != u"…"_s && !line()->text().isEmpty(), 30000);
    }

    std::unique_ptr<TempFolder> m_folder;
    std::unique_ptr<MainWindow> m_window;
};

void FilterCostLineTest::init() {
    m_folder = std::make_unique<TempFolder>();
    // The real history, so that a measurement takes long enough to notice a blocked loop.
    powerball::testing::writeDrawFile(*m_folder, powerball::testing::realHistory());
    m_window = std::make_unique<MainWindow>(m_folder->path());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    // The pages behind the first follow the first paint.
    QTRY_VERIFY(m_window->allPagesBuilt());
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
    const QString before = line()->text();
    QCOMPARE(before, expectedLine());
    QVERIFY2(before.contains(u"10.10.2015"_s), qPrintable(before));

    // The measurement is held until the test lets it go, so "the window goes on meanwhile"
    // is seen for certain, however loaded the machine is.
    HeldMeasurement held;
    line()->setMeasurer(held.measurer());
    QTimer ticker;
    int ticks = 0;
    connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(5);
    QSignalSpy shown(line(), &FilterCostLine::shown);
    box(u"CheckBox18"_s)->click(); // runs of three allowed
    QCOMPARE(line()->text(), u"…"_s);
    QTRY_COMPARE_WITH_TIMEOUT(held.started.load(), 1, 30000);
    const int ticksAtStart = ticks;
    // The window's timers go on while the measurement is held: run on the GUI thread, it
    // would hold the loop, and no tick would come until it is let go.
    QTRY_VERIFY_WITH_TIMEOUT(ticks > ticksAtStart + 2, 30000);
    QCOMPARE(held.finished.load(), 0);
    QVERIFY(held.thread.load() != QThread::currentThread());
    QCOMPARE(line()->text(), u"…"_s);

    held.letGo();
    QVERIFY(shown.wait(30000));
    QCOMPARE(line()->text(), expectedLine());
    QVERIFY(line()->text() != before);
    QVERIFY(!line()->toolTip().isEmpty());
}

void FilterCostLineTest::onlyTheNewestMeasurementIsShown() {
    HeldMeasurement held;
    line()->setMeasurer(held.measurer());
    QSignalSpy shown(line(), &FilterCostLine::shown);
    box(u"CheckBox28"_s)->click();
    QTRY_COMPARE_WITH_TIMEOUT(held.started.load(), 1, 30000);
    // A change while the first measurement runs: its result no longer counts.
    box(u"CheckBox9"_s)->click();
    QCOMPARE(line()->text(), u"…"_s);
    held.letGo();
    QTRY_COMPARE_WITH_TIMEOUT(held.finished.load(), 2, 30000);
    // Each measurement hands its result to the window through a watcher of its own, which
    // goes once the result is taken: with none left, both results have come, the first
    // one's too, late as it may be.
    QTRY_VERIFY_WITH_TIMEOUT(line()->findChildren<QFutureWatcherBase*>().isEmpty(), 30000);
    QCOMPARE(shown.count(), 1);
    QCOMPARE(line()->text(), expectedLine());
}

QTEST_MAIN(FilterCostLineTest)
#include "FilterCostLineTest.moc"
