#include "FilterCostLine.h"
#include "LanguagePass.h"
#include "MainWindow.h"
#include "TempFolder.h"
#include "generator/FilterCostCommand.h"
#include "generator/FilterCostText.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <memory>

using namespace Qt::Literals::StringLiterals;
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
    QElapsedTimer measuring;
    measuring.start();
    QCOMPARE(line()->text(), expectedLine());
    const qint64 measureMs = measuring.elapsed(); // what one measurement takes here
    const QString before = line()->text();
    QVERIFY2(before.contains(u"10.10.2015"_s), qPrintable(before));

    // A timer ticking all along: the longest pause between its ticks is how long the event
    // loop was held up while the line worked.
    QElapsedTimer clock;
    clock.start();
    qint64 lastTick = 0;
    qint64 longestPause = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, [&] {
        longestPause = std::max(longestPause, clock.elapsed() - lastTick);
        lastTick = clock.elapsed();
    });
    ticker.start(5);
    QSignalSpy shown(line(), &FilterCostLine::shown);
    box(u"CheckBox18"_s)->click(); // runs of three allowed
    QCOMPARE(line()->text(), u"…"_s);
    QVERIFY(shown.wait(30000));
    QVERIFY2(
        longestPause < measureMs / 2,
        qPrintable(u"held up %1 ms, a measurement takes %2 ms"_s.arg(longestPause).arg(measureMs)));
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
    QVERIFY(shown.wait(30000));
    QTest::qWait(500); // a late result of the first measurement would land here
    QCOMPARE(shown.count(), 1);
    QCOMPARE(line()->text(), expectedLine());
}

QTEST_MAIN(FilterCostLineTest)
#include "FilterCostLineTest.moc"
