#include "ClickScriptDialog.h"
#include "DialogWatch.h"
#include "MainWindow.h"
#include "WindowControls.h"
#include "WindowFixture.h"
#include "base/FileReading.h"
#include "ports/RegistryKey.h"
#include "rules/handover/ClickScript.h"
#include "rules/output/TipFile.h"
#include "rules/sheet/TipSheet.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPushButton>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <memory>

using namespace Qt::Literals::StringLiterals;
using powerball::ClickScriptChoice;
using powerball::RegistryKey;
using powerball::TipSheet;
using powerball::testing::DialogWatch;
using powerball::testing::WindowFixture;
using powerball::ui::ClickScriptDialog;
using powerball::ui::MainWindow;
using Asked = powerball::ui::QtUserPrompts::Asked;

namespace {

std::vector<std::string> splitAtNuls(const std::string& bytes) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t end; (end = bytes.find('\0', start)) != std::string::npos; start = end + 1)
        parts.push_back(bytes.substr(start, end - start));
    return parts;
}

} // namespace

class TipOutputTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void savedTipsLoadBackThroughTheDialogs();
    void printWritesTheListingAndShowsIt();
    void printPreviewOpensOnCtrlPInATipField();
    void handOverStartsTheToolWithTheChosenValues();
    void missingToolAsksToInstallIt();

private:
    template <class T> T* child(const QString& name) const {
        return powerball::testing::control<T>(m_window, name);
    }
    QLineEdit* field(int row, int f) const {
        return powerball::testing::tipField(m_window, row, f);
    }
    void typeRow(int row, const std::array<QString, 6>& texts) {
        powerball::testing::typeTipRow(m_window, row, texts);
    }
    void click(const QString& button) {
        QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton);
    }
    std::filesystem::path file(const std::string& name) const { return m_fixture->file(name); }

    // The window on 20 October 2015, its own update server and a desktop that records.
    std::unique_ptr<WindowFixture> m_fixture;
    MainWindow* m_window = nullptr;
};

void TipOutputTest::init() {
    m_fixture = std::make_unique<WindowFixture>();
    m_window = &m_fixture->window();
    QVERIFY(m_fixture->showActive());
    // The pages behind the first follow the first paint.
    QTRY_VERIFY(m_window->allPagesBuilt());
}

void TipOutputTest::cleanup() {
    m_window = nullptr;
    m_fixture.reset();
}

void TipOutputTest::savedTipsLoadBackThroughTheDialogs() {
    typeRow(0, {u"3"_s, u"17"_s, u"22"_s, u"45"_s, u"61"_s, u"9"_s});
    typeRow(2, {u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s});

    // A name without extension gets ".vlt".
    m_window->prompts().setNextAnswer(QString::fromStdString(file("mine").string()));
    click(u"saveTipsButton"_s);
    const Asked& saving = m_window->prompts().asked().back();
    QCOMPARE(saving.kind, Asked::Kind::SaveFile);
    QCOMPARE(saving.filter, u"Tippdatei (*.vlt)"_s);
    QCOMPARE(saving.defaultText, u"vlt"_s);
    QCOMPARE(saving.text, QString::fromStdString(
                              powerball::TipFile::proposedName(m_window->state().selectedDate)));
    QCOMPARE(powerball::readFileBytes(file("mine.vlt"), 4096),
             std::string("3,17,22,45,61,9,\r\n1,2,3,4,5,6,\r\n"));

    click(u"clearAllTipsButton"_s);
    QCOMPARE(field(0, 0)->text(), QString());
    m_window->prompts().setNextAnswer(QString::fromStdString(file("mine.vlt").string()));
    click(u"loadTipsButton"_s);
    QCOMPARE(m_window->prompts().asked().back().kind, Asked::Kind::OpenFile);
    QCOMPARE(field(0, 4)->text(), u"61"_s);
    // The former row 3 moves up.
    QCOMPARE(field(1, 0)->text(), u"1"_s);
    QCOMPARE(field(2, 0)->text(), QString());
}

void TipOutputTest::printWritesTheListingAndShowsIt() {
    typeRow(1, {u"7"_s, u"8"_s, u"9"_s, u"10"_s, u"11"_s, u"12"_s});
    click(u"printTipsButton"_s);
    const std::filesystem::path listing = file("Tipp.txt");
    QCOMPARE(m_fixture->shell().opened, std::vector<std::string>{listing.string()});
    const std::string text = powerball::readFileBytes(listing, 4096);
    QVERIFY2(
        text.find("\r\n 2. Velmars Dediv-Tipp für :  7    8    9   10   11   PowerBall: 12\r\n") !=
            std::string::npos,
        text.c_str());

    // A row without its Powerball cannot be printed: a box says why, nothing is shown.
    typeRow(3, {u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u""_s});
    m_window->prompts().setNextAnswer(u"OK"_s);
    click(u"printTipsButton"_s);
    QCOMPARE(m_window->prompts().asked().back().kind, Asked::Kind::Failure);
    QVERIFY(m_window->prompts().asked().back().text.contains(u"row 4"_s));
    QCOMPARE(m_fixture->shell().opened.size(), 1u);
}

void TipOutputTest::printPreviewOpensOnCtrlPInATipField() {
    typeRow(0, {u"3"_s, u"17"_s, u"22"_s, u"45"_s, u"61"_s, u"9"_s});
    int shown = 0;
    DialogWatch<QPrintPreviewDialog> watch([&shown](QPrintPreviewDialog* dialog) {
        ++shown;
        dialog->reject();
    });
    field(4, 2)->setFocus();
    QTest::keyClick(field(4, 2), Qt::Key_P, Qt::ControlModifier);
    QTRY_COMPARE(shown, 1);
    // The key went to the menu, not into the field.
    QCOMPARE(field(4, 2)->text(), QString());
}

void TipOutputTest::handOverStartsTheToolWithTheChosenValues() {
    const std::filesystem::path toolFolder = file("Klickwerk");
    std::filesystem::create_directories(toolFolder);
    std::filesystem::copy_file(std::filesystem::path(POWERBALL_SOURCE_DIR) / "tests" / "support" /
                                   "pilotex-stand-in.sh",
                               toolFolder / "Pilotex.exe");
    RegistryKey tool(m_fixture->store(), powerball::ClickScript::kToolKey);
    tool.writeString("Path", toolFolder.string());
    tool.writeString("ZudarAvodaText1", "Max Muster");
    std::filesystem::create_directories(file("Script"));
    std::ofstream(file("Script") / "portal.vks", std::ios::binary) << "[Z1_1] [S1_1] [Z1_2]";
    typeRow(0, {u"3"_s, u"17"_s, u"22"_s, u"45"_s, u"61"_s, u"9"_s});

    ClickScriptChoice shownChoice;
    QString groupTitle;
    DialogWatch<ClickScriptDialog> watch([&](ClickScriptDialog* dialog) {
        shownChoice = dialog->choice();
        groupTitle = dialog->findChild<QGroupBox*>(u"parameterGroup"_s)->title();
        dialog->findChild<QLineEdit*>(u"TEXT2"_s)->setText(u"pa\"ss word\" --x"_s);
        QTest::mouseClick(dialog->findChild<QPushButton*>(u"okButton"_s), Qt::LeftButton);
    });
    // Ctrl+G from inside a tip field: the hidden menu entry "&Abgeben".
    field(5, 0)->setFocus();
    QTest::keyClick(field(5, 0), Qt::Key_G, Qt::ControlModifier);
    QCOMPARE(watch.shown(), 1);
    QCOMPARE(groupTitle, u"Parameter "_s);
    QCOMPARE(shownChoice.script, (file("Script") / "portal.vks").string());
    QCOMPARE(shownChoice.text1, std::string("Max Muster"));

    const std::filesystem::path handOver = m_window->state().handOverPath;
    QCOMPARE(handOver.parent_path(), file("Tipps"));
    QCOMPARE(powerball::readFileBytes(handOver, 4096), std::string("3,17,22,45,61,9,\r\n"));
    // The filled copy is named by the day of the hand-over.
    const std::filesystem::path copy = file("Tipps") / "20151020.vks";
    QCOMPARE(powerball::readFileBytes(copy, 4096), std::string("3 9 "));
    // The script was asked of the window's update server, and of no other.
    QCOMPARE(m_fixture->server().paths(), QStringList{u"/scripts/portal.vks.txt"_s});

    const std::filesystem::path recorded = toolFolder / "arguments";
    QTRY_VERIFY_WITH_TIMEOUT(std::filesystem::exists(recorded), 10000);
    QCOMPARE(splitAtNuls(powerball::readFileBytes(recorded, 4096)),
             (std::vector<std::string>{"START", copy.string(), "0", "Max Muster", "0",
                                       "pa\"ss word\" --x"}));
    QCOMPARE(tool.readString("ZudarAvodaText2"), std::optional<std::string>("pa\"ss word\" --x"));
}

void TipOutputTest::missingToolAsksToInstallIt() {
    m_window->prompts().setNextAnswer(u"Yes"_s);
    click(u"handOverButton"_s);
    const Asked& question = m_window->prompts().asked().back();
    QCOMPARE(question.kind, Asked::Kind::Question);
    QCOMPARE(question.caption, u"Klickmeister jetzt installieren?"_s);
    QCOMPARE(question.text, u"Velmars Klickmeister installieren?"_s);
    QCOMPARE(m_fixture->shell().opened,
             std::vector<std::string>{
                 m_window->state().internet.serverAddress("/dateien/pilotexp.exe")});
    QVERIFY(QString::fromStdString(m_fixture->shell().opened.front())
                .startsWith(m_fixture->server().base()));
}

QTEST_MAIN(TipOutputTest)
#include "TipOutputTest.moc"
