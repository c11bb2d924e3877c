// Writes the caption index "powerball.txt" and the German language files into a folder,
// from the live windows: the main window with every dialog of the program made as its own.
// Run it after changing a caption or adding a control, and ship what it writes in data/Land.

#include "CaptionIndex.h"
#include "MainWindow.h"
#include "base/MessageTable.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <fstream>
#include <iostream>

using namespace powerball;
using namespace powerball::ui;

namespace {

void write(const QString& file, const std::string& bytes) {
    std::ofstream(file.toStdString(), std::ios::binary) << bytes;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::cerr << "usage: powerball-caption-index FOLDER\n";
        return 1;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);

    QTemporaryDir programFolder;
    MainWindow window(programFolder.path().toStdString());
    addProgramDialogs(window);

    for (const QString& text : unnamedTexts(&window))
        std::cerr << "no name, so no translation: " << text.toStdString() << '\n';
    write(folder + QStringLiteral("/powerball.txt"), languageFileBytes(captionIndexLines(&window)));
    write(folder + QStringLiteral("/Power_de.txt"), languageFileBytes(languageFileLines(&window)));
    QStringList messages;
    for (const std::string& entry : MessageTable::builtIn())
        messages << QString::fromStdString(entry);
    write(folder + QStringLiteral("/Power_de.txt.meld"), languageFileBytes(messages));
    return 0;
}
