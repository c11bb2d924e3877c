#include "CaptionIndex.h"
#include "LanguagePass.h"
#include "MainWindow.h"
#include "TempFolder.h"
#include "WindowFixture.h"
#include "app/Settings.h"
#include "base/MessageTable.h"
#include "ports/MemoryRegistryStore.h"
#include "ports/RegistryKey.h"
#include "rules/language/LanguageFiles.h"
#include "rules/sheet/TipSheet.h"

#include <QAbstractButton>
#include <QAction>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QDateEdit>
#include <QEnterEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

#include <filesystem>
#include <fstream>

using namespace Qt::Literals::StringLiterals;
using powerball::MemoryRegistryStore;
using powerball::TipSheet;
using powerball::testing::TempFolder;
using powerball::testing::WindowFixture;
using powerball::ui::MainWindow;
namespace LanguageFiles = powerball::LanguageFiles;

namespace {

QStringList shippedLines(const std::string& name) {
    QStringList lines;
    for (const std::string& line :
         LanguageFiles::readLines(powerball::testing::shippedLanguageFiles() / name, 1 << 16).lines)
        lines << QString::fromStdString(line);
    return lines;
}

} // namespace

class LanguageWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void shippedIndexIsTheWindowsIndex();
    void everyLanguageHasALineForEachRecordAndMessage();
    void freshSettingsComeUpInEnglish();
    void aStartInTheStoredLanguageHasItsOwnWidth_data();
    void aStartInTheStoredLanguageHasItsOwnWidth();
    void aTaggedTipFieldKeepsItsText();
    void everyTextFitsInEveryLanguage();
    void datesAndCalendarsFollowTheChosenLanguage();
};

void LanguageWindowTest::shippedIndexIsTheWindowsIndex() {
    TempFolder folder;
    MainWindow window(folder.path());
    powerball::ui::addProgramDialogs(window);
    QCOMPARE(powerball::ui::unnamedTexts(&window), QStringList());
    // On a difference: build powerball-caption-index and run it on data/Land.
    QCOMPARE(powerball::ui::captionIndexLines(&window), shippedLines("powerball.txt"));
    QCOMPARE(powerball::ui::languageFileLines(&window), shippedLines("Power_de.txt"));
}

void LanguageWindowTest::everyLanguageHasALineForEachRecordAndMessage() {
    const qsizetype records = shippedLines("powerball.txt").size() / 5;
    const auto& builtIn = powerball::MessageTable::builtIn();
    for (const auto& language : LanguageFiles::languages()) {
        const QStringList lines = shippedLines(language.fileName);
        QVERIFY2(lines.size() == 2 * records, language.fileName);
        const QStringList messages = shippedLines(std::string(language.fileName) + ".meld");
        QVERIFY2(messages.size() == static_cast<qsizetype>(builtIn.size()), language.fileName);
        for (std::size_t k = 0; k < builtIn.size(); ++k) {
            const QString message = messages[static_cast<qsizetype>(k)];
            const QString where =
                u"%1 entry %2"_s.arg(QString::fromLatin1(language.fileName)).arg(k);
            QVERIFY2(builtIn[k].empty() == message.isEmpty(), qPrintable(where));
            // A translation keeps every placeholder the program fills in.
            for (const char* placeholder : {"%1", "%2", "%3"})
                QVERIFY2(builtIn[k].find(placeholder) == std::string::npos ||
                             message.contains(QLatin1String(placeholder)),
                         qPrintable(where));
        }
    }
}

void LanguageWindowTest::freshSettingsComeUpInEnglish() {
    WindowFixture program("2015-10-20", WindowFixture::Languages::Shipped);
    MainWindow& window = program.window();
    QVERIFY(program.showActive());
    // The pages behind the first follow the first paint.
    QTRY_VERIFY(window.allPagesBuilt());
    QTRY_COMPARE(window.state().languageIndex, 2);
    QVERIFY(window.findChild<QAction*>(u"actionLanguageEnglish"_s)->isChecked());
    const QStringList english = shippedLines("Power_en.txt");
    const QStringList index = shippedLines("powerball.txt");
    const qsizetype record = index.indexOf(u"calculateTipsButton"_s) / 5;
    auto* calculate = window.findChild<QPushButton*>(u"calculateTipsButton"_s);
    QCOMPARE(calculate->text(), english[2 * record]);
    QCOMPARE(QString::fromStdString(window.state().generator.idleCaption), english[2 * record]);
    QCOMPARE(QString::fromStdString(window.state().messages.text(powerball::Msg::Stop)),
             shippedLines("Power_en.txt.meld")[powerball::Msg::Stop]);

    // The mouse over the button puts its hint in the status bar.
    auto* hintPanel = window.findChild<QLabel*>(u"statusPanel1"_s);
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QCoreApplication::sendEvent(calculate, &enter);
    const QString englishHint = calculate->toolTip();
    QCOMPARE(hintPanel->text(), englishHint);

    // A spin field's hint is translated like any edit field's.
    auto* spin = window.findChild<QSpinBox*>(u"UpDown12"_s);
    const qsizetype spinRecord = index.indexOf(u"Edit85"_s) / 5;
    QVERIFY(spinRecord > 0);
    QCOMPARE(spin->toolTip(), english[2 * spinRecord + 1]);
    QCOMPARE(spin->toolTip(), u"The first X percent are given a higher probability"_s);

    // Back to German from the menu; the hint shown is said again in German.
    window.findChild<QAction*>(u"actionLanguageGerman"_s)->trigger();
    QCOMPARE(calculate->text(), u"Tipps berechnen"_s);
    QCOMPARE(window.state().languageIndex, 1);
    QVERIFY(calculate->toolTip() != englishHint);
    QCOMPARE(hintPanel->text(), calculate->toolTip());
}

void LanguageWindowTest::aStartInTheStoredLanguageHasItsOwnWidth_data() {
    QTest::addColumn<int>("language");
    QTest::newRow("English") << 2;
    QTest::newRow("German") << 1;
    QTest::newRow("Russian") << 6;
}

// A start in the stored language opens as wide as that language needs: the designed width
// where its menu bar and pages fit in it (English), else as wide as every entry of the bar or
// the pages need, never the width the German bar took before the language was applied.
void LanguageWindowTest::aStartInTheStoredLanguageHasItsOwnWidth() {
    QFETCH(int, language);
    TempFolder folder;
    std::filesystem::copy(powerball::testing::shippedLanguageFiles(), folder.file("Land"));
    powerball::testing::writeDrawFile(folder, powerball::testing::threeOctoberDraws());
    MemoryRegistryStore store;
    powerball::RegistryKey(store, powerball::Settings::kKey).writeInteger("Sprache", language);
    MainWindow window(folder.path(), &store);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTRY_COMPARE(window.state().languageIndex, language);
    QTRY_VERIFY(window.allPagesBuilt());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);

    QMenuBar* bar = window.menuBar();
    QStringList outOfView;
    int lastRight = 0;
    for (QAction* action : bar->actions()) {
        if (!action->isVisible() || action->isSeparator())
            continue;
        const QRect place = bar->actionGeometry(action);
        if (!place.isValid() || place.right() >= bar->width())
            outOfView << action->text();
        lastRight = std::max(lastRight, place.right());
    }
    QVERIFY2(outOfView.isEmpty(), qPrintable(outOfView.join(u", "_s)));
    // No wider than the designed width, the bar's last entry or the pages ask for.
    const int needed = std::max(
        {MainWindow::kDesignedClientWidth, lastRight + 1, window.minimumSizeHint().width()});
    QVERIFY2(window.width() <= needed + 8,
             qPrintable(u"%1 px wide, %2 needed"_s.arg(window.width()).arg(needed)));
    if (language == 2)
        QCOMPARE(window.width(), MainWindow::kDesignedClientWidth);

    // The width the language took goes back with it.
    window.findChild<QAction*>(u"actionLanguageEnglish"_s)->trigger();
    QCOMPARE(window.state().languageIndex, 2);
    QCOMPARE(window.width(), MainWindow::kDesignedClientWidth);
}

// The calendars, Qt's dialogs and the weekday follow the chosen language, whatever the
// system's locale; the dates keep "dd.mm.yyyy" until the language's formats are chosen.
void LanguageWindowTest::datesAndCalendarsFollowTheChosenLanguage() {
    WindowFixture program("2015-10-20", WindowFixture::Languages::Shipped);
    MainWindow& window = program.window();
    QVERIFY(program.showActive());
    QTRY_COMPARE(window.state().languageIndex, 2);
    QTRY_VERIFY(window.allPagesBuilt());
    const QList<QDateEdit*> dates = window.findChildren<QDateEdit*>();
    QVERIFY(!dates.isEmpty());
    const auto panelWeekday = [&window] {
        const QString text = QString::fromStdString(window.state().panelDrawText);
        return text.left(text.indexOf(u' '));
    };
    struct Case {
        const char* action;
        QLocale::Language language;
        Qt::DayOfWeek firstDay;
        QString wednesday, saturday; // the October draws are on these days
        QString languageFormat;
        QString cancel; // Qt's own button text
    };
    const QList<Case> cases{
        {"actionLanguageEnglish", QLocale::English, Qt::Sunday, u"Wed"_s, u"Sat"_s, u"MM/dd/yyyy"_s,
         u"Cancel"_s},
        {"actionLanguageRussian", QLocale::Russian, Qt::Monday, u"ср"_s, u"сб"_s, u"dd.MM.yyyy"_s,
         u"Отмена"_s},
        {"actionLanguageChinese", QLocale::Chinese,
         QLocale(QLocale::Chinese, QLocale::China).firstDayOfWeek(), u"周三"_s, u"周六"_s,
         u"yyyy/MM/dd"_s, u"取消"_s},
        {"actionLanguagePortuguese", QLocale::Portuguese, Qt::Sunday, u"qua"_s, u"sáb"_s,
         u"dd/MM/yyyy"_s, u"Cancelar"_s},
        {"actionLanguageGerman", QLocale::German, Qt::Monday, u"Mi"_s, u"Sa"_s, u"dd.MM.yyyy"_s,
         u"Abbrechen"_s},
    };
    auto* languageFormats = window.findChild<QCheckBox*>(u"CheckBox32"_s);
    QVERIFY(languageFormats);
    for (const Case& c : cases) {
        window.findChild<QAction*>(QString::fromLatin1(c.action))->trigger();
        QCOMPARE(QLocale().language(), c.language);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), c.cancel);
        for (QDateEdit* date : dates) {
            QCOMPARE(date->calendarWidget()->locale().language(), c.language);
            QCOMPARE(date->calendarWidget()->firstDayOfWeek(), c.firstDay);
            QCOMPARE(date->displayFormat(), u"dd.MM.yyyy"_s);
        }
        QVERIFY(!window.state().panelDrawText.empty());
        const int weekday = powerball::DrawCalendar::weekday(
            powerball::DrawCalendar::roundToDay(window.state().panelDrawDate));
        QVERIFY(weekday == 3 || weekday == 6);
        QCOMPARE(panelWeekday(), weekday == 3 ? c.wednesday : c.saturday);

        languageFormats->click();
        for (QDateEdit* date : dates)
            QCOMPARE(date->displayFormat(), c.languageFormat);
        languageFormats->click();
        QCOMPARE(dates.front()->displayFormat(), u"dd.MM.yyyy"_s);
    }
}

void LanguageWindowTest::aTaggedTipFieldKeepsItsText() {
    TempFolder folder;
    std::filesystem::create_directories(folder.file("Land"));
    powerball::testing::writeDrawFile(folder, powerball::testing::threeOctoberDraws());
    const std::string field = TipSheet::fieldName(0, 0);
    std::ofstream(folder.file("Land") / "powerball.txt", std::ios::binary)
        << "mainWindow\r\n"
        << field << "\r\n\r\n\r\n0\r\nmainWindow\r\nclearAllTipsButton\r\n"
        << "Löschen aller Tipps\r\n\r\n0\r\n";
    std::ofstream(folder.file("Land") / "Power_en.txt", std::ios::binary)
        << "X\r\nhint X\r\nClear all plays\r\nEmpties every play that is not locked\r\n";
    MemoryRegistryStore store;
    MainWindow window(folder.path(), &store);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto* clear = window.findChild<QPushButton*>(u"clearAllTipsButton"_s);
    QTRY_COMPARE(clear->text(), u"Clear all plays"_s);
    QCOMPARE(clear->toolTip(), u"Empties every play that is not locked"_s);
    auto* tipField = window.findChild<QLineEdit*>(QString::fromStdString(field));
    QCOMPARE(tipField->toolTip(), QString());
    // The messages stay German without a message file.
    QCOMPARE(QString::fromStdString(window.state().messages.text(powerball::Msg::Stop)),
             u"Stoppen"_s);
}

// A text that needs more room than its control has is cut off on the screen.
void collectTooNarrow(QWidget* window, const QString& language, QStringList& found) {
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisible() || widget->objectName().isEmpty() ||
            widget->property(powerball::ui::LanguagePass::kTagProperty).toInt() != 0)
            continue;
        QString text;
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            if (label->wordWrap())
                continue;
            text = label->text();
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            text = button->text();
        } else {
            continue;
        }
        if (widget->sizeHint().width() > widget->width() + 1)
            found << u"%1: %2 \"%3\" needs %4 px, has %5"_s
                         .arg(language, widget->objectName(), text)
                         .arg(widget->sizeHint().width())
                         .arg(widget->width());
    }
}

void LanguageWindowTest::everyTextFitsInEveryLanguage() {
    WindowFixture program("2015-10-20", WindowFixture::Languages::Shipped);
    MainWindow& window = program.window();
    QVERIFY(program.showActive());
    // The pages behind the first follow the first paint.
    QTRY_VERIFY(window.allPagesBuilt());
    QStringList tooNarrow;
    auto* pages = window.findChild<QTabWidget*>(u"pages"_s);
    auto* calculationPages = window.findChild<QTabWidget*>(u"calculationPages"_s);
    for (const auto& language : LanguageFiles::languages()) {
        const QString name = QString::fromUtf8(language.menuName);
        QAction* choice = nullptr;
        for (QAction* action : window.findChildren<QAction*>())
            if (action->text() == name)
                choice = action;
        QVERIFY2(choice, qPrintable(name));
        choice->trigger();
        QCOMPARE(window.state().languageIndex, language.code);
        for (int page = 0; page < pages->count(); ++page) {
            if (!pages->isTabVisible(page))
                continue;
            pages->setCurrentIndex(page);
            const int subPages = pages->currentWidget()->isAncestorOf(calculationPages)
                                     ? calculationPages->count()
                                     : 1;
            for (int sub = 0; sub < subPages; ++sub) {
                if (subPages > 1)
                    calculationPages->setCurrentIndex(sub);
                // Nested layouts settle one level per round of posted layout requests.
                for (int round = 0; round < 5; ++round) {
                    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
                    QCoreApplication::processEvents();
                }
                collectTooNarrow(&window, name, tooNarrow);
            }
        }
    }
    tooNarrow.removeDuplicates();
    QVERIFY2(tooNarrow.isEmpty(), qPrintable(tooNarrow.join(u'\n')));
}

QTEST_MAIN(LanguageWindowTest)
#include "LanguageWindowTest.moc"
