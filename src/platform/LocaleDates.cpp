#include "platform/LocaleDates.h"

namespace ValueFormats::LocaleDates {

namespace {

// The first run of characters between two fields of a format such as
// "dd.MM.yy" or "yyyy. MM. dd.", without blanks; quoted literals are skipped.
QString firstSeparator(const QString &format, const QString &fieldLetters, const QString &fallback)
{
    qsizetype i = 0;
    while (i < format.size() && !fieldLetters.contains(format.at(i)))
        ++i;
    while (i < format.size() && fieldLetters.contains(format.at(i)))
        ++i;
    QString separator;
    while (i < format.size() && !fieldLetters.contains(format.at(i)) && format.at(i) != QLatin1Char('\''))
        separator += format.at(i++);
    separator = separator.trimmed();
    return separator.isEmpty() ? fallback : separator;
}

} // namespace

Order dateOrder(const QLocale &locale)
{
    // A system without a chosen language (LANG=C) keeps the program's own
    // month-first pattern rather than the C locale's "d MMM yyyy".
    if (locale.language() == QLocale::C)
        return Order::MonthDayYear;
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    const qsizetype day = format.indexOf(QLatin1Char('d'));
    const qsizetype month = format.indexOf(QLatin1Char('M'));
    const qsizetype year = format.indexOf(QLatin1Char('y'));
    if (year >= 0 && (day < 0 || year < day) && (month < 0 || year < month))
        return Order::YearMonthDay;
    if (day >= 0 && month >= 0 && day < month)
        return Order::DayMonthYear;
    return Order::MonthDayYear;
}

QString dateSeparator(const QLocale &locale)
{
    return firstSeparator(locale.dateFormat(QLocale::ShortFormat), QStringLiteral("dMy"), QStringLiteral("/"));
}

QString timeSeparator(const QLocale &locale)
{
    return firstSeparator(locale.timeFormat(QLocale::ShortFormat), QStringLiteral("hHm"), QStringLiteral(":"));
}

} // namespace ValueFormats::LocaleDates
