#pragma once

#include <QStringList>

#include <string>

class QWidget;

namespace powerball::ui {

// The caption index as the live windows give it: five lines per translatable control of
// `window` and its dialogs, in the order the language pass meets them (window, control,
// German caption, German hint, character set). The shipped "Land/powerball.txt" is this
// index; a test compares the two, so it cannot drift from the windows.
QStringList captionIndexLines(QWidget* window);

// The language file that gives every control of the index its present texts: a caption and
// a hint per record.
QStringList languageFileLines(QWidget* window);

// The texts of controls that no language can reach because they have no object name:
// "window: caption" for each label, button, check box or group box that shows text.
QStringList unnamedTexts(QWidget* window);

class MainWindow;

// Makes every page not made yet and every dialog of the program as the window's own, the way
// the index lists them: the number list, the draw entry, the click-script dialog and the wheel.
void addProgramDialogs(MainWindow& window);

// Lines as the language files are stored: UTF-8 with a byte-order mark, each line ending in
// CR LF.
std::string languageFileBytes(const QStringList& lines);

} // namespace powerball::ui
