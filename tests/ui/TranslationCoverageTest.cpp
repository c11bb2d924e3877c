// Every language reaches every text the window can show, and no two controls that are on the
// screen together share an accelerator letter. Both walk the live window, so pages, menus and
// dialogs added later are checked without a change here.

#include "CaptionIndex.h"
#include "ClosedPort.h"
#include "DialogWatch.h"
#include "LanguagePass.h"
#include "MainWindow.h"
#include "RecordingShell.h"
#include "TempFolder.h"
#include "WindowControls.h"
#include "WindowFixture.h"
#include "base/MessageTable.h"
#include "rules/language/LanguageFiles.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QChartView>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include <filesystem>
#include <memory>

using namespace Qt::Literals::StringLiterals;
using powerball::testing::DialogWatch;
using powerball::testing::TempFolder;
using powerball::ui::MainWindow;
namespace LanguageFiles = powerball::LanguageFiles;

namespace {

// Words that read the same in German and in another language: the program's and the
// game's names, and what a lottery player everywhere writes as it is.
const QStringList kSameEverywhere = {
    u"Velmars"_s, u"Lumero"_s, u"Velmar"_s, u"Powerball"_s, u"PowerBall"_s, u"Power"_s, u"Play"_s,
    u"PB"_s, u"PP"_s, u"OK"_s, u"Click"_s, u"Script"_s, u"CSV"_s, u"ZAHL"_s, u"TEXT"_s, u"vlt"_s,
    u"vlw"_s, u"vks"_s, u"rtf"_s, u"txt"_s, u"csv"_s, u"http"_s, u"https"_s, u"www"_s, u"Proxy"_s,
    u"Port"_s, u"Server"_s, u"URL"_s, u"x"_s, u"Ctrl"_s, u"Alt"_s, u"Shift"_s,
    // "Powerball(s)"; the months English writes as German does, in the calendars' menus.
    u"s"_s, u"April"_s, u"August"_s, u"September"_s, u"November"_s};

// A text that needs no translation: the program's name, no letters, or only words that read
// the same everywhere.
bool sameInEveryLanguage(const QString& text, const QString& programName) {
    if (text == programName || text == QApplication::applicationName())
        return true;
    // Folders and the names of the files the program writes ("Tipp.txt") stay as they are.
    static const QRegularExpression fileName(u"^(/.*|[\\w-]+\\.(txt|rtf|vlt|csv))$"_s);
    if (fileName.match(text).hasMatch())
        return true;
    static const QRegularExpression word(u"\\p{L}+"_s);
    for (auto match = word.globalMatch(text); match.hasNext();)
        if (!kSameEverywhere.contains(match.next().captured()))
            return false;
    return true;
}

bool tagged(const QObject* object) {
    for (; object; object = object->parent())
        if (object->property(powerball::ui::LanguagePass::kTagProperty).toInt() != 0)
            return true;
    return false;
}

// Where an object sits below `root`: its name, or its class and place among its siblings.
QString pathOf(const QObject* object, const QObject* root) {
    QStringList parts;
    for (; object && object != root; object = object->parent()) {
        QString part = object->objectName();
        if (part.isEmpty()) {
            part = QString::fromLatin1(object->metaObject()->className());
            if (object->parent())
                part += u'#' + QString::number(object->parent()->children().indexOf(object));
        }
        parts.prepend(part);
    }
    return parts.join(u'/');
}

using Texts = QMap<QString, QString>;

void add(Texts& texts, const QString& key, const QString& text) {
    if (!text.trimmed().isEmpty())
        texts.insert(key, text);
}

// Every text of `root` and its visible widgets that a user can read: captions, titles, hints,
// status tips, the box's text and the chart's caption.
void collectTexts(QWidget* root, const QString& prefix, Texts& texts) {
    const auto key = [&](const QObject* object, const char* what) {
        return prefix + u'/' + pathOf(object, root) + u':' + QLatin1String(what);
    };
    add(texts, key(root, "title"), root->windowTitle());
    QList<QObject*> objects = root->findChildren<QObject*>();
    objects.prepend(root);
    for (QObject* object : objects) {
        if (tagged(object))
            continue;
        if (auto* action = qobject_cast<QAction*>(object)) {
            if (!action->isVisible() || action->isSeparator())
                continue;
            add(texts, key(action, "text"), action->text());
            add(texts, key(action, "tip"), action->toolTip());
            add(texts, key(action, "status"), action->statusTip());
            continue;
        }
        auto* widget = qobject_cast<QWidget*>(object);
        if (!widget || !widget->isVisible())
            continue;
        add(texts, key(widget, "hint"), widget->toolTip());
        add(texts, key(widget, "status"), widget->statusTip());
        if (auto* label = qobject_cast<QLabel*>(widget))
            add(texts, key(label, "text"), label->text());
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            add(texts, key(button, "text"), button->text());
        else if (auto* group = qobject_cast<QGroupBox*>(widget))
            add(texts, key(group, "title"), group->title());
        else if (auto* edit = qobject_cast<QLineEdit*>(widget))
            add(texts, key(edit, "placeholder"), edit->placeholderText());
        else if (auto* menu = qobject_cast<QMenu*>(widget))
            add(texts, key(menu, "title"), menu->title());
        else if (auto* tabs = qobject_cast<QTabWidget*>(widget))
            for (int i = 0; i < tabs->count(); ++i) {
                add(texts, key(tabs, "tab") + QString::number(i), tabs->tabText(i));
                add(texts, key(tabs, "tabhint") + QString::number(i), tabs->tabToolTip(i));
            }
        else if (auto* chart = qobject_cast<QChartView*>(widget))
            for (const QAbstractAxis* axis : chart->chart()->axes())
                add(texts, key(chart, "axis") + QString::number(axis->alignment()),
                    axis->titleText());
        else if (auto* combo = qobject_cast<QComboBox*>(widget); combo && !combo->isEditable())
            for (int i = 0; i < combo->count(); ++i)
                add(texts, key(combo, "item") + QString::number(i), combo->itemText(i));
        if (auto* box = qobject_cast<QMessageBox*>(widget))
            add(texts, key(box, "informative"), box->informativeText());
    }
}

// Shows every page and sub-page, however deep, and runs `visit` on each with a way back to
// it (a command may turn the pages): tab pages that are built when they are first shown exist
// once they are shown.
using PageVisit = std::function<void(const QString& page, const std::function<void()>& back)>;
void forEveryPage(QWidget* window, const PageVisit& visit) {
    QSet<QTabWidget*> done;
    QList<QPair<QTabWidget*, int>> path;
    const auto back = [&path] {
        for (const auto& [tabs, index] : path)
            tabs->setCurrentIndex(index);
        QCoreApplication::processEvents();
    };
    std::function<void(QTabWidget*, const QString&)> walk = [&](QTabWidget* tabs,
                                                                const QString& where) {
        done.insert(tabs);
        for (int i = 0; i < tabs->count(); ++i) {
            if (!tabs->isTabVisible(i) || !tabs->isTabEnabled(i))
                continue;
            path.append({tabs, i});
            back();
            const QString page = where + u'/' + tabs->objectName() + QString::number(i);
            visit(page, back);
            for (QTabWidget* inner : tabs->widget(i)->findChildren<QTabWidget*>())
                if (!done.contains(inner) && inner->isVisibleTo(tabs->widget(i)))
                    walk(inner, page);
            path.removeLast();
        }
    };
    for (QTabWidget* tabs : window->findChildren<QTabWidget*>())
        if (!done.contains(tabs) && tabs->isVisible() && tabs->window() == window)
            walk(tabs, QString());
}

// The shipped language files, a few draws, fresh settings and a desktop that opens nothing.
struct ShippedProgram {
    ShippedProgram() {
        std::filesystem::copy(powerball::testing::shippedLanguageFiles(), folder.file("Land"));
        powerball::testing::writeDrawFile(folder, powerball::testing::threeOctoberDraws());
        window = std::make_unique<MainWindow>(folder.path(), nullptr);
        window->setShell(shell);
        window->show();
    }
    void choose(const LanguageFiles::Language& language) {
        const QString name = QString::fromUtf8(language.menuName);
        for (QAction* action : window->findChildren<QAction*>())
            if (action->text() == name)
                action->trigger();
    }
    // The update asks a port where nothing listens.
    void keepUpdatesAtHome(const std::string& address) {
        window->buildAllPages(); // the address fields are on a page made late
        for (const QString& name : {u"URLEdit"_s, u"FeedURLEdit"_s}) {
            auto* edit = window->findChild<QLineEdit*>(name);
            edit->selectAll();
            QTest::keyClicks(edit, QString::fromStdString(address));
        }
    }
    TempFolder folder;
    powerball::testing::RecordingShell shell;
    std::unique_ptr<MainWindow> window;
};

// The actions of the menu bar and its menus, the language entries and the close left out.
QList<QAction*> menuActions(QMenuBar* bar) {
    QList<QAction*> found;
    std::function<void(const QList<QAction*>&)> walk = [&](const QList<QAction*>& actions) {
        for (QAction* action : actions) {
            if (action->isSeparator() || !action->isVisible() || tagged(action) ||
                action->objectName() == u"actionClose"_s)
                continue;
            if (QMenu* menu = action->menu())
                walk(menu->actions());
            else
                found << action;
        }
    };
    walk(bar->actions());
    return found;
}

// The buttons that start something (no options, no tip fields), in a fixed order.
QList<QAbstractButton*> commandButtons(QWidget* page) {
    QList<QAbstractButton*> found;
    for (QAbstractButton* button : page->findChildren<QAbstractButton*>()) {
        if (button->isCheckable() || button->objectName().isEmpty() || tagged(button) ||
            qobject_cast<QTabBar*>(button->parentWidget()) ||
            qobject_cast<QMenuBar*>(button->parentWidget()) || // the menus are walked apart
            (qobject_cast<QToolButton*>(button) &&
             static_cast<QToolButton*>(button)->defaultAction()))
            continue;
        found << button;
    }
    return found;
}

// Closes a dialog the way Esc or "No" does.
void dismiss(QDialog* dialog) {
    if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
        for (const auto no : {QMessageBox::No, QMessageBox::Cancel, QMessageBox::Ok})
            if (QAbstractButton* button = box->button(no)) {
                button->click();
                return;
            }
    }
    dialog->reject();
}

// Everything the window shows in one language: every page and sub-page, and every dialog,
// box and status text that a menu entry or a button of a page brings up.
Texts everyText(const LanguageFiles::Language& language) {
    ShippedProgram program;
    MainWindow& window = *program.window;
    if (!QTest::qWaitForWindowActive(&window))
        qFatal("the window never became active");
    const powerball::testing::ClosedPort nothingListens;
    program.keepUpdatesAtHome(nothingListens.base());
    program.choose(language);

    Texts texts;
    QString trigger;
    int dialogs = 0;
    DialogWatch<QDialog> watch([&](QDialog* dialog) {
        collectTexts(dialog, trigger + u"/dialog"_s + QString::number(dialogs++), texts);
        dismiss(dialog);
    });
    const auto statusAfter = [&](const QString& what) {
        for (QLabel* panel : window.statusBar()->findChildren<QLabel*>())
            add(texts, what + u"/status/"_s + panel->objectName(), panel->text());
    };
    const auto run = [&](const QString& what, const std::function<void()>& press) {
        trigger = what;
        dialogs = 0;
        press();
        // A box a command left open closes before the next command starts.
        QTRY_VERIFY_WITH_TIMEOUT(!QApplication::activeModalWidget(), 60000);
        statusAfter(what);
    };

    for (QAction* action : menuActions(window.menuBar()))
        run(u"menu/"_s + action->objectName(), [action] { action->trigger(); });
    forEveryPage(&window, [&](const QString& page, const std::function<void()>& back) {
        collectTexts(&window, page, texts);
        for (QAbstractButton* button : commandButtons(&window)) {
            back();
            if (button->isVisible() && button->isEnabled())
                run(page + u'/' + button->objectName(), [button] { button->click(); });
        }
        back();
        collectTexts(&window, page + u"/after"_s, texts);
    });
    // The program's own dialogs, in the language as the window gives it to a dialog it makes.
    powerball::ui::addProgramDialogs(window);
    program.choose(language);
    QSet<QString> shown;
    for (QDialog* dialog : window.findChildren<QDialog*>()) {
        // A dialog the window made for a use before stands for its kind.
        if (dialog->objectName().isEmpty() || shown.contains(dialog->objectName()))
            continue;
        shown.insert(dialog->objectName());
        run(u"dialog/"_s + dialog->objectName(), [dialog] { dialog->show(); });
    }
    return texts;
}

// The letter after a single "&", lower case; none for a text without one.
QChar accelerator(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] == u'&') {
            ++i;
            continue;
        }
        return text[i + 1].toLower();
    }
    return {};
}

// The entries of one group that share a letter, as "letter: entry, entry".
QStringList clashes(const QList<QPair<QString, QString>>& entries) {
    QMap<QChar, QStringList> byLetter;
    for (const auto& [where, text] : entries)
        if (const QChar letter = accelerator(text); !letter.isNull())
            byLetter[letter] << where + u" \""_s + text + u'"';
    QStringList found;
    for (auto it = byLetter.cbegin(); it != byLetter.cend(); ++it)
        if (it.value().size() > 1)
            found << QString(it.key()) + u": "_s + it.value().join(u", "_s);
    return found;
}

// The texts with an accelerator that are on the screen together below `root`.
QList<QPair<QString, QString>> visibleAccelerators(QWidget* root) {
    QList<QPair<QString, QString>> entries;
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        if (!widget->isVisible() || qobject_cast<QMenuBar*>(widget) || qobject_cast<QMenu*>(widget))
            continue;
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            if (!qobject_cast<QTabBar*>(button->parentWidget()))
                entries.append({widget->objectName(), button->text()});
        } else if (auto* label = qobject_cast<QLabel*>(widget);
                   label && !Qt::mightBeRichText(label->text()) &&
                   !accelerator(label->text()).isNull()) {
            entries.append({widget->objectName(), label->text()});
            // A label without a field to lead to shows its "&" as it is: it clashes with
            // itself, so that the test names it.
            if (!label->buddy())
                entries.append({widget->objectName() + u" (no field to lead to)"_s, label->text()});
        } else if (auto* group = qobject_cast<QGroupBox*>(widget); group && group->isCheckable()) {
            entries.append({widget->objectName(), group->title()});
        } else if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i)
                if (tabs->isTabVisible(i))
                    entries.append({tabs->objectName() + QString::number(i), tabs->tabText(i)});
        }
    }
    return entries;
}

} // namespace

class TranslationCoverageTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void noGermanLeftInAnotherLanguage();
    void noTwoEntriesShareAnAccelerator();
    void textsMadeBeforeALanguageSwitchFollowIt();
};

void TranslationCoverageTest::noGermanLeftInAnotherLanguage() {
    const auto& languages = LanguageFiles::languages();
    const auto german = std::find_if(languages.begin(), languages.end(),
                                     [](const auto& language) { return language.code == 1; });
    QVERIFY(german != languages.end());
    const Texts original = everyText(*german);
    const QString programName = original.value(u"/pages0/:title"_s);
    QVERIFY(!programName.isEmpty());
    QVERIFY(original.size() > 300);
    QStringList leftovers;
    for (const auto& language : languages) {
        if (language.code == german->code)
            continue;
        const Texts translated = everyText(language);
        if (qEnvironmentVariableIsSet("DUMP_TEXTS"))
            for (auto it = translated.cbegin(); it != translated.cend(); ++it)
                qInfo("%s = %s", qPrintable(it.key()), qPrintable(it.value()));
        int checked = 0;
        for (auto it = translated.cbegin(); it != translated.cend(); ++it) {
            const auto germanText = original.constFind(it.key());
            if (germanText == original.cend())
                continue;
            ++checked;
            if (*germanText == it.value() && !sameInEveryLanguage(it.value(), programName))
                leftovers << u"%1 %2: \"%3\""_s.arg(QString::fromLatin1(language.fileName),
                                                    it.key(), it.value());
        }
        qInfo("%s: %d texts checked", language.fileName, checked);
        QVERIFY2(checked > original.size() / 2, language.fileName);
    }
    for (const QString& leftover : leftovers)
        qWarning("still German: %s", qPrintable(leftover));
    QVERIFY2(leftovers.isEmpty(), qPrintable(u"%1 texts still German"_s.arg(leftovers.size())));
}

void TranslationCoverageTest::noTwoEntriesShareAnAccelerator() {
    ShippedProgram program;
    MainWindow& window = *program.window;
    QVERIFY(QTest::qWaitForWindowActive(&window));
    powerball::ui::addProgramDialogs(window);
    QStringList found;
    const auto check = [&](const QString& where, const QList<QPair<QString, QString>>& entries) {
        for (const QString& clash : clashes(entries))
            found << where + u": "_s + clash;
    };
    for (const auto& language : LanguageFiles::languages()) {
        program.choose(language);
        QCOMPARE(window.state().languageIndex, language.code);
        const QString name = QString::fromLatin1(language.fileName);

        // The menu bar, and each menu on its own.
        QList<QPair<QString, QString>> bar;
        for (QAction* action : window.menuBar()->actions())
            if (action->isVisible() && !action->isSeparator())
                bar.append({action->objectName(), action->text()});
        check(name + u" menu bar"_s, bar);
        // An entry behind the bar's extension button is out of reach of its accelerator.
        for (QAction* action : window.menuBar()->actions())
            if (const QRect place = window.menuBar()->actionGeometry(action);
                action->isVisible() && !action->isSeparator() &&
                (!place.isValid() || place.right() >= window.menuBar()->width()))
                found << name + u" menu bar: "_s + action->text() + u" is out of view"_s;
        std::function<void(const QList<QAction*>&)> eachMenu = [&](const QList<QAction*>& actions) {
            for (QAction* action : actions) {
                QMenu* menu = action->menu();
                if (!menu || !action->isVisible())
                    continue;
                QList<QPair<QString, QString>> entries;
                for (QAction* entry : menu->actions())
                    if (entry->isVisible() && !entry->isSeparator())
                        entries.append({entry->objectName(), entry->text()});
                check(name + u" menu "_s + menu->objectName(), entries);
                eachMenu(menu->actions());
            }
        };
        eachMenu(window.menuBar()->actions());
        // Each page as it shows, with the pages above it, and each dialog.
        forEveryPage(&window, [&](const QString& page, const std::function<void()>&) {
            check(name + u" page "_s + page, visibleAccelerators(window.centralWidget()));
        });
        for (QDialog* dialog : window.findChildren<QDialog*>()) {
            if (dialog->objectName().isEmpty())
                continue;
            dialog->show();
            check(name + u" dialog "_s + dialog->objectName(), visibleAccelerators(dialog));
            dialog->hide();
        }
    }
    found.removeDuplicates();
    for (const QString& clash : found)
        qWarning("shared accelerator: %s", qPrintable(clash));
    QVERIFY2(found.isEmpty(), qPrintable(u"%1 shared accelerators"_s.arg(found.size())));
}

// The chart's caption, the draw panel's cross sum and the winnings note in the status bar
// were made from the messages of the language before; they are said again in the new one at
// once.
void TranslationCoverageTest::textsMadeBeforeALanguageSwitchFollowIt() {
    ShippedProgram program;
    MainWindow& window = *program.window;
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.buildAllPages(); // the chart's tool bar is on a page made late
    const auto& languages = LanguageFiles::languages();
    program.choose(languages[0]);
    QCOMPARE(window.state().languageIndex, 1);
    window.findChild<QAction*>(u"actionNumberFrequency"_s)->trigger();
    const std::string germanCaption = window.state().chart.caption();
    const std::string germanSum = window.state().panelCrossSumText;
    QVERIFY2(germanCaption.starts_with("Zahlenverteilung"), germanCaption.c_str());
    QVERIFY2(germanSum.starts_with("Quersumme: "), germanSum.c_str());
    auto* sumLabel = window.findChild<QLabel*>(u"panelCrossSumLabel"_s);
    // A row with three white numbers and the Powerball of the shown draw wins; the note of
    // its winnings stands in the status bar.
    const powerball::DrawNumbers shown = window.state().currentDraw.numbers;
    powerball::testing::typeTipRow(
        &window, 0,
        {QString::number(shown.white(1)), QString::number(shown.white(2)),
         QString::number(shown.white(3)), u"68"_s, u"69"_s, QString::number(shown.powerball())});
    auto* notePanel = window.findChild<QLabel*>(u"statusPanel1"_s);
    const QString germanNote = notePanel->text();
    QVERIFY2(germanNote.startsWith(u"Gewinn des Tipps: "_s), qPrintable(germanNote));
    for (const auto& language : languages) {
        if (language.code == 1)
            continue;
        program.choose(language);
        const powerball::MessageTable& messages = window.state().messages;
        const std::string caption = window.state().chart.caption();
        QVERIFY2(caption != germanCaption &&
                     caption.starts_with(messages.text(powerball::Msg::NumberDistribution)),
                 caption.c_str());
        const QString sum = sumLabel->text();
        QVERIFY2(sum.startsWith(
                     QString::fromStdString(messages.text(powerball::Msg::CrossSum) + ": ")) &&
                     sum.toStdString() != germanSum,
                 qPrintable(sum));
        const QString note = notePanel->text();
        QVERIFY2(
            note.startsWith(QString::fromStdString(messages.text(powerball::Msg::SheetWinnings))) &&
                note != germanNote,
            qPrintable(note));
    }
}

QTEST_MAIN(TranslationCoverageTest)
#include "TranslationCoverageTest.moc"
