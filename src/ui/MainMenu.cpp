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
