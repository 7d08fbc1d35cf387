#pragma once

#include "model/LogEntryRequest.h"
#include "store/LogEntryWrite.h"

// The records the editor's fields convert to (the fields have passed the
// checks of LogEntryForm::check): the date in the user's locale, the
// description trimmed, the notes without the blanks after them, a cost or trip mileage that is no number as 0, gallons and
// gas miles from their leading number, miles rounded half to even.
ExpenseRecord expenseFromFields(double rideKey, const EntryFields &fields);
TripRecord tripFromFields(double rideKey, const EntryFields &fields);
GasRecord gasFromFields(double rideKey, const EntryFields &fields);

// The record of the request's log made from the fields, for the request's
// ride. An edit keeps the value its record held in each field the user left
// as the editor showed it.
LogRecord entryFromFields(const LogEntryRequest &request, const EntryFields &fields);
