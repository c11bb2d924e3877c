#include "MainMenu.h"

#include "LanguagePass.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

namespace powerball::ui {

using namespace Qt::Literals::StringLiterals;

namespace {

QAction* menuAction(QWidget* owner, const QString& name, const QString& text) {
    auto* action = new QAction(text, owner);
    action->setObjectName(name);
    owner->addAction(action);
    return action;
}

// The languages in menu order with the index each one has in the settings.
struct Language {
    const char16_t* name;
    const char16_t* caption;
    int index;
};
constexpr Language kLanguages[] = {
    {u"actionLanguageGerman", u"deutsch", 1},  {u"actionLanguageEnglish", u"english", 2},
    {u"actionLanguageSpanish", u"español", 4}, {u"actionLanguagePortuguese", u"português", 7},
    {u"actionLanguageFrench", u"français", 3}, {u"actionLanguageItalian", u"italiano", 5},
    {u"actionLanguageRussian", u"русский", 6}, {u"actionLanguageChinese", u"中国的", 8},
    {u"actionLanguageHindi", u"हिंदी", 9},
};

} // namespace

MainMenu::MainMenu(QMenuBar* bar) : QObject(bar) {
    m_loadDraws = menuAction(bar, u"actionLoadDraws"_s, u"&Ziehungsdaten laden"_s);
    m_loadDraws->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));

    m_calculate = menuAction(bar, u"actionCalculate"_s, u"&Berechnen"_s);
    m_calculate->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));

    // The wheel dialog, also reached from the "Berechnung" page.
    m_wheel = menuAction(bar, u"actionWheel"_s, u"&Rad…"_s);

    buildLanguageMenu(bar);

    // The entry "&Abgeben" is never shown but its Ctrl+G works: it belongs to the window
    // instead of the bar, as Qt switches off the shortcut of an action that is hidden.
    m_handOver = menuAction(bar->parentWidget() ? bar->parentWidget() : bar, u"actionHandOver"_s,
                            u"&Abgeben"_s);
    m_handOver->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));

    // The platform's print dialog with a preview of the tip listing, beside the listing file
    // that "Tipp ausdrucken" hands to the desktop.
    m_print = menuAction(bar, u"actionPrint"_s, u"&Drucken…"_s);
    m_print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));

    m_close = menuAction(bar, u"actionClose"_s, u"&Schließen"_s);

    buildHelpMenu(bar);

    // Ctrl+S and Ctrl+O save and load the tips, as the buttons on the tip page do. Like
    // "&Abgeben" they belong to the window, so no menu entry is needed for the keys to work.
    QWidget* window = bar->parentWidget() ? bar->parentWidget() : bar;
    m_saveTips = menuAction(window, u"actionSaveTips"_s, u"Tipp speichern"_s);
    m_saveTips->setShortcut(QKeySequence::Save);
    m_loadTips = menuAction(window, u"actionLoadTips"_s, u"Tipp laden"_s);
    m_loadTips->setShortcut(QKeySequence::Open);
}

void MainMenu::buildHelpMenu(QMenuBar* bar) {
    // A menu is a window of its own, which the language pass does not enter: the entries and
    // the action that opens the menu belong to the bar, so each has its record.
    auto* menu = new QMenu(bar);
    menu->setObjectName(u"helpMenu"_s);
    LanguagePass::keepText(menu);
    auto* opener = new QAction(u"&Hilfe"_s, bar);
    opener->setObjectName(u"actionHelpMenu"_s);
    opener->setMenu(menu);
    bar->addAction(opener);
    const auto entry = [bar, menu](const QString& name, const QString& text) {
        auto* action = new QAction(text, bar);
        action->setObjectName(name);
        menu->addAction(action);
        return action;
    };
    m_about = entry(u"actionAbout"_s, u"Ü&ber Velmars Lumero…"_s);
    m_about->setMenuRole(QAction::AboutRole);
    m_shortcutList = entry(u"actionShortcutList"_s, u"&Tastenkürzel"_s);
    m_manual = entry(u"actionManual"_s, u"&Handbuch"_s);
    m_manual->setShortcut(QKeySequence::HelpContents);
}

void MainMenu::buildLanguageMenu(QMenuBar* bar) {
    auto* menu = new QMenu(u"Sprache/&Language"_s, bar);
    menu->setObjectName(u"languageMenu"_s);
    // The menu and the languages' own names read the same in every language.
    LanguagePass::keepText(menu);
    bar->addMenu(menu);

    m_languages = new QActionGroup(this);
    m_languages->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (const Language& language : kLanguages) {
        QAction* action = menuAction(menu, QString::fromUtf16(language.name),
                                     QString::fromUtf16(language.caption));
        action->setCheckable(true);
        LanguagePass::keepText(action);
        const int code = language.index;
        connect(action, &QAction::triggered, this, [this, code] { Q_EMIT languageChosen(code); });
        m_languages->addAction(action);
        m_languageEntries.push_back({language.index, action});
    }

    // Entries for working on language files, kept out of sight.
    QAction* separator = menu->addSeparator();
    separator->setObjectName(u"actionLanguageSeparator"_s);
    separator->setVisible(false);
    menuAction(menu, u"actionSaveLanguageFile"_s, u"Datei &speichern"_s)->setVisible(false);
    menuAction(menu, u"actionLoadLanguageFile"_s, u"Datei &laden"_s)->setVisible(false);
}

void MainMenu::showLanguage(int languageIndex) {
    for (const LanguageEntry& entry : m_languageEntries)
        entry.action->setChecked(entry.index == languageIndex);
}

} // namespace powerball::ui
