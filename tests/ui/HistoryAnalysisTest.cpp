#include "MainWindow.h"
#include "RecordingShell.h"
#include "TempFolder.h"
#include "WindowControls.h"
#include "base/FileReading.h"
#include "rules/sheet/TipSheet.h"

#include <QApplication>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <memory>

using namespace Qt::Literals::StringLiterals;
using powerball::DrawCalendar;
using powerball::TipSheet;
using powerball::testing::RecordingShell;
using powerball::testing::TempFolder;
using powerball::ui::MainWindow;
using Asked = powerball::ui::QtUserPrompts::Asked;

class HistoryAnalysisTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void searchAsksAtEachHitOfTheThreshold();
    void drawAnalysisWritesItsReport();
    void drawAnalysisOnTheNewestDrawSaysThereIsNothingToCompare();
    void settingsAnalysisStopsOnEscape();

private:
    template <class T> T* child(const QString& name) const {
        return powerball::testing::control<T>(m_window.get(), name);
    }
    void start(const std::vector<powerball::DrawRecord>& records) {
        powerball::testing::writeDrawFile(*m_folder, records);
        m_window = std::make_unique<MainWindow>(m_folder->path());
        m_window->setShell(m_shell);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        // The pages behind the first follow the first paint.
        QTRY_VERIFY(m_window->allPagesBuilt());
    }
    void pickDate(const char* iso) {
        child<QDateEdit>(u"selectedDatePicker"_s)
            ->setDate(QDate::fromString(QString::fromLatin1(iso), Qt::ISODate));
    }
    void typeRow(int row, const QString& line) {
        const QStringList fields = line.split(u',');
        powerball::testing::typeTipRow(
            m_window.get(), row,
            {fields[0], fields[1], fields[2], fields[3], fields[4], fields[5]});
    }
    void click(const QString& name) { QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton); }
    std::string report() const {
        return powerball::readFileBytes(m_folder->file("Test.rtf"), 1 << 16);
    }

    std::unique_ptr<TempFolder> m_folder;
    RecordingShell m_shell;
    std::unique_ptr<MainWindow> m_window;
};

void HistoryAnalysisTest::init() {
    m_folder = std::make_unique<TempFolder>();
    m_shell.opened.clear();
}

void HistoryAnalysisTest::cleanup() {
    m_window.reset();
    m_folder.reset();
}

void HistoryAnalysisTest::searchAsksAtEachHitOfTheThreshold() {
    start(powerball::testing::threeOctoberDraws());
    child<QDateEdit>(u"StartDate"_s)->setDate({2015, 10, 7});
    pickDate("2015-10-14");
    typeRow(0, u"7,19,33,45,60,1"_s);
    typeRow(2, u"11,21,31,41,51,8"_s);

    auto& prompts = m_window->prompts();
    prompts.setNextAnswer(u"5"_s);   // the threshold
    prompts.setNextAnswer(u"Yes"_s); // the first hit: go on
    prompts.setNextAnswer();         // the second: stop
    click(u"searchTipsButton"_s);

    const std::vector<Asked>& asked = prompts.asked();
    QCOMPARE(asked.size(), 3u);
    QCOMPARE(asked[0].caption, u"Bei wievielen Zahlen Übereinstellung stoppen?"_s);
    QCOMPARE(asked[1].kind, Asked::Kind::Question);
    QCOMPARE(asked[1].text, u"Ein Treffer gefunden am:  10.10.2015 . Weiter?"_s);
    QCOMPARE(asked[2].text, u"Ein Treffer am  14.10.2015 gefunden. Weiter?"_s);
    auto* hits = child<QLabel>(QString::fromStdString(TipSheet::hitsLabelName(2)));
    QCOMPARE(hits->text(), u"5 + PB"_s);
}

void HistoryAnalysisTest::drawAnalysisWritesItsReport() {
    start(powerball::testing::threeOctoberDraws());
    child<QDateEdit>(u"StartDate"_s)->setDate({2015, 10, 1});
    pickDate("2015-10-07");
    auto& prompts = m_window->prompts();
    prompts.setNextAnswer(u"Yes"_s); // start it
    prompts.setNextAnswer(u"5"_s);   // the threshold

    // The passes run under the wait cursor; the window repaints between them.
    bool waitCursorSeen = false;
    QTimer probe;
    connect(&probe, &QTimer::timeout, this, [&] {
        const QCursor* cursor = QApplication::overrideCursor();
        waitCursorSeen = waitCursorSeen || (cursor && cursor->shape() == Qt::WaitCursor);
    });
    probe.start(0);
    click(u"drawAnalysisButton"_s);
    probe.stop();
    QVERIFY(waitCursorSeen);
    QVERIFY(!QApplication::overrideCursor());

    QCOMPARE(m_shell.opened, std::vector<std::string>{m_folder->file("Test.rtf").string()});
    const std::string text = report();
    QVERIFY2(text.rfind("Treffer von Ziehungen in der Datenbank\r\n0    =>1\r\n", 0) == 0,
             text.c_str());
    QVERIFY(text.find("Wie oft gab es bei der nächsten Ziehung ähnliche Zahlen\r\n0    =>2\r\n") !=
            std::string::npos);
    QVERIFY(text.find("Zum Vergleich") != std::string::npos);
}

void HistoryAnalysisTest::drawAnalysisOnTheNewestDrawSaysThereIsNothingToCompare() {
    start(powerball::testing::threeOctoberDraws());
    pickDate("2015-10-20");
    auto& prompts = m_window->prompts();
    prompts.setNextAnswer(u"Yes"_s); // start it
    prompts.setNextAnswer();         // a box more than expected is recorded, not shown
    click(u"drawAnalysisButton"_s);

    const std::vector<Asked>& asked = prompts.asked();
    QCOMPARE(asked.size(), 2u);
    QCOMPARE(asked[1].kind, Asked::Kind::Message);
    QCOMPARE(asked[1].text, u"Nach der Ziehung vom 14.10.2015 gibt es keine weitere Ziehung: es "
                            u"gibt nichts zu vergleichen."_s);
    QVERIFY(m_shell.opened.empty());
    auto* hits = child<QLabel>(QString::fromStdString(TipSheet::hitsLabelName(0)));
    QVERIFY(hits->text() != u"5 + PB"_s);
}

void HistoryAnalysisTest::settingsAnalysisStopsOnEscape() {
    const auto history = powerball::testing::realHistory();
    start(history);
    const QDate newest = QDate(1899, 12, 30).addDays(static_cast<qint64>(history.back().date));
    child<QDateEdit>(u"selectedDatePicker"_s)->setDate(newest.addDays(-7 * 40));
    auto& prompts = m_window->prompts();
    prompts.setNextAnswer(u"Yes"_s);  // start it
    prompts.setNextAnswer(u"4711"_s); // the lucky number

    bool sawStep = false;
    QTimer probe;
    // Esc once a step is done and the analysis still runs: the window runs its events
    // meanwhile.
    connect(&probe, &QTimer::timeout, this, [&] {
        if (!sawStep && m_window->state().analysis == powerball::RunPhase::Running &&
            m_window->state().status[0].rfind("Schritt ", 0) == 0) {
            sawStep = true;
            QTest::keyClick(m_window.get(), Qt::Key_Escape);
        }
    });
    probe.start(1);
    click(u"settingsAnalysisButton"_s);
    probe.stop();

    QVERIFY(sawStep);
    const std::string text = report();
    QVERIFY2(text.find("Angehalten nach der Ziehung vom ") != std::string::npos, text.c_str());
    QCOMPARE(m_window->state().analysis, powerball::RunPhase::Idle);
    QCOMPARE(child<QPushButton>(u"calculateTipsButton"_s)->text(), u"Tipps berechnen"_s);
}

QTEST_MAIN(HistoryAnalysisTest)
#include "HistoryAnalysisTest.moc"
