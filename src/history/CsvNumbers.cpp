#include "history/CsvValues.h"

#include <limits>

// Reading the numbers and amounts of money of a CSV file's cells.
namespace CsvValues {

namespace {

// A number as the cell writes it, exact: its whole digits and decimals.
struct Decimal
{
    bool negative = false;
    QString whole;
    QString decimals;
    int exponent = 0;

    bool operator==(const Decimal &) const = default;
};

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isThousandsSeparator(QChar c, QChar mark)
{
    return c != mark
           && (c == u',' || c == u'.' || c == u' ' || c == u'\'' || c == QChar(0x2019) || c == QChar(0x00A0)
               || c == QChar(0x2009) || c == QChar(0x202F));
}

QChar markChar(DecimalMark mark)
{
    return mark == DecimalMark::Comma ? u',' : u'.';
}

// Digits with one kind of thousands separator between groups of three,
// then the mark and decimals, then (without separators) an exponent.
std::optional<Decimal> readDigits(QStringView text, QChar mark, bool withExponent)
{
    Decimal number;
    qsizetype at = 0;
    QChar separator;
    qsizetype group = 0; // digits since the last separator
    bool grouped = false;
    for (; at < text.size() && text.at(at) != mark; ++at) {
        const QChar c = text.at(at);
        if (isAsciiDigit(c)) {
            number.whole += c;
            ++group;
            continue;
        }
        if (!isThousandsSeparator(c, mark) || (grouped && c != separator) || group == 0 || group > 3
            || (grouped && group != 3))
            break;
        separator = c;
        grouped = true;
        group = 0;
    }
    if (grouped && group != 3)
        return std::nullopt;
    if (at < text.size() && text.at(at) == mark) {
        for (++at; at < text.size() && isAsciiDigit(text.at(at)); ++at)
            number.decimals += text.at(at);
        if (number.decimals.isEmpty())
            return std::nullopt;
    }
    if (number.whole.isEmpty() && number.decimals.isEmpty())
        return std::nullopt;
    if (withExponent && !grouped && at < text.size() && (text.at(at) == u'e' || text.at(at) == u'E')) {
        bool ok = false;
        number.exponent = text.mid(at + 1).toInt(&ok);
        if (!ok || text.at(at + 1 < text.size() ? at + 1 : at).isSpace())
            return std::nullopt;
        at = text.size();
    }
    if (at != text.size())
        return std::nullopt;
    return number;
}

QStringView withoutSign(QStringView text, bool &negative)
{
    if (!text.isEmpty() && (text.front() == u'-' || text.front() == u'+' || text.front() == QChar(0x2212))) {
        negative = text.front() != u'+';
        return text.mid(1).trimmed();
    }
    return text;
}

std::optional<Decimal> readPlain(QStringView text, QChar mark)
{
    bool negative = false;
    std::optional<Decimal> number = readDigits(withoutSign(text.trimmed(), negative), mark, true);
    if (number)
        number->negative = negative;
    return number;
}

// A sign, a currency symbol before or after, parentheses for a negative.
std::optional<Decimal> readAmount(QStringView text, QChar mark)
{
    text = text.trimmed();
    const bool parenthesised = text.startsWith(u'(') && text.endsWith(u')');
    if (parenthesised)
        text = text.mid(1, text.size() - 2).trimmed();
    bool negative = false;
    text = withoutSign(text, negative);
    const auto isCurrency = [](QChar c) { return c.category() == QChar::Symbol_Currency; };
    if (!text.isEmpty() && isCurrency(text.front())) {
        text = text.mid(1).trimmed();
        if (!negative)
            text = withoutSign(text, negative);
    } else if (!text.isEmpty() && isCurrency(text.back())) {
        text = text.chopped(1).trimmed();
    }
    std::optional<Decimal> number = readDigits(text, mark, false);
    if (!number || (parenthesised && negative))
        return std::nullopt;
    number->negative = negative || parenthesised;
    return number;
}

std::optional<Decimal> readAs(const QString &cell, DecimalMark mark, bool money)
{
    return money ? readAmount(cell, markChar(mark)) : readPlain(cell, markChar(mark));
}

DecimalMark otherMark(DecimalMark mark)
{
    return mark == DecimalMark::Comma ? DecimalMark::Point : DecimalMark::Comma;
}

// Why the cell is not read with the mark.
QString refusal(const QString &cell, DecimalMark mark, bool money)
{
    if (readAs(cell, otherMark(mark), money))
        return QStringLiteral("\"%1\" is written with a %2, but the column's numbers have a %3")
            .arg(cell, markName(otherMark(mark)), markName(mark));
    return QStringLiteral("\"%1\" is no %2").arg(cell, money ? QStringLiteral("amount of money") : QStringLiteral("number"));
}

// Ten-thousandths, the digits past the fourth decimal rounded half to even.
std::optional<qint64> inTenThousandths(const Decimal &number)
{
    const QString decimals = number.decimals.left(4).leftJustified(4, u'0');
    quint64 magnitude = 0;
    for (const QChar digit : number.whole + decimals) {
        const auto value = quint64(digit.unicode() - u'0');
        if (magnitude > (std::numeric_limits<quint64>::max() - value) / 10)
            return std::nullopt;
        magnitude = magnitude * 10 + value;
    }
    const QString dropped = number.decimals.mid(4);
    if (!dropped.isEmpty()) {
        const bool restIsZero = dropped.mid(1).count(u'0') == dropped.size() - 1;
        if (dropped.front() > u'5' || (dropped.front() == u'5' && (!restIsZero || magnitude % 2 == 1)))
            ++magnitude;
    }
    const quint64 limit = quint64(std::numeric_limits<qint64>::max()) + (number.negative ? 1 : 0);
    if (magnitude > limit)
        return std::nullopt;
    return number.negative ? qint64(0 - magnitude) : qint64(magnitude);
}

} // namespace

DecimalMark localeDecimalMark(const QLocale &locale)
{
    return locale.decimalPoint() == QStringLiteral(",") ? DecimalMark::Comma : DecimalMark::Point;
}

QString markName(DecimalMark mark)
{
    return mark == DecimalMark::Comma ? QStringLiteral("decimal comma") : QStringLiteral("decimal point");
}

Reading<double> readNumber(const QString &cell, DecimalMark mark)
{
    const std::optional<Decimal> number = readAs(cell, mark, false);
    if (!number)
        return {std::nullopt, refusal(cell, mark, false)};
    const QString text = QStringLiteral("%1%2.%3e%4")
                             .arg(number->negative ? QStringLiteral("-") : QString(),
                                  number->whole.isEmpty() ? QStringLiteral("0") : number->whole,
                                  number->decimals.isEmpty() ? QStringLiteral("0") : number->decimals)
                             .arg(number->exponent);
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok)
        return {std::nullopt, QStringLiteral("\"%1\" is too large a number").arg(cell)};
    return {value, {}};
}

Reading<qint64> readMoney(const QString &cell, DecimalMark mark)
{
    const std::optional<Decimal> number = readAs(cell, mark, true);
    if (!number)
        return {std::nullopt, refusal(cell, mark, true)};
    const std::optional<qint64> amount = inTenThousandths(*number);
    if (!amount)
        return {std::nullopt, QStringLiteral("\"%1\" is too large an amount of money").arg(cell)};
    return {amount, {}};
}

std::optional<DecimalMark> NumberEvidence::needed() const
{
    if (pointCells == commaCells)
        return std::nullopt;
    return pointCells > commaCells ? DecimalMark::Point : DecimalMark::Comma;
}

NumberEvidence numberEvidence(const std::vector<Cell> &cells, bool money)
{
    NumberEvidence evidence;
    for (const Cell &cell : cells) {
        const std::optional<Decimal> point = readAs(cell.text, DecimalMark::Point, money);
        const std::optional<Decimal> comma = readAs(cell.text, DecimalMark::Comma, money);
        if (point && !comma) {
            ++evidence.pointCells;
            if (!evidence.point)
                evidence.point = cell;
        } else if (comma && !point) {
            ++evidence.commaCells;
            if (!evidence.comma)
                evidence.comma = cell;
        } else if (point && comma && *point != *comma && !evidence.eitherWay) {
            evidence.eitherWay = cell;
        }
    }
    return evidence;
}

} // namespace CsvValues
