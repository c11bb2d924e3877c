#include "CaptionIndex.h"

#include "AboutDialog.h"
#include "ClickScriptDialog.h"
#include "DrawEntryDialog.h"
#include "LanguagePass.h"
#include "MainWindow.h"
#include "ManualDialog.h"
#include "NumberListDialog.h"
#include "ReportWindow.h"
#include "ShortcutListDialog.h"
#include "WheelDialog.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QToolButton>

namespace powerball::ui {

namespace {

// Line breaks inside a text would shift every later record.
QString oneLine(QString text) {
    return text.replace(u'\n', u' ').remove(u'\r');
}

} // namespace

QStringList captionIndexLines(QWidget* window) {
    QStringList lines;
    for (const LanguagePass::Control& control : LanguagePass::controls(window)) {
        lines << control.window << control.name << oneLine(LanguagePass::caption(control))
              << oneLine(LanguagePass::hint(control)) << QStringLiteral("0");
    }
    return lines;
}

QStringList languageFileLines(QWidget* window) {
    QStringList lines;
    for (const LanguagePass::Control& control : LanguagePass::controls(window))
        lines << oneLine(LanguagePass::caption(control)) << oneLine(LanguagePass::hint(control));
    return lines;
}

QStringList unnamedTexts(QWidget* window) {
    QStringList found;
    const auto report = [&](QWidget* widget, const QString& text) {
        if (widget->objectName().isEmpty() && !text.trimmed().isEmpty())
            found << widget->window()->objectName() + QStringLiteral(": ") + text;
    };
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->property(LanguagePass::kTagProperty).toInt() != 0)
            continue;
        if (auto* label = qobject_cast<QLabel*>(widget))
            report(label, label->text());
        else if (auto* tool = qobject_cast<QToolButton*>(widget); tool && tool->defaultAction())
            continue; // shows its action's text
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            report(button, button->text());
        else if (auto* group = qobject_cast<QGroupBox*>(widget))
            report(group, group->title());
    }
    return found;
}

void addProgramDialogs(MainWindow& window) {
    // The pages behind the first are made when first shown; the index names their controls.
    window.buildAllPages();
    static RandomSource random;
    static const MessageTable messages;
    new NumberListDialog(random, window.prompts(), &window);
    new DrawEntryDialog(DrawEntry{}, messages, &window);
    new ClickScriptDialog(ClickScriptChoice{}, window.prompts(), &window);
    new WheelDialog(&window);
    new AboutDialog(&window);
    new ShortcutListDialog({}, messages, &window);
    new ManualDialog({}, messages, &window);
    new ReportWindow(messages, &window);
}

std::string languageFileBytes(const QStringList& lines) {
    std::string bytes = "\xEF\xBB\xBF";
    for (const QString& line : lines)
        bytes += line.toStdString() + "\r\n";
    return bytes;
}

} // namespace powerball::ui
