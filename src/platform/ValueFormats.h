#pragma once

#include "platform/Currency.h"

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QtGlobal>

#include <optional>

// The one place where values turn into text and back: reading dates and
// numbers the user typed, converting them to what the data files store, and
// the display patterns every window, list and printout uses.
//
// Everything that depends on the user's settings takes a QLocale (by default
// the program's default locale): the order of day and month, the date and
// time separators, the decimal and thousands separators, the currency
// symbol, month and day names. The leading-number conversion and the date
// sort key are the exceptions: they never depend on the locale.
namespace ValueFormats {

// ---- Rounding ------------------------------------------------------------
// Half to even ("banker's rounding"): 2.5 -> 2, 3.5 -> 4, -2.5 -> -2.
// A value beyond the target type's range is clamped to its smallest or
// largest value; NaN gives 0.
qint32 roundToInt32(double value);
qint16 roundToInt16(double value);
// Half to even at the fourth decimal, on the binary value (1.03125 -> 1.0312,
// 2.00025 -> 2.0002). Non-finite values come back unchanged.
double roundToFourDecimals(double value);

// ---- Money ---------------------------------------------------------------
// An amount of money as the data files store it: the amount times 10,000 in
// a signed 64-bit integer (12.5 is 125000).
using Money = qint64;
inline constexpr Money MoneyScale = 10000;

// Rounded half to even to four decimals, clamped to the range of Money
// (about +-922 trillion); NaN gives 0.
Money moneyFromDouble(double amount);
inline double moneyToDouble(Money amount) { return static_cast<double>(amount) / MoneyScale; }

// The program's currency, which moneyText writes and the readings below
// accept. One setting for the whole program, "$" before the amount until it
// is set: the program sets it from Torqal.db at start and when the user
// changes it, before any window shows an amount; torqal-data sets it before
// it writes. It is read by every formatting of money, so it is set only on
// the main thread while no other thread formats money (none does).
const Currency &currency();
void setCurrency(const Currency &chosen);

// ---- Reading numbers -----------------------------------------------------
// A number as the user may type it in the locale: blanks around it, a sign
// (leading or trailing) or parentheses for a negative amount, the program's
// currency symbol, the locale's or "$" before or after the digits, the
// locale's thousands separator between groups of three digits, the locale's
// decimal separator, an exponent ("1.5e3"). "$1,234.50" is 1234.5,
// "($12.50)" and "-$12.50" are -12.5; "about 500", "1,23,4" (a misplaced
// separator), "" and "$" are no number.
// The other decimal separator ("," where the locale writes ".", "." where it
// writes ",") is read as the decimal point too where it cannot be the
// thousands separator: once, between digits, with other than three digits
// after it and no exponent. In en_US "12,50" and "1,2345" are 12.5 and
// 1.2345, while "1,234" stays 1234; in de_DE "12.50" is 12.5 and "1.234" is
// 1234; in fr_FR "1.234" is no number (a thousand or a decimal alike).
std::optional<double> numberFromText(const QString &text, const QLocale &locale = QLocale());
inline bool isNumericText(const QString &text, const QLocale &locale = QLocale())
{
    return numberFromText(text, locale).has_value();
}

// The same reading straight into money, exact in decimal: the digits after
// the fourth decimal round half to even ("0.00005" -> 0, "0.00015" -> 0.0002).
// No value when the text is no number or the amount is beyond the range of
// Money.
std::optional<Money> moneyFromText(const QString &text, const QLocale &locale = QLocale());

// The number at the start of the text, whatever follows it, with "." as the
// decimal point, and also the decimal separator of the locale when one is
// given (gallons typed "12,4" in a German locale are 12.4): leading blanks,
// tabs and line breaks are skipped, then an optional sign, digits, an
// optional fraction and exponent. "12.5 gal" is 12.5, " 42" is 42,
// "350   (28.2)" is 350, "abc" and "" are 0. A blank inside the number ends
// it ("1 000" is 1). A number too large for a double gives an infinity, one
// too close to 0 gives 0.
double leadingNumber(const QString &text, const QLocale &locale = QLocale::c());

// ---- Reading dates -------------------------------------------------------
// The date value (days since 30 Dec 1899, the time of day as the fraction; see
// DateValue) of a date the user typed, or no value when the text is no date.
// Accepted, with blanks around:
//  - the locale's numeric short date: three numbers in the locale's order of
//    day, month and year, separated by "/", "-", "." or the locale's own
//    separator (the same one twice); the year has 2 or 4 digits;
//  - a 4-digit year first means year-month-day in every locale (2009-03-15);
//  - a month name, full, abbreviated or any unambiguous beginning of at least
//    3 letters, in the locale's language or in English: "March 15, 2009",
//    "15 Mar 2009", "15-Mar-09", "2009 Mar 15", "March 15th, 2009"; a leading
//    day name is skipped;
//  - then optionally a time of day: "14:30", "14:30:15", "2:30 PM", "2 PM"
//    (also after a "T" as in ISO 8601).
// Two-digit years 00-29 are 2000-2029, 30-99 are 1930-1999. Rejected: dates
// that do not exist (13/45/2009, 02/29/2009), the day-month order other than
// the locale's, years other than 100-9999, a missing year, a time alone, and
// any other text. (12/30/1899 at midnight is a date whose value is 0, which the
// data files take for "no date".)
std::optional<double> dateValueFromText(const QString &text, const QLocale &locale = QLocale());
inline bool isDateText(const QString &text, const QLocale &locale = QLocale())
{
    return dateValueFromText(text, locale).has_value();
}

// ---- Display patterns ----------------------------------------------------
// Rounding of the last shown digit: half away from zero, as a desktop
// formatter does. A double is first taken to 15 significant digits (a float
// to 7), so that 28.65, stored as 28.6499999..., shows 28.7 as typed.

// "mm/dd/yyyy": two-digit month and day and a four-digit year. The locale
// gives the separator and the order of day and month, so that what is shown
// reads back as the same date: 03/15/2009 in en_US, 15/03/2009 in en_GB,
// 15.03.2009 in de_DE. Dates before 1900 and negative values show their date
// (-1.25 is 12/29/1899); values that are no date (NaN, beyond year 9999) show
// as empty text.
QString dateText(double dateValue, const QLocale &locale = QLocale());
// The date rule of the views: 0 (no date) shows nothing, every other value its
// date as above, days before 1900 included, so that a date typed as
// 07/04/1850 is shown, and kept when the ride is saved again.
QString dateTextWhenSet(double dateValue, const QLocale &locale = QLocale());
// "yyyymmdd" without separators (20090315), the text by which the lists sort
// entries; independent of the locale. Empty for values that are no date.
QString dateSortKey(double dateValue);
// "mm/dd/yyyy hh:mm" with a 24-hour clock (03/15/2009 14:30), the date part as
// dateText and the locale's time separator. Empty for an invalid moment.
QString dateTimeText(const QDateTime &moment, const QLocale &locale = QLocale());

// "$##,##0.00": the program's currency symbol on its side (see currency()),
// thousands separators, two decimals, the sign in front ($12.50, -$12.50,
// $1,234.50, $0.00; "-1.234,50 €" for a euro written after the amount in
// de_DE); the locale gives the separators.
QString moneyText(Money amount, const QLocale &locale = QLocale());
// The same in the given currency rather than the program's.
QString moneyText(Money amount, const Currency &symbol, const QLocale &locale = QLocale());
// The money rule of the views: an amount other than 0 as above, 0 as nothing.
QString moneyTextWhenSet(Money amount, const QLocale &locale = QLocale());

// "###.0", "#####.0" and "######.0", which give the same text: one decimal,
// no thousands separators and no leading zero (0.5 -> ".5", 0 -> ".0",
// 12.44 -> "12.4", -0.5 -> "-.5"); a value that rounds to 0 shows no sign.
// Non-finite values (a division by zero) show as empty text.
QString oneDecimalText(double value, const QLocale &locale = QLocale());
QString oneDecimalText(float value, const QLocale &locale = QLocale());

// "###%": the ratio as a whole percentage (0.36 -> "36%", 0.01 -> "1%",
// 351.0 / 976 -> "36%"). Zero shows as "0%" rather than the bare "%" of the
// pattern. Non-finite values show as empty text.
QString percentText(double ratio, const QLocale &locale = QLocale());

// ---- Trimming ------------------------------------------------------------
// Removes blanks (code 32) at both ends and nothing else: tabs and line
// breaks stay.
QString trimBlanks(const QString &text);
// Removes the blanks at the end only. Notes keep the blanks they start with
// (they may indent the first line); the blanks after the text are the
// field's padding.
QString trimTrailingBlanks(const QString &text);

} // namespace ValueFormats
