#include "platform/LocaleDates.h"
#include "platform/ValueFormats.h"

#include "data/DateValue.h"

#include <cmath>
#include <limits>

// The display patterns.
namespace ValueFormats {

namespace {

QString twoDigits(int number)
{
    return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
}

QString fourDigits(int number)
{
    return QStringLiteral("%1").arg(number, 4, 10, QLatin1Char('0'));
}

// "mm/dd/yyyy" in the locale's order and with its separator.
QString numericDate(QDate date, const QLocale &locale)
{
    const QString separator = LocaleDates::dateSeparator(locale);
    const QString day = twoDigits(date.day());
    const QString month = twoDigits(date.month());
    const QString year = fourDigits(date.year());
    switch (LocaleDates::dateOrder(locale)) {
    case LocaleDates::Order::DayMonthYear:
        return day + separator + month + separator + year;
    case LocaleDates::Order::YearMonthDay:
        return year + separator + month + separator + day;
    case LocaleDates::Order::MonthDayYear:
        break;
    }
    return month + separator + day + separator + year;
}

// The decimal digits of a non-negative value rounded half away from zero to
// the given number of decimals, after taking the value to the given number of
// significant digits (which removes the noise of its binary form: 28.65 is
// 28.6499999999999986 as a double and 28.6500000000000 to 15 digits).
struct RoundedDigits
{
    QString integer;  // without leading zeros: empty for values below 1
    QString fraction; // exactly `decimals` digits
    bool isZero() const { return integer.isEmpty() && fraction.count(QLatin1Char('0')) == fraction.size(); }
};

RoundedDigits roundedDigits(double magnitude, int decimals, int significant)
{
    if (magnitude == 0.0)
        return {QString(), QString(decimals, QLatin1Char('0'))};
    const QString scientific = QString::number(magnitude, 'e', significant - 1); // d.ddde+xx
    const qsizetype e = scientific.indexOf(QLatin1Char('e'));
    QString digits = scientific.left(e).remove(QLatin1Char('.'));
    qsizetype integerLength = scientific.mid(e + 1).toInt() + 1;
    if (integerLength < 0) {
        digits.prepend(QString(-integerLength, QLatin1Char('0')));
        integerLength = 0;
    }
    const qsizetype kept = integerLength + decimals;
    if (digits.size() < kept)
        digits.append(QString(kept - digits.size(), QLatin1Char('0')));
    if (digits.size() > kept) {
        const bool roundUp = digits.at(kept) >= QLatin1Char('5');
        digits.truncate(kept);
        qsizetype i = kept - 1;
        for (; roundUp && i >= 0; --i) {
            if (digits.at(i) != QLatin1Char('9')) {
                digits[i] = QChar(digits.at(i).unicode() + 1);
                break;
            }
            digits[i] = QLatin1Char('0');
        }
        if (roundUp && i < 0) {
            digits.prepend(QLatin1Char('1'));
            ++integerLength;
        }
    }
    QString integer = digits.left(integerLength);
    while (!integer.isEmpty() && integer.front() == QLatin1Char('0'))
        integer.remove(0, 1);
    return {integer, digits.mid(integerLength)};
}

QString oneDecimal(double value, int significant, const QLocale &locale)
{
    if (!std::isfinite(value))
        return {};
    const RoundedDigits digits = roundedDigits(std::fabs(value), 1, significant);
    const QString sign = value < 0 && !digits.isZero() ? locale.negativeSign() : QString();
    return sign + digits.integer + locale.decimalPoint() + digits.fraction;
}

QString grouped(quint64 number, const QLocale &locale)
{
    QString digits = QString::number(number);
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, locale.groupSeparator());
    return digits;
}

Currency &programCurrency()
{
    static Currency current;
    return current;
}

} // namespace

QString dateText(double dateValue, const QLocale &locale)
{
    const QDateTime moment = DateValue::toDateTime(dateValue);
    return moment.isValid() ? numericDate(moment.date(), locale) : QString();
}

QString dateTextWhenSet(double dateValue, const QLocale &locale)
{
    return dateValue != 0 ? dateText(dateValue, locale) : QString();
}

QString dateSortKey(double dateValue)
{
    const QDateTime moment = DateValue::toDateTime(dateValue);
    if (!moment.isValid())
        return {};
    const QDate date = moment.date();
    return fourDigits(date.year()) + twoDigits(date.month()) + twoDigits(date.day());
}

QString dateTimeText(const QDateTime &moment, const QLocale &locale)
{
    if (!moment.isValid())
        return {};
    const QTime time = moment.time();
    return numericDate(moment.date(), locale) + QLatin1Char(' ') + twoDigits(time.hour())
           + LocaleDates::timeSeparator(locale) + twoDigits(time.minute());
}

const Currency &currency()
{
    return programCurrency();
}

void setCurrency(const Currency &chosen)
{
    programCurrency() = chosen;
}

QString moneyText(Money amount, const QLocale &locale)
{
    return moneyText(amount, currency(), locale);
}

QString moneyText(Money amount, const Currency &symbol, const QLocale &locale)
{
    // The magnitude as unsigned, so that the most negative amount has one too.
    const quint64 magnitude = amount < 0 ? 0 - static_cast<quint64>(amount) : static_cast<quint64>(amount);
    const quint64 cents = (magnitude + MoneyScale / 200) / (MoneyScale / 100); // half away from zero
    const QString sign = amount < 0 && cents > 0 ? locale.negativeSign() : QString();
    return sign + symbol.around(grouped(cents / 100, locale) + locale.decimalPoint() + twoDigits(int(cents % 100)));
}

QString moneyTextWhenSet(Money amount, const QLocale &locale)
{
    return amount != 0 ? moneyText(amount, locale) : QString();
}

QString oneDecimalText(double value, const QLocale &locale)
{
    return oneDecimal(value, std::numeric_limits<double>::digits10, locale);
}

QString oneDecimalText(float value, const QLocale &locale)
{
    return oneDecimal(static_cast<double>(value), std::numeric_limits<float>::digits10 + 1, locale);
}

QString percentText(double ratio, const QLocale &locale)
{
    if (!std::isfinite(ratio))
        return {};
    // Two decimals of the ratio are the whole percent.
    const RoundedDigits digits = roundedDigits(std::fabs(ratio), 2, std::numeric_limits<double>::digits10);
    QString percent = digits.integer + digits.fraction;
    while (percent.size() > 1 && percent.front() == QLatin1Char('0'))
        percent.remove(0, 1);
    const QString sign = ratio < 0 && !digits.isZero() ? locale.negativeSign() : QString();
    return sign + percent + QLatin1Char('%');
}

} // namespace ValueFormats
