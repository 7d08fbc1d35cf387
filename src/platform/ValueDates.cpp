#include "platform/LocaleDates.h"
#include "platform/PatternText.h"
#include "platform/ValueFormats.h"

#include "data/DateValue.h"

#include <QRegularExpression>
#include <QSet>
#include <QStringList>

// Reading the dates users type.
namespace ValueFormats {

namespace {

using LocaleDates::Order;

const QLocale &english()
{
    static const QLocale locale(QLocale::English, QLocale::UnitedStates);
    return locale;
}

QString normalisedName(QString name)
{
    name = name.toCaseFolded();
    while (name.endsWith(QLatin1Char('.')))
        name.chop(1);
    return name;
}

// The numbers (1-based) of the months or days of the week whose name the word
// may stand for: a full or abbreviated name in the locale or in English, or a
// beginning of a full name of at least three letters.
template <typename NameOf>
QSet<int> namesMatching(const QString &word, int count, const QLocale &locale, NameOf nameOf)
{
    const QString wanted = normalisedName(word);
    QSet<int> matches;
    for (const QLocale *source : {&locale, &english()}) {
        for (int i = 1; i <= count; ++i) {
            const QString full = normalisedName(nameOf(*source, i, QLocale::LongFormat));
            const QString shortName = normalisedName(nameOf(*source, i, QLocale::ShortFormat));
            if (wanted == full || wanted == shortName || (wanted.size() >= 3 && full.startsWith(wanted)))
                matches.insert(i);
        }
    }
    return matches;
}

std::optional<int> monthNamed(const QString &word, const QLocale &locale)
{
    QSet<int> months = namesMatching(word, 12, locale, [](const QLocale &l, int i, QLocale::FormatType type) {
        return l.monthName(i, type);
    });
    months.unite(namesMatching(word, 12, locale, [](const QLocale &l, int i, QLocale::FormatType type) {
        return l.standaloneMonthName(i, type);
    }));
    if (months.size() != 1)
        return std::nullopt;
    return *months.begin();
}

bool isDayName(const QString &word, const QLocale &locale)
{
    return !namesMatching(word, 7, locale, [](const QLocale &l, int i, QLocale::FormatType type) {
                return l.dayName(i, type);
            }).isEmpty();
}

// A year of 2 or 4 digits; two-digit years 00-29 are 2000-2029, 30-99 1930-1999.
std::optional<int> yearFrom(const QString &digits)
{
    const int number = digits.toInt();
    if (digits.size() == 2)
        return number < 30 ? 2000 + number : 1900 + number;
    if (digits.size() == 4 && number >= 100)
        return number;
    return std::nullopt;
}

std::optional<int> dayOrMonthFrom(const QString &digits)
{
    if (digits.isEmpty() || digits.size() > 2)
        return std::nullopt;
    return digits.toInt();
}

QDate dateFrom(std::optional<int> year, std::optional<int> month, std::optional<int> day)
{
    if (!year || !month || !day)
        return {};
    return QDate(*year, *month, *day); // invalid unless the day exists
}

// Three numbers with one separator: the locale's order, or year first when
// the first number has four digits.
QDate numericDate(const QString &text, const QLocale &locale)
{
    const QString separator = alternativesPattern(
        {QStringLiteral("/"), QStringLiteral("-"), QStringLiteral("."), LocaleDates::dateSeparator(locale)});
    const QRegularExpression pattern(
        QStringLiteral("^(\\d{1,4})\\s*(%1)\\s*(\\d{1,4})\\s*\\2\\s*(\\d{1,4})\\.?$").arg(separator));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return {};
    const QString first = match.captured(1);
    const QString second = match.captured(3);
    const QString third = match.captured(4);
    if (first.size() == 4)
        return dateFrom(yearFrom(first), dayOrMonthFrom(second), dayOrMonthFrom(third));
    switch (LocaleDates::dateOrder(locale)) {
    case Order::MonthDayYear:
        return dateFrom(yearFrom(third), dayOrMonthFrom(first), dayOrMonthFrom(second));
    case Order::DayMonthYear:
        return dateFrom(yearFrom(third), dayOrMonthFrom(second), dayOrMonthFrom(first));
    case Order::YearMonthDay:
        return dateFrom(yearFrom(first), dayOrMonthFrom(second), dayOrMonthFrom(third));
    }
    return {};
}

// A day, a month name and a year in one of the usual orders, the words and
// numbers separated by blanks, commas, periods, slashes or dashes. The day may
// carry an English ordinal ending ("March 15th, 2009").
QDate namedMonthDate(const QString &text, const QLocale &locale)
{
    static const QRegularExpression token(QStringLiteral("(?<number>\\d+)(?:st|nd|rd|th)?|(?<word>\\p{L}+)"),
                                          QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression gap(QStringLiteral("^[\\s,./-]*$"));
    static const QRegularExpression trailing(QStringLiteral("^[\\s.]*$"));
    QStringList numbers;
    QStringList words;
    QString shape; // one letter per token: n for a number, w for a word
    qsizetype end = 0;
    for (auto it = token.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QString between = text.mid(end, match.capturedStart() - end);
        if (shape.isEmpty() ? !between.isEmpty() : !gap.match(between).hasMatch())
            return {};
        const bool isNumber = match.hasCaptured(u"number");
        (isNumber ? numbers : words) << match.captured(isNumber ? u"number" : u"word");
        shape += QLatin1Char(isNumber ? 'n' : 'w');
        end = match.capturedEnd();
    }
    if (!trailing.match(text.mid(end)).hasMatch())
        return {};
    if (shape.startsWith(QStringLiteral("ww")) && isDayName(words.front(), locale)) { // Sunday, March 15, 2009
        words.removeFirst();
        shape.remove(0, 1);
    }
    if (words.size() != 1 || numbers.size() != 2)
        return {};
    const auto month = monthNamed(words.front(), locale);
    if (shape == QStringLiteral("wnn")) // March 15, 2009
        return dateFrom(yearFrom(numbers[1]), month, dayOrMonthFrom(numbers[0]));
    if (shape == QStringLiteral("nwn")) {
        if (numbers[0].size() == 4) // 2009 Mar 15
            return dateFrom(yearFrom(numbers[0]), month, dayOrMonthFrom(numbers[1]));
        return dateFrom(yearFrom(numbers[1]), month, dayOrMonthFrom(numbers[0])); // 15 Mar 2009
    }
    return {};
}

struct SplitText
{
    QString date;
    QTime time{0, 0};
};

// Separates a time of day at the end of the text from the date before it.
// The time is invalid when the text ends in a time of day that does not exist.
SplitText splitTimeOfDay(const QString &text, const QLocale &locale)
{
    const QString separator = alternativesPattern({QStringLiteral(":"), LocaleDates::timeSeparator(locale)});
    const QString dayHalves = alternativesPattern({QStringLiteral("AM"), QStringLiteral("PM"), QStringLiteral("A.M."),
                                                   QStringLiteral("P.M."), locale.amText(), locale.pmText()});
    const QRegularExpression pattern(
        QStringLiteral("^(?<date>.*?)(?:\\s*T|\\s+)(?<hour>\\d{1,2})(?:%1(?<minute>\\d{2})(?:%1(?<second>\\d{2}))?)?"
                       "\\s*(?<half>%2)?$")
            .arg(separator, dayHalves),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch() || (!match.hasCaptured(u"minute") && !match.hasCaptured(u"half")))
        return {text};

    int hour = match.captured(u"hour").toInt();
    const int minute = match.captured(u"minute").toInt();
    const int second = match.captured(u"second").toInt();
    if (match.hasCaptured(u"half")) {
        const QString half = match.captured(u"half");
        const bool morning = half.compare(locale.amText(), Qt::CaseInsensitive) == 0;
        const bool afternoon = !morning
                               && (half.compare(locale.pmText(), Qt::CaseInsensitive) == 0
                                   || half.startsWith(QLatin1Char('p'), Qt::CaseInsensitive));
        if (hour < 1 || hour > 12)
            return {text, QTime()};
        hour = hour % 12 + (afternoon ? 12 : 0);
    }
    return {match.captured(u"date"), QTime(hour, minute, second)}; // invalid beyond 23:59:59
}

} // namespace

std::optional<double> dateValueFromText(const QString &text, const QLocale &locale)
{
    const SplitText parts = splitTimeOfDay(text.trimmed(), locale);
    if (!parts.time.isValid())
        return std::nullopt;
    const QString datePart = parts.date.trimmed();
    QDate date = numericDate(datePart, locale);
    if (!date.isValid())
        date = namedMonthDate(datePart, locale);
    if (!date.isValid())
        return std::nullopt;
    return DateValue::fromDateTime(date, parts.time);
}

} // namespace ValueFormats
