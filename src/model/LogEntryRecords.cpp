#include "model/LogEntryRecords.h"

#include "model/LogEntryForm.h"
#include "platform/ValueFormats.h"

#include <type_traits>

using namespace ValueFormats;

namespace {

template<class Record>
Record datedRecord(double rideKey, const EntryFields &fields)
{
    Record record;
    record.RideKey = rideKey;
    record.EntryDate = dateValueFromText(fields[0]).value_or(0);
    record.Notes = trimTrailingBlanks(fields[3]);
    return record;
}

// An edit keeps the stored value of every field the user left as shown: a
// cost of 12.345678 shown as $12.35, a date with its time of day, gallons
// shown to one decimal.
using Untouched = std::array<bool, 4>;

template<DataRecord Record>
Record keepUntouched(Record record, const LogEntry &stored, const Untouched &untouched)
{
    if (untouched[0])
        record.EntryDate = stored.entryDate;
    if constexpr (std::is_same_v<Record, GasRecord>) {
        if (untouched[1])
            record.Gallons = stored.gallons;
    } else if (untouched[1]) {
        record.Description = descriptionText(stored);
    }
    if constexpr (std::is_same_v<Record, ExpenseRecord>) {
        if (untouched[2])
            record.Cost = stored.cost;
    } else if (untouched[2]) {
        record.Miles = stored.miles;
    }
    return record;
}

} // namespace

ExpenseRecord expenseFromFields(double rideKey, const EntryFields &fields)
{
    auto record = datedRecord<ExpenseRecord>(rideKey, fields);
    record.Description = trimBlanks(fields[1]);
    record.Cost = moneyFromText(fields[2]).value_or(0);
    return record;
}

TripRecord tripFromFields(double rideKey, const EntryFields &fields)
{
    auto record = datedRecord<TripRecord>(rideKey, fields);
    record.Description = trimBlanks(fields[1]);
    const std::optional<double> miles = numberFromText(fields[2]);
    record.Miles = miles ? roundToInt32(*miles) : 0;
    return record;
}

GasRecord gasFromFields(double rideKey, const EntryFields &fields)
{
    auto record = datedRecord<GasRecord>(rideKey, fields);
    record.Gallons = static_cast<float>(LogEntryForm::gasNumber(fields[1]));
    record.Miles = roundToInt32(LogEntryForm::gasNumber(fields[2]));
    return record;
}

LogRecord entryFromFields(const LogEntryRequest &request, const EntryFields &fields)
{
    const Untouched untouched = LogEntryForm::untouchedFields(request, fields);
    switch (request.kind) {
    case LogKind::Maintenance:
    case LogKind::Goodies:
        return keepUntouched(expenseFromFields(request.rideKey, fields), request.entry, untouched);
    case LogKind::Trips:
        return keepUntouched(tripFromFields(request.rideKey, fields), request.entry, untouched);
    case LogKind::Gas:
        break;
    }
    return keepUntouched(gasFromFields(request.rideKey, fields), request.entry, untouched);
}
