#include "MainWindow.h"
#include "base/DrawCalendar.h"
#include "draws/DrawHistory.h"
#include "platform/registry/RegistryFileStore.h"
#include "rules/sheet/TipSheet.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QEnterEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <filesystem>
#include <functional>
#include <memory>

using namespace Qt::Literals::StringLiterals;
using powerball::RegistryFileStore;
using powerball::TipSheet;
using powerball::ui::MainWindow;

// The options and the window size in the real window, kept in a settings file of the test's
// own and found again by the next window.
class SettingsWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void changedOptionsSurviveARestart();
    void maximisedWindowKeepsTheStoredSize();
    void damagedSettingsFileIsKeptAsideWithANote();
    void spinCouplingsAdjustTheOtherRange();
    void pointingAtAnOptionShowsItsHint_data();
    void pointingAtAnOptionShowsItsHint();
    void chartShortcutsRunTheirStatistic();

private:
    // A new window over the settings file; the previous one is gone by then. `beforeShow`
    // may answer the boxes its first activation brings.
    void openWindow(const std::function<void(MainWindow&)>& beforeShow = {}) {
        m_window.reset();
        m_store = std::make_unique<RegistryFileStore>(settingsFile());
        m_window = std::make_unique<MainWindow>(m_folder->path().toStdString(), m_store.get());
        if (beforeShow)
            beforeShow(*m_window);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        // The pages behind the first follow the first paint.
        QTRY_VERIFY(m_window->allPagesBuilt());
    }
    void closeWindow() {
        m_window->close();
        m_window.reset();
        m_store.reset();
    }
    std::filesystem::path settingsFile() const {
        return std::filesystem::path(m_folder->path().toStdString()) / "registry.reg";
    }
    template <class T> T* child(const QString& name) const {
        T* found = m_window->findChild<T*>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    QString statusHint() const { return child<QLabel>(u"statusPanel1"_s)->text(); }

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<RegistryFileStore> m_store;
    std::unique_ptr<MainWindow> m_window;
};

void SettingsWindowTest::init() {
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    // One stored draw, so that the activation has a draw to show.
    powerball::DrawRecord record;
    record.date = powerball::DrawCalendar::dayNumber(2024, 1, 6);
    record.setNumbers({7, 19, 40, 55, 66}, 9, 2);
    const powerball::DrawHistory history(std::filesystem::path(m_folder->path().toStdString()) /
                                         "Powerball.dat");
    history.createEmpty();
    history.insertOrReplaceAll({record});
    openWindow();
}

void SettingsWindowTest::cleanup() {
    m_window.reset();
    m_store.reset();
    m_folder.reset();
}

void SettingsWindowTest::changedOptionsSurviveARestart() {
    child<QCheckBox>(u"CheckBox2"_s)->click();
    child<QCheckBox>(u"CheckBox31"_s)->click(); // a Powerball no longer counts as a hit ...
    child<QSpinBox>(u"UpDown6"_s)->setValue(7); // ... so 7 is too many after the restart
    child<QSpinBox>(u"UpDown18"_s)->setValue(100);
    child<QSpinBox>(u"UpDown8"_s)->setValue(9);
    child<QRadioButton>(u"RadioButton3"_s)->click();
    QLineEdit* tipField = child<QLineEdit>(QString::fromStdString(TipSheet::fieldName(0, 0)));
    tipField->setFocus();
    QTest::keyClicks(tipField, u"42"_s);
    QTest::keyClicks(child<QLineEdit>(u"ProxyHostEdit"_s), u"proxy.example"_s);
    closeWindow();

    openWindow();
    QVERIFY(child<QCheckBox>(u"CheckBox2"_s)->isChecked());
    QVERIFY(!child<QCheckBox>(u"CheckBox31"_s)->isChecked());
    auto* earlierWin = child<QSpinBox>(u"UpDown6"_s);
    QCOMPARE(earlierWin->maximum(), 5);
    QCOMPARE(earlierWin->value(), 5);
    QCOMPARE(child<QSpinBox>(u"UpDown18"_s)->value(), 100);
    QCOMPARE(child<QSpinBox>(u"UpDown8"_s)->value(), 9);
    QVERIFY(child<QRadioButton>(u"RadioButton3"_s)->isChecked());
    QVERIFY(!child<QRadioButton>(u"RadioButton1"_s)->isChecked());
    QCOMPARE(child<QLineEdit>(QString::fromStdString(TipSheet::fieldName(0, 0)))->text(), u"42"_s);
    QCOMPARE(child<QLineEdit>(u"ProxyHostEdit"_s)->text(), u"proxy.example"_s);
    QCOMPARE(child<QLineEdit>(u"ProxyPortEdit"_s)->text(), u"80"_s);
}

void SettingsWindowTest::maximisedWindowKeepsTheStoredSize() {
    const QSize stored = m_window->size() + QSize(40, 30);
    m_window->resize(stored);
    QTRY_COMPARE(m_window->size(), stored);
    closeWindow();

    openWindow();
    QCOMPARE(m_window->size(), stored);
    m_window->showMaximized();
    QTRY_VERIFY(m_window->isMaximized());
    closeWindow();

    openWindow();
    QCOMPARE(m_window->size(), stored);
}

void SettingsWindowTest::damagedSettingsFileIsKeptAsideWithANote() {
    closeWindow();
    QFile damaged(QString::fromStdString(settingsFile().string()));
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write("no registry file\n[\n");
    damaged.close();

    // The note comes once as a plain-text box after the window appears, naming the kept file.
    const powerball::ui::QtUserPrompts* prompts = nullptr;
    openWindow([&prompts](MainWindow& window) {
        window.prompts().setNextAnswer();
        prompts = &window.prompts();
    });
    QTRY_VERIFY(!prompts->asked().empty());
    const QString boxText = prompts->asked().front().text;
    QCOMPARE(prompts->asked().front().format, Qt::PlainText);
    const QString asideName = QString::fromStdString(settingsFile().string()) + u".damaged"_s;
    QVERIFY2(boxText.contains(asideName), qPrintable(boxText));
    QVERIFY(statusHint().contains(u"beschädigt"_s));
    QFile aside(asideName);
    QVERIFY(aside.open(QIODevice::ReadOnly));
    QCOMPARE(aside.readAll(), QByteArray("no registry file\n[\n"));
}

void SettingsWindowTest::spinCouplingsAdjustTheOtherRange() {
    auto* maxOverlap = child<QSpinBox>(u"UpDown3"_s);
    auto* minOverlap = child<QSpinBox>(u"UpDown9"_s);
    maxOverlap->setValue(3);
    QTest::mousePress(maxOverlap, Qt::LeftButton);
    QTest::mouseRelease(maxOverlap, Qt::LeftButton);
    QCOMPARE(minOverlap->maximum(), 3);
    minOverlap->setValue(4); // beyond the bound just set
    QCOMPARE(minOverlap->value(), 3);

    auto* minEven = child<QSpinBox>(u"UpDown15"_s);
    auto* minOdd = child<QSpinBox>(u"UpDown16"_s);
    minOdd->setValue(4);
    QTest::mousePress(minEven, Qt::LeftButton);
    QTest::mouseRelease(minEven, Qt::LeftButton);
    QCOMPARE(minEven->maximum(), 2);
    QCOMPARE(minEven->value(), 2);

    // Typed text and the arrow keys couple as well as the spin buttons.
    minOverlap->setValue(0);
    QCOMPARE(maxOverlap->minimum(), 0);
    maxOverlap->setFocus();
    maxOverlap->selectAll();
    QTest::keyClicks(maxOverlap, u"1"_s);
    QCOMPARE(minOverlap->maximum(), 1);
    minOdd->setFocus();
    QTest::keyClick(minOdd, Qt::Key_Down);
    QCOMPARE(minOdd->value(), 3);
    QCOMPARE(minOdd->maximum(), 4);
    minEven->setFocus();
    QTest::keyClick(minEven, Qt::Key_Up);
    QCOMPARE(minEven->value(), 3);
    QCOMPARE(minEven->maximum(), 3);
}

void SettingsWindowTest::pointingAtAnOptionShowsItsHint_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("hint");
    QTest::newRow("check box") << u"CheckBox2"_s
                               << u"Die ersten X% der am häufigsten gezogenen Zahlen bevorzugen"_s;
    QTest::newRow("spin with its edit's hint")
        << u"UpDown6"_s
        << u"Setzen Sie den Wert auf 5 oder 6 falls Sie die komplette Datenbank verwenden"_s;
    QTest::newRow("no hint clears the panel") << u"CheckBox1"_s << QString();
    QTest::newRow("caption tail of its check box")
        << u"CheckBox28Tail"_s
        << u"Tipp vor noch keinen Xer aus der Datenbank entsprechen, beginnen mit dem Datum  "
           u"aus deer Diagrammübersicht"_s;
    QTest::newRow("caption of a spin without hint") << u"crossSumFromLabel"_s << QString();
    QTest::newRow("chart button") << u"overdueChartButton"_s
                                  << u"Erzeugt die Grafik für die Ausstehenden Zahlen"_s;
    QTest::newRow("chart tool bar")
        << u"actionOverduePowerballs"_s << u"wie lange sind die einzelnen Sternzahlen überfällig"_s;
}

void SettingsWindowTest::pointingAtAnOptionShowsItsHint() {
    QFETCH(QString, control);
    QFETCH(QString, hint);
    child<QTabWidget>(u"pages"_s)->setCurrentIndex(1);
    auto* previous = child<QToolButton>(u"previousDrawButton"_s);
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(previous, &enter); // some hint beforehand
    QVERIFY(!statusHint().isEmpty());
    QWidget* pointed = m_window->findChild<QWidget*>(control);
    if (!pointed) { // a tool bar action: the button that shows it
        const auto* action = child<QAction>(control);
        for (auto* button : m_window->findChildren<QToolButton*>())
            if (button->defaultAction() == action)
                pointed = button;
        QVERIFY(pointed);
    }
    QApplication::sendEvent(pointed, &enter);
    QCOMPARE(statusHint(), hint);
}

void SettingsWindowTest::chartShortcutsRunTheirStatistic() {
    auto* pages = child<QTabWidget>(u"pages"_s);
    pages->setCurrentIndex(1);
    // The frequency shortcut beside the first option leaves the page in front.
    QTest::mouseClick(child<QToolButton>(u"frequentChartButton"_s), Qt::LeftButton);
    QCOMPARE(pages->currentIndex(), 1);
    QTest::mouseClick(child<QToolButton>(u"pairsChartButton"_s), Qt::LeftButton);
    QCOMPARE(pages->currentIndex(), 2);

    // The explanatory texts of the conditions do the same.
    pages->setCurrentIndex(1);
    Q_EMIT child<QLabel>(u"groupsChartText"_s)->linkActivated(u"1"_s);
    QCOMPARE(pages->currentIndex(), 2);
    pages->setCurrentIndex(1);
    QTest::mouseClick(child<QLabel>(u"crossSumChartText"_s), Qt::LeftButton);
    QCOMPARE(pages->currentIndex(), 2);
}

QTEST_MAIN(SettingsWindowTest)
#include "SettingsWindowTest.moc"
