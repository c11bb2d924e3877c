#pragma once

#include "app/language/LanguageChoice.h"

#include <QList>
#include <QPointer>
#include <QString>

#include <vector>

class QObject;
class QWidget;

namespace powerball::ui {

// How a language reaches the window's controls. This is the one place where the language
// files' notions meet Qt:
// - a window is a top-level widget or dialog, known by its object name;
// - a control is an object below it with an object name: an action (menu entry), label,
//   button, check box, radio button, tab page, a group box (its title: radio groups and
//   the plain frames with a heading alike, so no heading stays German), a line edit or a
//   spin field (its hint only; a spin field of the options under its edit field's name,
//   its accessible name), or a dialog owned by the window (its title); buttons that show an action
//   follow the action;
// - the controls come in one fixed order: depth first through the children, in the order
//   they were made, the window's own dialogs after it;
// - the hint is the text the status bar shows for a control: its tooltip (an action's
//   status tip, which is its tooltip in a tool bar too);
// - a control whose property "tag" is not 0 is never translated.
class LanguagePass {
public:
    enum class Kind { MenuEntry, Label, Button, CheckBox, TabPage, GroupTitle, LineEdit, Dialog };

    struct Control {
        QString window;
        QString name;
        Kind kind;
        QPointer<QObject> object;
    };

    static constexpr const char* kTagProperty = "tag";

    // The translatable controls of `window` and of the dialogs it owns, in pass order.
    static std::vector<Control> controls(QWidget* window);

    static QString caption(const Control& control);
    static QString hint(const Control& control);

    // One pass over the windows in order; returns the caption the calculate button got, if
    // the pass reached it.
    static std::optional<QString> apply(const CaptionTexts& texts, const QList<QWidget*>& windows);
    // A window that did not exist at the last pass (a dialog made for one use), from its own
    // first record on.
    static void applyToWindow(const CaptionTexts& texts, QWidget* window);

    // Marks a control as never translated.
    static void keepText(QObject* control);

private:
    static std::optional<QString> applyControls(const CaptionTexts& texts,
                                                LanguageFiles::CaptionMatcher& matcher,
                                                const std::vector<Control>& controls);
    static void setCaption(const Control& control, const QString& text);
    static void setHint(const Control& control, const QString& text);
};

} // namespace powerball::ui
