// The table of all draws: what each row shows, sorting and the quick filter, and that it
// follows the draw file through the window's commands (show, delete, undo, a change from
// outside).

#include "DrawTableDialog.h"
#include "DrawTableModel.h"
#include "MainWindow.h"
#include "WindowControls.h"
#include "WindowFixture.h"
#include "base/DrawCalendar.h"
#include "draws/DrawHistory.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include <memory>

using namespace Qt::Literals::StringLiterals;
using powerball::DrawCalendar;
using powerball::testing::control;
using powerball::testing::day;
using powerball::testing::WindowFixture;
using powerball::ui::DrawTableDialog;
using powerball::ui::DrawTableModel;
using powerball::ui::MainWindow;

class DrawTableTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void rowsShowEveryDrawNewestFirst();
    void sortsByNumberAndFilters_data();
    void sortsByNumberAndFilters();
    void doubleClickShowsTheDrawEverywhere();
    void deleteAndUndoFollowTheFile();
    void followsAChangeFromOutside();

private:
    QTableView* view() const { return m_table->view(); }
    QString cell(int row, int column) const {
        return view()->model()->index(row, column).data().toString();
    }
    QStringList columnTexts(int column) const {
        QStringList texts;
        for (int row = 0; row < view()->model()->rowCount(); ++row)
            texts << cell(row, column);
        return texts;
    }
    // Makes `row` current, as a click does.
    void pick(int row) const {
        view()->setFocus();
        view()->setCurrentIndex(view()->model()->index(row, 0));
    }
    QString panelText() const { return control<QLabel>(m_window, u"databaseDrawLabel"_s)->text(); }

    std::unique_ptr<WindowFixture> m_fixture;
    MainWindow* m_window = nullptr;
    DrawTableDialog* m_table = nullptr;
};

void DrawTableTest::init() {
    m_fixture = std::make_unique<WindowFixture>();
    m_window = &m_fixture->window();
    QVERIFY(m_fixture->showActive());
    // The "Datenbank" page, as the user opens it: made when first shown.
    auto* pages = control<QTabWidget>(m_window, u"pages"_s);
    pages->setCurrentIndex(static_cast<int>(powerball::Page::Database));
    auto* open = control<QPushButton>(m_window, u"drawTableButton"_s);
    QCOMPARE(open->text(), u"Ziehungen…"_s);
    open->click();
    m_table = m_window->findChild<DrawTableDialog*>();
    QVERIFY(m_table);
    QVERIFY(QTest::qWaitForWindowExposed(m_table));
}

void DrawTableTest::cleanup() {
    m_table = nullptr;
    m_window = nullptr;
    m_fixture.reset();
}

void DrawTableTest::rowsShowEveryDrawNewestFirst() {
    QCOMPARE(m_table->windowTitle(), u"Ziehungen"_s);
    QCOMPARE(view()->model()->rowCount(), 3);
    QCOMPARE(columnTexts(DrawTableModel::Date),
             (QStringList{u"14.10.2015"_s, u"10.10.2015"_s, u"07.10.2015"_s}));
    QCOMPARE(columnTexts(DrawTableModel::Weekday), (QStringList{u"Mi"_s, u"Sa"_s, u"Mi"_s}));
    QStringList newest;
    for (int column = DrawTableModel::FirstWhite; column < DrawTableModel::Count; ++column)
        newest << cell(0, column);
    QCOMPARE(newest,
             (QStringList{u"11"_s, u"21"_s, u"31"_s, u"41"_s, u"51"_s, u"8"_s, u"10"_s, u"155"_s}));
    const QAbstractItemModel* model = view()->model();
    QCOMPARE(model->headerData(DrawTableModel::Date, Qt::Horizontal).toString(), u"Datum"_s);
    QCOMPARE(model->headerData(DrawTableModel::FirstWhite + 4, Qt::Horizontal).toString(), u"5"_s);
    QCOMPARE(model->headerData(DrawTableModel::CrossSum, Qt::Horizontal).toString(),
             u"Quersumme"_s);
    QCOMPARE(control<QLabel>(m_table, u"drawTableCount"_s)->text(), u"3 von 3 Ziehungen"_s);
    // The draw the window shows is the current row.
    QCOMPARE(view()->currentIndex().row(), 0);
}

void DrawTableTest::sortsByNumberAndFilters_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("order");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("dates"); // as shown, top to bottom

    const QString d7 = u"07.10.2015"_s, d10 = u"10.10.2015"_s, d14 = u"14.10.2015"_s;
    // Powerballs 6, 12 and 8: as numbers, never as text ("12" before "6").
    QTest::newRow("Powerball up") << int(DrawTableModel::Powerball) << int(Qt::AscendingOrder)
                                  << QString() << QStringList{d7, d14, d10};
    QTest::newRow("date up") << int(DrawTableModel::Date) << int(Qt::AscendingOrder) << QString()
                             << QStringList{d7, d10, d14};
    QTest::newRow("cross sum down") << int(DrawTableModel::CrossSum) << int(Qt::DescendingOrder)
                                    << QString() << QStringList{d10, d14, d7};
    QTest::newRow("a white number")
        << int(DrawTableModel::Date) << int(Qt::DescendingOrder) << u"19"_s << QStringList{d10};
    QTest::newRow("a Powerball") << int(DrawTableModel::Date) << int(Qt::DescendingOrder) << u"8"_s
                                 << QStringList{d14};
    QTest::newRow("the year") << int(DrawTableModel::Date) << int(Qt::DescendingOrder) << u"2015"_s
                              << QStringList{d14, d10, d7};
    QTest::newRow("another year") << int(DrawTableModel::Date) << int(Qt::DescendingOrder)
                                  << u"2016"_s << QStringList{};
    QTest::newRow("year and number")
        << int(DrawTableModel::Date) << int(Qt::DescendingOrder) << u"2015 5"_s << QStringList{d7};
    QTest::newRow("no number") << int(DrawTableModel::Date) << int(Qt::DescendingOrder) << u"x"_s
                               << QStringList{};
}

void DrawTableTest::sortsByNumberAndFilters() {
    QFETCH(int, column);
    QFETCH(int, order);
    QFETCH(QString, filter);
    QFETCH(QStringList, dates);
    QTest::keyClicks(control<QLineEdit>(m_table, u"drawTableFilter"_s), filter);
    view()->sortByColumn(column, static_cast<Qt::SortOrder>(order));
    QCOMPARE(columnTexts(DrawTableModel::Date), dates);
    QCOMPARE(control<QLabel>(m_table, u"drawTableCount"_s)->text(),
             u"%1 von 3 Ziehungen"_s.arg(dates.size()));
}

void DrawTableTest::doubleClickShowsTheDrawEverywhere() {
    // A double click on a cell of the oldest draw, as the mouse sends it.
    const QModelIndex oldest = view()->model()->index(2, DrawTableModel::Powerball);
    const QPoint cellCentre = view()->visualRect(oldest).center();
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, cellCentre);
    QTest::mouseDClick(view()->viewport(), Qt::LeftButton, {}, cellCentre);
    QCOMPARE(m_window->state().currentDraw.date, double(day("2015-10-07")));
    QCOMPARE(m_window->state().panelDrawDate, double(day("2015-10-07")));
    QVERIFY2(panelText().contains(u"07.10.15"_s), qPrintable(panelText()));
    // The arrows go on from the picked draw, and the table's current row follows them.
    QTest::mouseClick(control<QToolButton>(m_window, u"nextDrawButton"_s), Qt::LeftButton);
    QCOMPARE(m_window->state().currentDraw.date, double(day("2015-10-10")));
    QCOMPARE(cell(view()->currentIndex().row(), DrawTableModel::Date), u"10.10.2015"_s);

    // Enter on the current row does the same.
    pick(2);
    QTest::keyClick(view(), Qt::Key_Return);
    QCOMPARE(m_window->state().currentDraw.date, double(day("2015-10-07")));
}

void DrawTableTest::deleteAndUndoFollowTheFile() {
    const powerball::DrawHistory history =
        powerball::DrawHistory::inFolder(m_fixture->folder().path());
    const std::vector<powerball::DrawRecord> before = history.readAll();
    pick(1);
    QTest::keyClick(view(), Qt::Key_Delete);
    QCOMPARE(history.readAll().size(), std::size_t(2));
    QCOMPARE(columnTexts(DrawTableModel::Date), (QStringList{u"14.10.2015"_s, u"07.10.2015"_s}));
    QCOMPARE(control<QLabel>(m_window, u"statusPanel1"_s)->text(),
             u"Ziehung vom 10.10.2015 gelöscht – Strg+Z stellt sie wieder her"_s);
    auto* undo = control<QPushButton>(m_table, u"drawTableUndoButton"_s);
    QVERIFY(undo->isEnabled());

    // Ctrl+Z in the table takes it back, and the row is there again.
    QTest::keyClick(view(), Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(history.readAll() == before);
    QCOMPARE(view()->model()->rowCount(), 3);
    QVERIFY(!undo->isEnabled());

    // The button deletes the current row as the key does.
    pick(0);
    control<QPushButton>(m_table, u"drawTableDeleteButton"_s)->click();
    QCOMPARE(columnTexts(DrawTableModel::Date), (QStringList{u"10.10.2015"_s, u"07.10.2015"_s}));
    undo->click();
    QVERIFY(history.readAll() == before);
}

void DrawTableTest::followsAChangeFromOutside() {
    const powerball::DrawHistory history =
        powerball::DrawHistory::inFolder(m_fixture->folder().path());
    history.insertOrReplace(powerball::testing::draw("2015-10-17", {2, 4, 6, 8, 10}, 1, 2));
    // The next command of the window looks at the file again.
    QTest::mouseClick(control<QToolButton>(m_window, u"previousDrawButton"_s), Qt::LeftButton);
    QCOMPARE(view()->model()->rowCount(), 4);
    QCOMPARE(cell(0, DrawTableModel::Date), u"17.10.2015"_s);
    QCOMPARE(control<QLabel>(m_table, u"drawTableCount"_s)->text(), u"4 von 4 Ziehungen"_s);
}

QTEST_MAIN(DrawTableTest)
#include "DrawTableTest.moc"
