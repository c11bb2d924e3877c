#include "AboutDialog.h"
#include "DataAgeBar.h"
#include "DialogWatch.h"
#include "MainWindow.h"
#include "ReportWindow.h"
#include "ShortcutListDialog.h"
#include "TipPrintPreview.h"
#include "WindowControls.h"
#include "WindowFixture.h"
#include "app/Settings.h"
#include "base/FileReading.h"
#include "ports/RegistryKey.h"

#include <QAction>
#include <QEnterEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTest>
#include <QTextDocument>
#include <QTextTable>

#include <filesystem>
#include <memory>

using namespace Qt::Literals::StringLiterals;
using powerball::RegistryKey;
using powerball::testing::DialogWatch;
using powerball::testing::WindowFixture;
using powerball::ui::AboutDialog;
using powerball::ui::DataAgeBar;
using powerball::ui::MainWindow;
using powerball::ui::ReportWindow;
using powerball::ui::ShortcutListDialog;
using Asked = powerball::ui::QtUserPrompts::Asked;

// The help menu, the note on old draws, the report window, the keys for the tip files and the
// printed page, on the real window.
class HelpAndReportsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup();

    void oldDrawsShowTheNoteUntilTheyAreCurrent();
    void currentDrawsShowNoNote();
    void aboutBoxNamesFolderDrawsAndTheirAge();
    void shortcutListFollowsTheLiveActions();
    void printedListingShowsInAReportWindowThatSaves();
    void tipFileKeysOpenWhereTheLastTipFileWas();
    void printedPageIsATableWithThePowerballApart();
    void hintGoesWhenThePointerLeaves();

private:
    // A window on three October 2015 draws (the newest of 14 October), seen on `today`.
    void open(const char* today);
    template <class T> T* child(const QString& name) const {
        return powerball::testing::control<T>(m_window, name);
    }
    std::filesystem::path file(const std::string& name) const { return m_fixture->file(name); }

    std::unique_ptr<WindowFixture> m_fixture;
    MainWindow* m_window = nullptr;
};

void HelpAndReportsTest::open(const char* today) {
    m_fixture = std::make_unique<WindowFixture>(today);
    m_window = &m_fixture->window();
    QVERIFY(m_fixture->showActive());
}

void HelpAndReportsTest::cleanup() {
    m_window = nullptr;
    m_fixture.reset();
}

void HelpAndReportsTest::oldDrawsShowTheNoteUntilTheyAreCurrent() {
    open("2015-11-20");
    auto* bar = child<DataAgeBar>(u"dataAgeBar"_s);
    // Ten draw days from 17 October to 18 November; today's draw (Friday: none) never counts.
    QTRY_VERIFY(bar->isVisible());
    QCOMPARE(bar->note(), u"Die Ziehungsdaten enden am 14.10.2015 – 10 Ziehungen fehlen."_s);

    // The draws arrive (here: beside the program); the update of the bar's button finds
    // nothing more on the server, and the note goes.
    std::vector<powerball::DrawRecord> draws = powerball::testing::threeOctoberDraws();
    draws.push_back(powerball::testing::draw("2015-11-18", {2, 4, 6, 8, 10}, 3));
    powerball::testing::writeDrawFile(m_fixture->folder(), draws);
    QTest::mouseClick(child<QPushButton>(u"dataAgeLoadButton"_s), Qt::LeftButton);
    QTRY_VERIFY(!m_window->state().updateRunning());
    QVERIFY(bar->isHidden());
}

void HelpAndReportsTest::currentDrawsShowNoNote() {
    // A week after the newest draw is still current.
    open("2015-10-22");
    QCoreApplication::processEvents();
    QVERIFY(child<DataAgeBar>(u"dataAgeBar"_s)->isHidden());
}

void HelpAndReportsTest::aboutBoxNamesFolderDrawsAndTheirAge() {
    open("2015-11-20");
    m_window->setSettingsFile(file("settings.reg"));
    QString text;
    DialogWatch<AboutDialog> watch([&text](AboutDialog* dialog) {
        text = dialog->text();
        dialog->reject();
    });
    child<QAction>(u"actionAbout"_s)->trigger();
    QCOMPARE(watch.shown(), 1);
    for (const QString& expected :
         {u"Programmordner: "_s + QString::fromStdString(m_fixture->folder().path().string()),
          u"Gespeicherte Ziehungen: 3, die neueste vom 14.10.2015"_s,
          u"Die Ziehungsdaten enden am 14.10.2015 – 10 Ziehungen fehlen."_s,
          u"Einstellungsdatei: "_s + QString::fromStdString(file("settings.reg").string()),
          u"Alle Rechte vorbehalten"_s})
        QVERIFY2(text.contains(expected), qPrintable(text));
}

void HelpAndReportsTest::shortcutListFollowsTheLiveActions() {
    open("2015-10-20");
    // An action added now appears too: the list is read from the window, not kept apart.
    auto* added = new QAction(u"&Neuer Befehl"_s, m_window);
    added->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_K));
    m_window->addAction(added);

    const auto entries = ShortcutListDialog::entries(m_window, m_window->state().messages);
    const auto commandOf = [&entries](const QKeySequence& key) {
        for (const ShortcutListDialog::Entry& entry : entries)
            if (entry.keys == key.toString(QKeySequence::NativeText))
                return entry.command;
        return u"(none)"_s;
    };
    const std::pair<QKeySequence, QString> expected[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_A), u"Ziehungsdaten laden"_s},
        {QKeySequence(Qt::CTRL | Qt::Key_R), u"Berechnen"_s},
        {QKeySequence(Qt::CTRL | Qt::Key_P), u"Drucken…"_s},
        {QKeySequence(Qt::CTRL | Qt::Key_G), u"Abgeben"_s},
        {QKeySequence(Qt::CTRL | Qt::Key_S), u"Tipp speichern"_s},
        {QKeySequence(Qt::CTRL | Qt::Key_O), u"Tipp laden"_s},
        {QKeySequence(Qt::Key_Escape),
         u"Laufende Berechnung, Analyse oder Aktualisierung anhalten"_s},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_K), u"Neuer Befehl"_s},
    };
    for (const auto& [key, command] : expected)
        QCOMPARE(commandOf(key), command);
    // Every key of the window is listed once.
    QStringList keys;
    for (const ShortcutListDialog::Entry& entry : entries)
        keys << entry.keys;
    QCOMPARE(keys.removeDuplicates(), 0);
}

void HelpAndReportsTest::printedListingShowsInAReportWindowThatSaves() {
    open("2015-10-20");
    powerball::testing::typeTipRow(m_window, 1,
                                   {u"7"_s, u"8"_s, u"9"_s, u"10"_s, u"11"_s, u"12"_s});
    QTest::mouseClick(child<QPushButton>(u"printTipsButton"_s), Qt::LeftButton);
    // Still handed to the desktop, and shown by the program as well.
    QCOMPARE(m_fixture->shell().opened, std::vector<std::string>{file("Tipp.txt").string()});
    auto* report = m_window->findChild<ReportWindow*>();
    QVERIFY(report);
    QVERIFY(report->isVisible());
    QVERIFY2(report->text().contains(u" 2. Velmars Dediv-Tipp für :  7    8    9"_s),
             qPrintable(report->text()));

    // "Speichern unter…" writes the bytes of the file, line ends included.
    QCOMPARE(report->saveTo(file("copy.txt")), std::nullopt);
    QCOMPARE(powerball::readFileBytes(file("copy.txt"), 4096),
             powerball::readFileBytes(file("Tipp.txt"), 4096));
    // A save that cannot happen says where and why, and leaves nothing behind.
    const std::optional<QString> failure = report->saveTo(file("no-such-folder") / "copy.txt");
    QVERIFY(failure);
    QVERIFY2(failure->contains(u"konnte nicht gespeichert werden"_s), qPrintable(*failure));
    QVERIFY(!std::filesystem::exists(file("no-such-folder")));

    // A second print renews the same window.
    QTest::mouseClick(child<QPushButton>(u"clearAllTipsButton"_s), Qt::LeftButton);
    powerball::testing::typeTipRow(m_window, 1, {u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s});
    QTest::mouseClick(child<QPushButton>(u"printTipsButton"_s), Qt::LeftButton);
    QCOMPARE(m_window->findChildren<ReportWindow*>().size(), 1);
    QVERIFY(report->text().contains(u" 2. Velmars Dediv-Tipp für :  1    2    3"_s));
}

void HelpAndReportsTest::tipFileKeysOpenWhereTheLastTipFileWas() {
    open("2015-10-20");
    std::filesystem::create_directories(file("plays"));
    powerball::testing::typeTipRow(m_window, 0,
                                   {u"3"_s, u"17"_s, u"22"_s, u"45"_s, u"61"_s, u"9"_s});
    QLineEdit* field = powerball::testing::tipField(m_window, 4, 1);
    field->setFocus();

    // Ctrl+S: the first dialog opens in the documents folder, not in the program folder.
    m_window->prompts().setNextAnswer(QString::fromStdString((file("plays") / "mine").string()));
    QTest::keyClick(field, Qt::Key_S, Qt::ControlModifier);
    const Asked saving = m_window->prompts().asked().back();
    QCOMPARE(saving.kind, Asked::Kind::SaveFile);
    QVERIFY(saving.folder != QString::fromStdString(m_fixture->folder().path().string()));
    QVERIFY(std::filesystem::exists(file("plays") / "mine.vlt"));

    // Ctrl+O: opens where the last tip file went; the folder is kept in the settings.
    m_window->prompts().setNextAnswer(std::nullopt); // cancelled
    QTest::keyClick(field, Qt::Key_O, Qt::ControlModifier);
    const Asked loading = m_window->prompts().asked().back();
    QCOMPARE(loading.kind, Asked::Kind::OpenFile);
    QCOMPARE(loading.folder, QString::fromStdString(file("plays").string()));
    QCOMPARE(field->text(), QString()); // the keys went to the window, not into the field
    m_window->close();
    QCOMPARE(RegistryKey(m_fixture->store(), powerball::Settings::kKey).readString("TipFileFolder"),
             std::optional<std::string>(file("plays").string()));
}

void HelpAndReportsTest::printedPageIsATableWithThePowerballApart() {
    powerball::TipPage page;
    page.title = "Velmars Dediv-Tipp für 17.10.2015";
    page.rows = {{0, {3, 17, 22, 45, 61}, 9}, {2, {1, 2, 3, 4, 5}, 26}};
    const powerball::MessageTable messages;
    const auto document = powerball::ui::tipPageDocument(page, messages, QFont());
    QVERIFY(document->toPlainText().startsWith(u"Velmars Dediv-Tipp für 17.10.2015"_s));
    QTextTable* table = nullptr;
    for (QTextFrame* frame : document->rootFrame()->childFrames())
        if ((table = qobject_cast<QTextTable*>(frame)))
            break;
    QVERIFY(table);
    QCOMPARE(table->rows(), 3); // the heading and a row per tip
    QCOMPARE(table->columns(), 7);
    const auto cell = [table](int row, int column) {
        QTextCursor first = table->cellAt(row, column).firstCursorPosition();
        first.setPosition(table->cellAt(row, column).lastCursorPosition().position(),
                          QTextCursor::KeepAnchor);
        return first.selectedText();
    };
    QCOMPARE(cell(0, 1), u"Zahlen"_s);
    QCOMPARE(cell(0, 6), u"Powerball"_s);
    const QStringList first = {u"1."_s, u"3"_s, u"17"_s, u"22"_s, u"45"_s, u"61"_s, u"9"_s};
    const QStringList third = {u"3."_s, u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"26"_s};
    for (int c = 0; c < 7; ++c) {
        QCOMPARE(cell(1, c), first[c]);
        QCOMPARE(cell(2, c), third[c]);
        // The numbers stand right-aligned in their columns, the Powerball apart.
        if (c >= 1 && c <= 5)
            QCOMPARE(table->cellAt(1, c).firstCursorPosition().blockFormat().alignment() &
                         Qt::AlignHorizontal_Mask,
                     Qt::AlignRight);
    }
    QVERIFY(table->cellAt(1, 6).firstCursorPosition().charFormat().fontWeight() >= QFont::Bold);
    QVERIFY(table->cellAt(1, 6).format().toTableCellFormat().leftBorder() > 0);
}

void HelpAndReportsTest::hintGoesWhenThePointerLeaves() {
    open("2015-10-20");
    auto* panel = child<QLabel>(u"statusPanel1"_s);
    // The hint's panel lies beside the connection's, never over it.
    const QRect first = child<QLabel>(u"statusPanel0"_s)->geometry();
    QVERIFY2(panel->geometry().left() > first.right(),
             qPrintable(u"%1 over %2"_s.arg(panel->geometry().left()).arg(first.right())));
    auto* button = child<QPushButton>(u"printTipsButton"_s);
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QCoreApplication::sendEvent(button, &enter);
    QCOMPARE(panel->text(), button->toolTip());
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(button, &leave);
    QCOMPARE(panel->text(), QString());

    // A text longer than its panel shows whole as the panel's tooltip; one that fits needs none.
    QCoreApplication::sendEvent(button, &enter);
    QVERIFY(panel->toolTip().isEmpty());
    const QString longText = QString(u"Eine sehr lange Meldung "_s).repeated(60);
    button->setToolTip(longText);
    QCoreApplication::sendEvent(button, &enter);
    QCOMPARE(panel->text(), longText);
    QCOMPARE(panel->toolTip(), longText);
    QVERIFY(m_window->width() < panel->fontMetrics().horizontalAdvance(longText));
}

QTEST_MAIN(HelpAndReportsTest)
#include "HelpAndReportsTest.moc"
