#include "LanguageLocale.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QWidget>

namespace powerball::ui::LanguageLocale {

namespace {

// What the last apply chose; fresh windows start in German with the fixed formats.
TextFormat& current() {
    static TextFormat format;
    return format;
}

} // namespace

QLocale of(int code) {
    switch (code) {
    case 2:
        return QLocale(QLocale::English, QLocale::UnitedStates);
    case 3:
        return QLocale(QLocale::French, QLocale::France);
    case 4:
        return QLocale(QLocale::Spanish, QLocale::Spain);
    case 5:
        return QLocale(QLocale::Italian, QLocale::Italy);
    case 6:
        return QLocale(QLocale::Russian, QLocale::Russia);
    case 7:
        return QLocale(QLocale::Portuguese, QLocale::Brazil);
    case 8:
        return QLocale(QLocale::Chinese, QLocale::SimplifiedChineseScript, QLocale::China);
    case 9:
        return QLocale(QLocale::Hindi, QLocale::India);
    default:
        return QLocale(QLocale::German, QLocale::Germany);
    }
}

QString dateFormat(const TextFormat& format) {
    if (!format.languageFormats())
        return QStringLiteral("dd.MM.yyyy");
    const TextFormat::Conventions& c = TextFormat::conventions(format.language());
    QString pattern;
    for (const char* part = c.dateOrder; *part; ++part) {
        if (!pattern.isEmpty())
            pattern += QString::fromUtf8(c.dateSeparator);
        pattern += *part == 'd'   ? QStringLiteral("dd")
                   : *part == 'm' ? QStringLiteral("MM")
                                  : QStringLiteral("yyyy");
    }
    return pattern;
}

void showDates(QDateEdit& edit) {
    const QLocale language = of(current().language());
    edit.setLocale(language);
    edit.setDisplayFormat(dateFormat(current()));
    if (QCalendarWidget* calendar = edit.calendarWidget()) {
        calendar->setLocale(language);
        calendar->setFirstDayOfWeek(language.firstDayOfWeek());
    }
}

void apply(QWidget& window, const TextFormat& format) {
    current() = format;
    const QLocale language = of(format.language());
    // Qt's own dialogs name months and days in the language; the window's numbers keep the
    // fixed formats unless the language's are chosen.
    QLocale::setDefault(language);
    window.setLocale(format.languageFormats() ? language : of(1));
    for (QDateEdit* edit : window.findChildren<QDateEdit*>())
        showDates(*edit);
}

} // namespace powerball::ui::LanguageLocale
