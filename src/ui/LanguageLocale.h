#pragma once

#include "base/TextFormat.h"

#include <QLocale>
#include <QString>

class QDateEdit;
class QWidget;

namespace powerball::ui {

// The Qt side of the language in use: calendar popups, month and weekday names, the first
// weekday and Qt's own dialogs follow the chosen language, never the system's locale; shown
// numbers and dates follow it only when the user chose the language's formats.
namespace LanguageLocale {

// The locale of a language code (1 deutsch .. 9 हिंदी): de_DE, en_US, fr_FR, es_ES, it_IT,
// ru_RU, pt_BR, zh_CN, hi_IN; German for any other code.
QLocale of(int code);

// The display format of the date fields: "dd.MM.yyyy", or the language's ("MM/dd/yyyy").
QString dateFormat(const TextFormat& format);

// Applies `format` to the window and every date field in it, and to what is made later.
void apply(QWidget& window, const TextFormat& format);

// A date field made after the last apply: the language's calendar, the shown date format.
void showDates(QDateEdit& edit);

} // namespace LanguageLocale

} // namespace powerball::ui
