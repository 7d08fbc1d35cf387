#pragma once

#include "model/LogEntryRequest.h"

#include <optional>

// What the entry editor shows and how it checks its input, without the
// window: texts in, texts out.
namespace LogEntryForm {

// " Adding a New 'Maint./Repair' Entry" or " Editing this 'Trips' Entry".
QString windowTitle(const LogEntryRequest &request);
QString saveTip(const LogEntryRequest &request);
QString cancelTip(const LogEntryRequest &request);

// The captions above the four fields: the column titles with a blank on
// either side (for gasoline the amount's title cut to "Miles"), and the main
// window's notes caption.
std::array<QString, 4> fieldCaptions(const LogEntryRequest &request);

// The fields when the editor opens: the request's prefill (usually empty) to
// add; to edit, the row's cells as
// the list shows them (gasoline miles without their miles per gallon) and
// the notes.
EntryFields initialFields(const LogEntryRequest &request);

// Which fields of an edit still hold the text the editor opened with; none
// when adding. The currency symbol of the amount, which Save takes off, is
// no change.
std::array<bool, 4> untouchedFields(const LogEntryRequest &request, const EntryFields &fields);

// The character limits of the four fields.
std::array<int, 4> fieldLimits(const LogEntryRequest &request);

// The notes gauge: " 36% full " for 351 characters of 976, at least
// " 1% full " once there is any text; empty (the gauge hidden) for no notes.
QString notesGauge(qsizetype notesLength, int notesLimit);

// An input the editor refuses: the message and the field to correct.
struct Problem
{
    QString message;
    int field;
};

// The checks of Save, in order; the first that fails is returned. Besides
// the missing or unreadable input, each number is refused that its record
// field cannot hold: a cost beyond the range of money, miles beyond a long,
// gallons that a single would turn into infinity or 0.
std::optional<Problem> check(LogKind kind, const EntryFields &fields);
// The same checks for the editor's request, except that gallons the user
// left as shown are checked as stored: 0.04 gallons show as ".0" and save
// again; gallons typed as 0 are still refused.
std::optional<Problem> check(const LogEntryRequest &request, const EntryFields &fields);

// The same checks, but the date's, for a reader that reads the numbers of
// the fields itself (the CSV import): gallons and miles (trip miles or gas
// miles) as read. The fields' texts name the values in the messages.
std::optional<Problem> checkValues(LogKind kind, const EntryFields &fields, double gallons, double miles);

// Gallons and gas miles as read from their fields: the leading number, with
// the decimal separator of the user's locale ("12,4" in a German locale is
// 12.4).
double gasNumber(const QString &text);

// The amount as Save writes it back into its field: without a leading "$",
// nor the program's currency symbol on its side ("€12.50" and "12,50 €" are
// "12.50" and "12,50").
QString amountWithoutSymbol(const QString &amount);

} // namespace LogEntryForm
