#pragma once

#include "model/LogEntryForm.h"
#include "store/EntryExtras.h"

#include <QString>

#include <optional>
#include <vector>

// The entry editor's boxes for the values beyond the record (see
// EntryExtras), without the window: the odometer reading of every log but
// the goodies, and for gasoline the fill-up's cost and whether it was
// partial or followed a missed one. Texts in, texts out.
namespace EntryExtrasForm {

// The boxes' numbers after the editor's four fields, for Problem::field.
inline constexpr int OdometerBox = 4;
inline constexpr int CostBox = 5;

// Readings past a hundred billion are no odometer's.
inline constexpr qint64 MostMiles = 100'000'000'000LL;

struct Boxes
{
    QString odometer;
    QString cost;
    bool partial = false;
    bool missed = false;

    bool operator==(const Boxes &) const = default;
};

// Which boxes the log's editor has.
bool hasOdometer(LogKind kind);
bool hasFillUpBoxes(LogKind kind);

// The boxes as the editor opens them on the entry's values: the reading as
// a plain whole number, the cost with two decimals in the user's locale and
// without its currency symbol.
Boxes boxesOf(const EntryExtras &extras);

// The values the boxes hold, or the problem with one of them: a reading that
// is no whole number from 0 up, a cost that is no amount from 0 up.
std::optional<LogEntryForm::Problem> read(const Boxes &boxes, EntryExtras &extras);

// An amount of money as typed, with either "." or "," before the cents and
// the other one, blanks or a currency symbol (the program's among them)
// between thousands: "1,234.50", "1.234,50", "32,40" and "$ 32.40" alike. In ten-thousandths; none for a
// text that is no amount.
std::optional<qint64> moneyOf(const QString &text);

using Reading = OdometerReading;

// The miles driven since the reading before `dateSort` (the latest one when
// the day is not known yet, -1): none when there is no reading before, or
// when the new reading is below it.
std::optional<qint64> milesSince(const std::vector<Reading> &readings, int dateSort, qint64 odometer);

} // namespace EntryExtrasForm
