#pragma once

#include <QLocale>
#include <QString>

// The currency amounts are written in: its symbol, on which side of the
// amount it stands, and whether a blank parts them ("$12.50", "12,50 €",
// "CHF 12.50"). The locale gives the separators of the amount itself.
struct Currency
{
    enum class Side { Before = 0, After = 1 };

    QString symbol = QStringLiteral("$");
    Side side = Side::Before;
    bool spaced = false;

    bool operator==(const Currency &) const = default;

    // The currency of the locale, as it writes amounts: "$12.50" for en_US
    // and for the C locale (which has no currency of its own), "1.234,50 €"
    // for de_DE, "£12.50" for en_GB.
    static Currency ofLocale(const QLocale &locale);

    // The amount's text with the symbol on its side. The blank is a no-break
    // one, so that a symbol never parts from its amount at a line's end.
    QString around(const QString &amount) const;

    // Whether the text can be a symbol: one to eight characters with a
    // letter or a sign of money among them, and none of them a digit, a plus
    // or minus sign, a parenthesis or a blank at either end, so that an
    // amount written with it reads back as the same amount.
    static bool isSymbol(const QString &text);
};
