#include "platform/Currency.h"

Currency Currency::ofLocale(const QLocale &locale)
{
    Currency currency;
    const QString symbol = locale.currencySymbol(QLocale::CurrencySymbol);
    if (!isSymbol(symbol))
        return currency;
    // Where the locale puts the symbol and whether a blank parts it from the
    // digits, as the locale writes an amount of its own.
    const QString sample = locale.toCurrencyString(1.0, symbol);
    const qsizetype at = sample.indexOf(symbol);
    if (at < 0)
        return currency;
    currency.symbol = symbol;
    qsizetype firstDigit = 0;
    while (firstDigit < sample.size() && !sample.at(firstDigit).isDigit())
        ++firstDigit;
    currency.side = at < firstDigit ? Side::Before : Side::After;
    const qsizetype between = currency.side == Side::Before ? at + symbol.size() : at - 1;
    currency.spaced = between >= 0 && between < sample.size() && sample.at(between).isSpace();
    return currency;
}

QString Currency::around(const QString &amount) const
{
    const QString blank = spaced ? QString(QChar(0x00A0)) : QString();
    return side == Side::Before ? symbol + blank + amount : amount + blank + symbol;
}

bool Currency::isSymbol(const QString &text)
{
    if (text.isEmpty() || text.size() > 8 || text.front().isSpace() || text.back().isSpace())
        return false;
    bool named = false;
    for (const QChar c : text) {
        named = named || c.isLetter() || c.isSymbol();
        if (c.isDigit() || c == QLatin1Char('+') || c == QLatin1Char('-') || c == QLatin1Char('(') || c == QLatin1Char(')')
            || c == QChar(0x2212))
            return false;
    }
    // Separators alone would be taken for the amount's own.
    return named;
}
