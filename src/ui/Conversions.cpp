#include "Conversions.h"

#include "base/DrawCalendar.h"

#include <QFile>
#include <QFileInfo>

namespace powerball::ui {

namespace {

QDate dayZero() {
    return {1899, 12, 30};
}

} // namespace

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

std::string toStd(const QString& text) {
    return text.toStdString();
}

std::filesystem::path toPath(const QString& folder) {
    return std::filesystem::path(
        QFile::encodeName(QFileInfo(folder).absoluteFilePath()).toStdString());
}

QDate dateOfDay(double day) {
    return dayZero().addDays(DrawCalendar::roundToDay(day));
}

double dayOfDate(QDate date) {
    return static_cast<double>(dayZero().daysTo(date));
}

} // namespace powerball::ui
