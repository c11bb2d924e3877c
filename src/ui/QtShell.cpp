#include "QtShell.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStringList>
#include <QUrl>

namespace powerball::ui {

void QtShell::open(const std::string& target) {
    const QString text = QString::fromStdString(target);
    const QUrl url =
        text.startsWith(QLatin1String("http://")) || text.startsWith(QLatin1String("https://"))
            ? QUrl(text)
            : QUrl::fromLocalFile(text);
    // Without an associated program nothing happens; there is nothing to tell the user.
    QDesktopServices::openUrl(url);
}

std::optional<std::string> QtShell::startDetached(const std::filesystem::path& program,
                                                  const std::vector<std::string>& arguments) {
    QStringList list;
    for (const std::string& argument : arguments)
        list << QString::fromStdString(argument);
    QProcess process;
    process.setProgram(QString::fromStdString(program.string()));
    process.setArguments(list);
    if (!process.startDetached())
        return process.errorString().toStdString();
    return std::nullopt;
}

} // namespace powerball::ui
