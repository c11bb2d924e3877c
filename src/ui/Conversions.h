#pragma once

#include <QDate>
#include <QString>

#include <filesystem>
#include <string>

namespace powerball::ui {

// The core speaks UTF-8 strings, file-system paths and day numbers; the widgets speak
// QString and QDate.
QString qs(const std::string& text);
std::string toStd(const QString& text);
std::filesystem::path toPath(const QString& folder);

QDate dateOfDay(double day);
double dayOfDate(QDate date);

} // namespace powerball::ui
