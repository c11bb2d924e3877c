#include "CaptionIndex.h"

#include "ClickScriptDialog.h"
#include "DrawEntryDialog.h"
#include "LanguagePass.h"
#include "MainWindow.h"
#include "NumberListDialog.h"

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

void addProgramDialogs(MainWindow& window) {
    static RandomSource random;
    new NumberListDialog(random, window.prompts(), &window);
    new DrawEntryDialog(DrawEntry{}, &window);
    new ClickScriptDialog(ClickScriptChoice{}, window.prompts(), &window);
}

std::string languageFileBytes(const QStringList& lines) {
    std::string bytes = "\xEF\xBB\xBF";
    for (const QString& line : lines)
        bytes += line.toStdString() + "\r\n";
    return bytes;
}

} // namespace powerball::ui
