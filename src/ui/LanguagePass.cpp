#include "LanguagePass.h"

#include "LazyPage.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>

namespace powerball::ui {

namespace {

bool tagged(const QObject* object) {
    return object->property(LanguagePass::kTagProperty).toInt() != 0;
}

// The tab widget that shows `page` as one of its tabs, with the tab's index.
std::pair<QTabWidget*, int> tabOf(const QObject* object) {
    const auto* page = qobject_cast<const QWidget*>(object);
    if (!page || !page->parentWidget())
        return {nullptr, -1};
    // A tab widget keeps its pages in a stack inside it.
    auto* tabs = qobject_cast<QTabWidget*>(page->parentWidget()->parentWidget());
    if (!tabs)
        return {nullptr, -1};
    const int index = tabs->indexOf(const_cast<QWidget*>(page));
    return {index >= 0 ? tabs : nullptr, index};
}

std::optional<LanguagePass::Kind> kindOf(const QObject* object) {
    using Kind = LanguagePass::Kind;
    if (qobject_cast<const QMenu*>(object))
        return Kind::MenuEntry;
    if (qobject_cast<const QAction*>(object))
        return Kind::MenuEntry;
    if (qobject_cast<const QLabel*>(object))
        return Kind::Label;
    if (qobject_cast<const QCheckBox*>(object) || qobject_cast<const QRadioButton*>(object))
        return Kind::CheckBox;
    if (qobject_cast<const QAbstractButton*>(object))
        return Kind::Button;
    // A spin field is a single-line edit field with spin buttons: its hint is translated.
    if (qobject_cast<const QLineEdit*>(object) || qobject_cast<const QAbstractSpinBox*>(object))
        return Kind::LineEdit;
    if (qobject_cast<const QGroupBox*>(object))
        return Kind::GroupTitle;
    if (const auto* widget = qobject_cast<const QWidget*>(object)) {
        if (widget->isWindow() && qobject_cast<const QDialog*>(object))
            return Kind::Dialog;
        if (tabOf(object).first)
            return Kind::TabPage;
    }
    return std::nullopt;
}

// A spin field of the options is known by the name of its edit field ("Edit85"), which its
// accessible name holds; every other control by its object name.
QString controlName(const QObject* object) {
    if (const auto* spin = qobject_cast<const QAbstractSpinBox*>(object);
        spin && !spin->accessibleName().isEmpty())
        return spin->accessibleName();
    return object->objectName();
}

bool isWindow(const QObject* object) {
    const auto* widget = qobject_cast<const QWidget*>(object);
    return widget && widget->isWindow();
}

// Widgets that build their own inner controls (spin boxes, tab bars, combo boxes) are
// controls as a whole; what Qt puts inside them is none of the program's.
bool hasOwnInnerControls(const QObject* object) {
    return qobject_cast<const QAbstractSpinBox*>(object) || qobject_cast<const QTabBar*>(object) ||
           qobject_cast<const QComboBox*>(object);
}

// The children in the order they were made. A stack of pages reorders its children each
// time a page is raised to the top, so its pages come in their index order instead.
QObjectList childrenInOrder(QObject* parent) {
    QObjectList children = parent->children();
    if (auto* stack = qobject_cast<QStackedWidget*>(parent)) {
        QObjectList pages;
        for (int i = 0; i < stack->count(); ++i)
            pages << stack->widget(i);
        QObjectList others;
        for (QObject* child : children)
            if (!pages.contains(child))
                others << child;
        children = pages + others;
    }
    return children;
}

void collect(const QString& window, QObject* parent, std::vector<LanguagePass::Control>& out,
             std::vector<QWidget*>& dialogs) {
    for (QObject* child : childrenInOrder(parent)) {
        if (isWindow(child)) {
            if (qobject_cast<QDialog*>(child) && !child->objectName().isEmpty())
                dialogs.push_back(static_cast<QWidget*>(child));
            continue;
        }
        const QString name = controlName(child);
        const std::optional<LanguagePass::Kind> kind = kindOf(child);
        if (kind && !name.isEmpty() && !name.startsWith(QLatin1String("qt_")) && !tagged(child))
            out.push_back({window, name, *kind, child});
        if (!hasOwnInnerControls(child))
            collect(window, child, out, dialogs);
    }
}

} // namespace

std::vector<LanguagePass::Control> LanguagePass::controls(QWidget* window) {
    std::vector<Control> result;
    std::vector<QWidget*> dialogs;
    collect(window->objectName(), window, result, dialogs);
    for (QWidget* dialog : dialogs) {
        // A dialog is a control of its owner (its title) and a window of its own.
        if (!tagged(dialog))
            result.push_back({window->objectName(), dialog->objectName(), Kind::Dialog, dialog});
        for (Control& control : controls(dialog))
            result.push_back(std::move(control));
    }
    return result;
}

QString LanguagePass::caption(const Control& control) {
    QObject* object = control.object;
    if (!object)
        return {};
    switch (control.kind) {
    case Kind::MenuEntry:
        if (auto* menu = qobject_cast<QMenu*>(object))
            return menu->title();
        return static_cast<QAction*>(object)->text();
    case Kind::Label:
        return static_cast<QLabel*>(object)->text();
    case Kind::Button:
    case Kind::CheckBox:
        return static_cast<QAbstractButton*>(object)->text();
    case Kind::TabPage: {
        const auto [tabs, index] = tabOf(object);
        return tabs ? tabs->tabText(index) : QString();
    }
    case Kind::GroupTitle:
        return static_cast<QGroupBox*>(object)->title();
    case Kind::LineEdit:
        return {};
    case Kind::Dialog:
        return static_cast<QWidget*>(object)->windowTitle();
    }
    return {};
}

QString LanguagePass::hint(const Control& control) {
    QObject* object = control.object;
    if (!object)
        return {};
    if (auto* menu = qobject_cast<QMenu*>(object))
        return menu->toolTip();
    if (auto* action = qobject_cast<QAction*>(object))
        return action->statusTip();
    if (control.kind == Kind::TabPage) {
        const auto [tabs, index] = tabOf(object);
        return tabs ? tabs->tabToolTip(index) : QString();
    }
    return static_cast<QWidget*>(object)->toolTip();
}

void LanguagePass::setCaption(const Control& control, const QString& text) {
    QObject* object = control.object;
    if (!object || caption(control) == text)
        return;
    switch (control.kind) {
    case Kind::MenuEntry:
        if (auto* menu = qobject_cast<QMenu*>(object))
            menu->setTitle(text);
        else
            static_cast<QAction*>(object)->setText(text);
        break;
    case Kind::Label:
        static_cast<QLabel*>(object)->setText(text);
        break;
    case Kind::Button:
    case Kind::CheckBox:
        static_cast<QAbstractButton*>(object)->setText(text);
        break;
    case Kind::TabPage: {
        const auto [tabs, index] = tabOf(object);
        if (tabs)
            tabs->setTabText(index, text);
        break;
    }
    case Kind::GroupTitle:
        static_cast<QGroupBox*>(object)->setTitle(text);
        break;
    case Kind::LineEdit:
        break;
    case Kind::Dialog:
        static_cast<QWidget*>(object)->setWindowTitle(text);
        break;
    }
}

void LanguagePass::setHint(const Control& control, const QString& text) {
    QObject* object = control.object;
    if (!object || hint(control) == text)
        return;
    if (auto* menu = qobject_cast<QMenu*>(object))
        menu->setToolTip(text);
    else if (auto* action = qobject_cast<QAction*>(object)) {
        // A tool bar shows the hint as the tooltip of its button; an empty one falls back to
        // the caption.
        action->setStatusTip(text);
        action->setToolTip(text);
    } else if (control.kind == Kind::TabPage) {
        const auto [tabs, index] = tabOf(object);
        if (tabs)
            tabs->setTabToolTip(index, text);
    } else
        static_cast<QWidget*>(object)->setToolTip(text);
}

std::optional<QString> LanguagePass::applyControls(const CaptionTexts& texts,
                                                   LanguageFiles::CaptionMatcher& matcher,
                                                   const std::vector<Control>& controls) {
    std::optional<QString> calculateCaption;
    bool afterGap = false;
    for (const Control& control : controls) {
        const std::string window = control.window.toStdString();
        const std::string name = control.name.toStdString();
        std::optional<std::size_t> record = matcher.match(window, name);
        // Past a page not made yet the pass goes on where the index has the next control,
        // as it would have with the page's controls there: else the tabs, the bar and the
        // menu that follow keep the former language until the pages are made.
        if (!record && afterGap)
            record = matcher.matchAfterGap(window, name);
        const auto* page = qobject_cast<const LazyPage*>(control.object.data());
        afterGap = control.kind == Kind::TabPage && page && !page->isBuilt();
        if (!record)
            continue;
        const QString caption = QString::fromStdString(texts.caption(*record));
        setCaption(control, caption);
        setHint(control, QString::fromStdString(texts.hint(*record)));
        if (control.name == QLatin1String("calculateTipsButton"))
            calculateCaption = caption;
    }
    return calculateCaption;
}

std::optional<QString> LanguagePass::apply(const CaptionTexts& texts,
                                           const QList<QWidget*>& windows) {
    LanguageFiles::CaptionMatcher matcher(texts.records);
    std::optional<QString> calculateCaption;
    for (QWidget* window : windows)
        if (auto caption = applyControls(texts, matcher, controls(window)))
            calculateCaption = caption;
    return calculateCaption;
}

void LanguagePass::applyToWindow(const CaptionTexts& texts, QWidget* window) {
    const std::string name = window->objectName().toStdString();
    // Its title is a control of its owner, found under the owner's name.
    if (QWidget* owner = window->parentWidget() ? window->parentWidget()->window() : nullptr) {
        const std::string ownerName = owner->objectName().toStdString();
        for (std::size_t r = 0; r < texts.records.size(); ++r) {
            if (texts.records[r].window == ownerName && texts.records[r].control == name) {
                window->setWindowTitle(QString::fromStdString(texts.caption(r)));
                break;
            }
        }
    }
    LanguageFiles::CaptionMatcher matcher(texts.records);
    if (const auto first = matcher.firstRecordOf(name))
        matcher.restartAt(*first);
    applyControls(texts, matcher, controls(window));
}

void LanguagePass::keepText(QObject* control) {
    control->setProperty(kTagProperty, 1);
}

} // namespace powerball::ui
