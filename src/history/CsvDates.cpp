#include "history/CsvValues.h"

#include "data/DateValue.h"
#include "platform/ValueFormats.h"

#include <QDate>
#include <QTime>

#include <algorithm>

// Reading the dates of a CSV file's cells.
namespace CsvValues {

namespace {

// A date of three numbers and the time of day after it, as the cell writes
// them; `shaped` is false when the cell is not written so.
struct NumericDate
{
    bool shaped = false;
    int numbers[3] = {0, 0, 0};
    qsizetype digits[3] = {0, 0, 0};
    bool timeValid = true;
    QTime time{0, 0};

    bool yearFirst() const { return digits[0] == 4; }
};

// Reads digits from `at`, at most `most`; the count read.
qsizetype readDigits(QStringView text, qsizetype &at, int &number, qsizetype most)
{
    const qsizetype start = at;
    number = 0;
    while (at < text.size() && at - start < most && text.at(at).isDigit() && text.at(at).unicode() < 128) {
        number = number * 10 + (text.at(at).unicode() - u'0');
        ++at;
    }
    return at - start;
}

// hh:mm, hh:mm:ss, then an optional AM or PM; the rest of the text must be
// just that.
QTime readTime(QStringView text)
{
    qsizetype at = 0;
    int hour = 0, minute = 0, second = 0;
    if (readDigits(text, at, hour, 2) == 0 || at >= text.size() || text.at(at++) != u':'
        || readDigits(text, at, minute, 2) != 2)
        return {};
    if (at < text.size() && text.at(at) == u':') {
        ++at;
        if (readDigits(text, at, second, 2) != 2)
            return {};
    }
    const QStringView half = text.mid(at).trimmed();
    if (!half.isEmpty()) {
        const bool morning = half.compare(u"AM", Qt::CaseInsensitive) == 0;
        if ((!morning && half.compare(u"PM", Qt::CaseInsensitive) != 0) || hour < 1 || hour > 12)
            return {};
        hour = hour % 12 + (morning ? 0 : 12);
    }
    return QTime(hour, minute, second); // invalid beyond 23:59:59
}

NumericDate numericDate(QStringView text)
{
    NumericDate date;
    qsizetype at = 0;
    QChar separator;
    for (int i = 0; i < 3; ++i) {
        date.digits[i] = readDigits(text, at, date.numbers[i], 4);
        if (date.digits[i] == 0)
            return date;
        if (i == 2)
            break;
        if (at >= text.size() || (i == 1 && text.at(at) != separator))
            return date;
        separator = text.at(at++);
        if (separator != u'/' && separator != u'.' && separator != u'-')
            return date;
    }
    const bool yearFirst = date.digits[0] == 4 && date.digits[1] <= 2 && date.digits[2] <= 2;
    const bool yearLast = date.digits[0] <= 2 && date.digits[1] <= 2 && (date.digits[2] == 2 || date.digits[2] == 4);
    if (!yearFirst && !yearLast)
        return date;
    const QStringView rest = text.mid(at);
    if (!rest.isEmpty()) {
        if (rest.front() != u'T' && !rest.front().isSpace())
            return date;
        date.time = readTime(rest.mid(1).trimmed());
        date.timeValid = date.time.isValid();
    }
    date.shaped = true;
    return date;
}

int fullYear(int number, qsizetype digits)
{
    if (digits == 2)
        return number < 30 ? 2000 + number : 1900 + number;
    return number;
}

// The day the numbers stand for in the order (year first whatever the order
// when the year leads); invalid when there is no such day.
QDate dayOf(const NumericDate &date, DateOrder order)
{
    const int *n = date.numbers;
    if (date.yearFirst())
        return n[0] >= 100 ? QDate(n[0], n[1], n[2]) : QDate();
    const int year = fullYear(n[2], date.digits[2]);
    if (year < 100)
        return {};
    return order == DateOrder::DayFirst ? QDate(year, n[1], n[0]) : QDate(year, n[0], n[1]);
}

DateOrder otherOrder(DateOrder order)
{
    return order == DateOrder::DayFirst ? DateOrder::MonthFirst : DateOrder::DayFirst;
}

} // namespace

DateOrder localeDateOrder(const QLocale &locale)
{
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    return format.indexOf(u'd') < format.indexOf(u'M') ? DateOrder::DayFirst : DateOrder::MonthFirst;
}

QString orderName(DateOrder order)
{
    return order == DateOrder::DayFirst ? QStringLiteral("day first") : QStringLiteral("month first");
}

Reading<double> readDate(const QString &cell, DateOrder order, const QLocale &locale)
{
    const QString text = cell.trimmed();
    const NumericDate date = numericDate(text);
    if (!date.shaped) {
        // Month names are read as the entry editor reads them; a text of
        // numbers alone is not, as its order would be the desktop's.
        const bool named = std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
        if (const std::optional<double> value = named ? ValueFormats::dateValueFromText(text, locale) : std::nullopt)
            return {value, {}};
        return {std::nullopt, QStringLiteral("\"%1\" is no date").arg(cell)};
    }
    if (!date.timeValid)
        return {std::nullopt, QStringLiteral("\"%1\" has no valid time of day").arg(cell)};
    const QDate day = dayOf(date, order);
    if (!day.isValid()) {
        if (!date.yearFirst() && dayOf(date, otherOrder(order)).isValid())
            return {std::nullopt, QStringLiteral("\"%1\" is no date written %2").arg(cell, orderName(order))};
        return {std::nullopt, QStringLiteral("\"%1\" is no date").arg(cell)};
    }
    return {DateValue::fromDateTime(day, date.time), {}};
}

std::optional<DateOrder> DateEvidence::needed() const
{
    if (mixed())
        return std::nullopt;
    if (dayFirst)
        return DateOrder::DayFirst;
    if (monthFirst)
        return DateOrder::MonthFirst;
    return std::nullopt;
}

DateEvidence dateEvidence(const std::vector<Cell> &cells)
{
    DateEvidence evidence;
    for (const Cell &cell : cells) {
        const NumericDate date = numericDate(QStringView(cell.text).trimmed());
        if (!date.shaped || date.yearFirst())
            continue;
        const QDate dayFirst = dayOf(date, DateOrder::DayFirst);
        const QDate monthFirst = dayOf(date, DateOrder::MonthFirst);
        std::optional<Cell> &slot = !monthFirst.isValid() ? evidence.dayFirst
                                    : !dayFirst.isValid() ? evidence.monthFirst
                                                          : evidence.eitherWay;
        if (!slot && (dayFirst.isValid() != monthFirst.isValid() || dayFirst != monthFirst))
            slot = cell;
    }
    return evidence;
}

QString dayInOrder(const QString &cell, DateOrder order)
{
    const NumericDate date = numericDate(QStringView(cell).trimmed());
    const QDate day = date.shaped ? dayOf(date, order) : QDate();
    return day.isValid() ? QLocale::c().toString(day, QStringLiteral("d MMMM yyyy")) : QString();
}

} // namespace CsvValues
