// The wheel dialog in the real window: a search to its end, a search stopped, the sheet
// filled page by page around a locked row, and a close during a search.
#include "WheelDialog.h"
#include "MainWindow.h"
#include "WindowControls.h"
#include "WindowFixture.h"
#include "rules/wheel/WheelProof.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

#include <memory>

using namespace Qt::Literals::StringLiterals;
using powerball::TipSheet;
using powerball::testing::WindowFixture;
using powerball::ui::MainWindow;
using powerball::ui::WheelDialog;

class WheelDialogTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void aSearchEndsWithAProvenWheelAndItsCheck();
    void theSheetTakesTheWheelPageByPageAroundALockedRow();
    void stopAndCloseEndTheSearchWithTheBestWheelSoFar();
    void numbersThatMakeNoWheelAreNamed();

private:
    template <class T> T* child(const QString& name) const {
        return powerball::testing::control<T>(m_window, name);
    }
    void click(const QString& button) const {
        QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton);
    }
    // Opens the dialog from the menu with the numbers, the guarantee and the budget.
    WheelDialog* openWith(const QString& numbers, const QString& guarantee, int seconds) {
        m_window->findChild<QAction*>(u"actionWheel"_s)->trigger();
        auto* dialog = m_window->findChild<WheelDialog*>(u"wheelDialog"_s);
        if (!dialog)
            qFatal("no wheel dialog");
        child<QLineEdit>(u"wheelNumbers"_s)->setText(numbers);
        auto* guarantees = child<QComboBox>(u"wheelGuarantee"_s);
        guarantees->setCurrentIndex(guarantees->findData(guarantee));
        child<QSpinBox>(u"wheelSeconds"_s)->setValue(seconds);
        return dialog;
    }
    // Presses "Berechnen" and waits for the end of the search.
    bool calculated(WheelDialog* dialog) const {
        QSignalSpy finished(dialog, &WheelDialog::searchFinished);
        click(u"wheelCalculateButton"_s);
        return finished.wait(60'000);
    }

    std::unique_ptr<WindowFixture> m_fixture;
    MainWindow* m_window = nullptr;
};

void WheelDialogTest::init() {
    m_fixture = std::make_unique<WindowFixture>();
    m_window = &m_fixture->window();
    QVERIFY(m_fixture->showActive());
}

void WheelDialogTest::cleanup() {
    m_window = nullptr;
    m_fixture.reset();
}

void WheelDialogTest::aSearchEndsWithAProvenWheelAndItsCheck() {
    WheelDialog* dialog = openWith(u"1, 2, 3, 4, 5, 6, 7, 8"_s, u"3if3"_s, 1);
    child<QLineEdit>(u"wheelPowerballs"_s)->setText(u"9"_s);
    QVERIFY(calculated(dialog));

    QVERIFY(dialog->play().has_value());
    const powerball::WheelPlay& play = *dialog->play();
    QVERIFY(powerball::guaranteeProven(play.wheel()));
    const auto rows = static_cast<int>(play.rows());
    auto* table = child<QTableWidget>(u"wheelRows"_s);
    QCOMPARE(table->rowCount(), rows);
    QCOMPARE(table->item(0, 5)->text(), u"9"_s);
    QCOMPARE(child<QLabel>(u"wheelCount"_s)->text(),
             u"%1 Reihen, mindestens %2 möglich"_s.arg(rows).arg(play.result.lowerBound));
    QCOMPARE(child<QLabel>(u"wheelCost"_s)->text(),
             u"Kosten: %1 $, mit Power Play %2 $"_s.arg(2 * rows).arg(3 * rows));
    QVERIFY(child<QLabel>(u"wheelProven"_s)->text().startsWith(u"Garantie geprüft: 3 Richtige"_s));
    // The window shows its newest draw; each row's hits against it are in the table.
    QVERIFY(child<QLabel>(u"wheelCheck"_s)->text().startsWith(u"Gegen die Ziehung vom "_s));
    QVERIFY(!table->item(0, 6)->text().isEmpty());
    QVERIFY(child<QPushButton>(u"wheelCalculateButton"_s)->isEnabled());
    QVERIFY(!child<QPushButton>(u"wheelStopButton"_s)->isEnabled());
}

void WheelDialogTest::theSheetTakesTheWheelPageByPageAroundALockedRow() {
    powerball::testing::typeTipRow(m_window, 1,
                                   {u"40"_s, u"41"_s, u"42"_s, u"43"_s, u"44"_s, u"7"_s});
    QTest::mouseClick(child<QWidget>(QString::fromStdString(TipSheet::captionName(1))),
                      Qt::LeftButton);
    QVERIFY(m_window->state().tips.row(1).locked);

    // Ten numbers need at least 14 rows for "3 if 3": more than one page.
    WheelDialog* dialog = openWith(u"1 2 3 4 5 6 7 8 9 10"_s, u"3if3"_s, 1);
    QVERIFY(calculated(dialog));
    const powerball::WheelPlay& play = *dialog->play();
    QVERIFY(play.rows() > 11);
    QVERIFY(!child<QPushButton>(u"wheelNextPageButton"_s)->isEnabled());

    const auto rowText = [&](std::size_t r) {
        std::string line;
        for (int n : play.wheel().rows[r])
            line += std::to_string(n) + ",";
        return line + ",";
    };
    click(u"wheelToSheetButton"_s);
    const TipSheet& sheet = m_window->state().tips;
    QCOMPARE(sheet.line(0), rowText(0));
    QCOMPARE(sheet.line(1), std::string("40,41,42,43,44,7,"));
    QCOMPARE(sheet.line(2), rowText(1));
    QCOMPARE(sheet.line(11), rowText(10));
    QCOMPARE(powerball::testing::tipField(m_window, 11, 0)->text(),
             QString::number(play.wheel().rows[10][0]));

    QVERIFY(child<QPushButton>(u"wheelNextPageButton"_s)->isEnabled());
    click(u"wheelNextPageButton"_s);
    QCOMPARE(sheet.line(0), rowText(11));
    QCOMPARE(sheet.line(1), std::string("40,41,42,43,44,7,"));
    QVERIFY(sheet.row(1).locked);
}

void WheelDialogTest::stopAndCloseEndTheSearchWithTheBestWheelSoFar() {
    // A search that would take ten minutes: "Stoppen" ends it with a proven wheel.
    WheelDialog* dialog =
        openWith(u"1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20"_s, u"4if4"_s, 600);
    QSignalSpy finished(dialog, &WheelDialog::searchFinished);
    click(u"wheelCalculateButton"_s);
    QVERIFY(dialog->searching());
    QVERIFY(child<QPushButton>(u"wheelStopButton"_s)->isEnabled());
    click(u"wheelStopButton"_s);
    QVERIFY(finished.wait(60'000));
    QVERIFY(dialog->play()->result.stopped);
    QVERIFY(powerball::guaranteeProven(dialog->play()->wheel()));
    QCOMPARE(child<QLabel>(u"wheelStatus"_s)->text(),
             u"Gestoppt: das beste bis dahin geprüfte Rad"_s);

    // Closing during a search stops it and joins its thread before the dialog goes.
    click(u"wheelCalculateButton"_s);
    QVERIFY(dialog->searching());
    dialog->close();
    QVERIFY(!dialog->searching());
    QVERIFY(!dialog->isVisible());
    // The window goes with the dialog while nothing runs any more.
    m_window = nullptr;
    m_fixture.reset();
}

void WheelDialogTest::numbersThatMakeNoWheelAreNamed() {
    WheelDialog* dialog = openWith(u"1 2 3 4 5"_s, u"3if3"_s, 1);
    click(u"wheelCalculateButton"_s);
    QVERIFY(!dialog->searching());
    QVERIFY(!dialog->play().has_value());
    QCOMPARE(child<QLabel>(u"wheelStatus"_s)->text(),
             u"Ein Rad braucht 6 bis 40 verschiedene Zahlen von 1 bis 69; gewählt sind 5."_s);
}

QTEST_MAIN(WheelDialogTest)
#include "WheelDialogTest.moc"
