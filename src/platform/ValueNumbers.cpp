#include "platform/PatternText.h"
#include "platform/ValueFormats.h"

#include <QRegularExpression>
#include <QStringList>

#include <cmath>
#include <cstdlib>
#include <limits>

// Reading numbers the user typed, and trimming.
namespace ValueFormats {

namespace {

// A number as read from text, exact: digits x 10^exponent.
struct DecimalNumber
{
    bool negative = false;
    QString digits; // ASCII digits, at least one
    int exponent = 0;
};

// Thousands separators a user may type for the locale's: a blank for the
// no-break blanks many locales use, a plain apostrophe for a typographic one.
QStringList groupSeparators(const QLocale &locale)
{
    const QString group = locale.groupSeparator();
    QStringList separators{group};
    if (group.size() == 1 && group.at(0).isSpace())
        separators << QStringLiteral(" ") << QString(QChar(0x00A0)) << QString(QChar(0x202F));
    if (group == QString(QChar(0x2019)))
        separators << QStringLiteral("'");
    return separators;
}

// The decimal separator a user may type for the locale's other one.
QString otherDecimalPoint(const QLocale &locale)
{
    return locale.decimalPoint() == QStringLiteral(".") ? QStringLiteral(",") : QStringLiteral(".");
}

// The number's pattern: with the locale's separators, or with the other
// decimal separator and no thousands separator nor exponent.
QRegularExpression numberPattern(const QLocale &locale, bool otherPoint)
{
    const QString sign = QStringLiteral("(%1|%2)").arg(
        alternativesPattern({QStringLiteral("-"), locale.negativeSign()}),
        alternativesPattern({QStringLiteral("+"), locale.positiveSign()}));
    const QString currency = alternativesPattern({QStringLiteral("$"), locale.currencySymbol(), ValueFormats::currency().symbol});
    const QString number =
        otherPoint ? QStringLiteral("(?<integer>\\d+)%1(?<fraction>\\d+)").arg(QRegularExpression::escape(otherDecimalPoint(locale)))
                   : QStringLiteral("(?<integer>\\d{1,3}(?:%1\\d{3})+|\\d*)(?:%2(?<fraction>\\d*))?(?:[eE](?<exponent>[+-]?\\d+))?")
                         .arg(alternativesPattern(groupSeparators(locale)), alternativesPattern({locale.decimalPoint()}));
    // Each optional part has its own capture so that the combinations can be
    // checked afterwards: one sign at most, one currency symbol at most, and
    // parentheses only in pairs and without a sign.
    // Blanks, no-break ones among them (as between an amount and its symbol).
    const QString blanks = QStringLiteral("[\\s\\x{00A0}\\x{202F}]*");
    const QString pattern = QStringLiteral(
        "^%4(?<open>\\()?%4(?<lead>%1)?%4(?<currency1>%2)?%4(?<inner>%1)?%4%3"
        "%4(?<currency2>%2)?%4(?<trail>%1)?%4(?<close>\\))?%4$")
                                .arg(sign, currency, number, blanks);
    return QRegularExpression(pattern);
}

// The text's match with the locale's separators, else with the other
// decimal separator where that cannot be a thousands separator.
QRegularExpressionMatch numberMatch(const QString &text, const QLocale &locale)
{
    const QRegularExpressionMatch match = numberPattern(locale, false).match(text);
    if (match.hasMatch())
        return match;
    QRegularExpressionMatch other = numberPattern(locale, true).match(text);
    // Three digits after it would be a thousand as well.
    return other.captured(u"fraction").size() == 3 ? QRegularExpressionMatch() : other;
}

bool isNegativeSign(const QString &sign, const QLocale &locale)
{
    return sign == QStringLiteral("-") || sign == locale.negativeSign();
}

std::optional<DecimalNumber> decimalFromText(const QString &text, const QLocale &locale)
{
    const QRegularExpressionMatch match = numberMatch(text, locale);
    if (!match.hasMatch())
        return std::nullopt;
    const bool parenthesised = match.hasCaptured(u"open");
    if (parenthesised != match.hasCaptured(u"close"))
        return std::nullopt;
    if (match.hasCaptured(u"currency1") && match.hasCaptured(u"currency2"))
        return std::nullopt;
    QStringList signs;
    for (const auto name : {u"lead", u"inner", u"trail"}) {
        if (match.hasCaptured(name))
            signs << match.captured(name);
    }
    if (signs.size() > 1 || (parenthesised && !signs.isEmpty()))
        return std::nullopt;

    DecimalNumber number;
    QString integer = match.captured(u"integer");
    for (const QString &separator : groupSeparators(locale))
        integer.remove(separator);
    const QString fraction = match.captured(u"fraction");
    number.digits = integer + fraction;
    if (number.digits.isEmpty())
        return std::nullopt;
    bool exponentOk = true;
    const qlonglong exponent = match.hasCaptured(u"exponent") ? match.captured(u"exponent").toLongLong(&exponentOk) : 0;
    // Anything beyond this exponent is out of reach of a double anyway.
    if (!exponentOk || std::llabs(exponent) > 100000)
        return std::nullopt;
    number.exponent = static_cast<int>(exponent) - static_cast<int>(fraction.size());
    number.negative = parenthesised || (!signs.isEmpty() && isNegativeSign(signs.first(), locale));
    return number;
}

std::optional<double> toDouble(const DecimalNumber &number)
{
    const QString text = QStringLiteral("%1%2e%3").arg(number.negative ? QStringLiteral("-") : QString(),
                                                        number.digits, QString::number(number.exponent));
    bool ok = false;
    const double value = QLocale::c().toDouble(text, &ok);
    // Beyond the range of a double the number is still one: an infinity.
    if (!ok && !std::isinf(value))
        return std::nullopt;
    return value;
}

// digits x 10^exponent x 10,000, rounded half to even, exact in decimal.
std::optional<Money> toMoney(const DecimalNumber &number)
{
    QString digits = number.digits;
    while (digits.size() > 1 && digits.front() == QLatin1Char('0'))
        digits.remove(0, 1);
    if (digits == QStringLiteral("0"))
        return Money{0};
    const qsizetype shift = qsizetype{number.exponent} + 4; // decimal places that become whole units
    // More than 19 whole digits never fit a 64-bit integer.
    if (digits.size() + shift > 19)
        return std::nullopt;
    QString whole;
    bool roundUp = false;
    if (shift >= 0) {
        whole = digits + QString(shift, QLatin1Char('0'));
    } else {
        const qsizetype kept = std::max<qsizetype>(digits.size() + shift, 0);
        whole = digits.left(kept);
        const QString dropped = QString(std::max<qsizetype>(-(digits.size() + shift), 0), QLatin1Char('0'))
                                + digits.mid(kept);
        const QChar first = dropped.front();
        const bool restIsZero = dropped.mid(1).count(QLatin1Char('0')) == dropped.size() - 1;
        const bool lastKeptOdd = !whole.isEmpty() && (whole.back().digitValue() % 2) == 1;
        roundUp = first > QLatin1Char('5') || (first == QLatin1Char('5') && (!restIsZero || lastKeptOdd));
    }
    quint64 magnitude = 0;
    for (const QChar digit : whole) {
        const auto value = static_cast<quint64>(digit.digitValue());
        if (magnitude > (std::numeric_limits<quint64>::max() - value) / 10)
            return std::nullopt;
        magnitude = magnitude * 10 + value;
    }
    if (roundUp)
        ++magnitude;
    const quint64 limit = static_cast<quint64>(std::numeric_limits<Money>::max()) + (number.negative ? 1 : 0);
    if (magnitude > limit)
        return std::nullopt;
    if (number.negative)
        return static_cast<Money>(0 - magnitude);
    return static_cast<Money>(magnitude);
}

// A number at the start of a text: a sign, digits with a decimal point "."
// or the locale's, an exponent.
QString leadingNumberPattern(const QString &localePoint)
{
    const QString point = QStringLiteral("(?:\\.|%1)").arg(QRegularExpression::escape(localePoint));
    return QStringLiteral("^[ \\t\\r\\n]*(?<number>[+-]?(?:\\d+%1?\\d*|%1\\d+)(?:[eE][+-]?\\d+)?)").arg(point);
}

} // namespace

std::optional<double> numberFromText(const QString &text, const QLocale &locale)
{
    const auto number = decimalFromText(text, locale);
    return number ? toDouble(*number) : std::nullopt;
}

std::optional<Money> moneyFromText(const QString &text, const QLocale &locale)
{
    const auto number = decimalFromText(text, locale);
    return number ? toMoney(*number) : std::nullopt;
}

double leadingNumber(const QString &text, const QLocale &locale)
{
    static const QRegularExpression pointOnly(leadingNumberPattern(QStringLiteral(".")));
    const QString point = locale.decimalPoint();
    const QRegularExpression localePoint =
        point == QStringLiteral(".") ? pointOnly : QRegularExpression(leadingNumberPattern(point));
    const QRegularExpressionMatch match = localePoint.match(text);
    if (!match.hasMatch())
        return 0.0;
    // Beyond the range of a double this is an infinity; too close to 0, 0.
    return QLocale::c().toDouble(match.captured(u"number").replace(point, QStringLiteral(".")));
}

QString trimBlanks(const QString &text)
{
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && text.at(first) == QLatin1Char(' '))
        ++first;
    while (end > first && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.mid(first, end - first);
}

QString trimTrailingBlanks(const QString &text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.left(end);
}

} // namespace ValueFormats
