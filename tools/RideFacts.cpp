#include "RideFacts.h"

#include "RecordReader.h"

#include "data/DataFileTable.h"

#include <QStringList>

namespace {

QString rideLabel(const RideRecord &ride)
{
    const QString name = trimmedField(ride.RideName);
    if (!name.isEmpty())
        return name;
    QStringList parts{trimmedField(ride.Year), trimmedField(ride.Make), trimmedField(ride.Model)};
    parts.removeAll(QString());
    return parts.join(QLatin1Char(' '));
}

// Calls visit(record) for each record of the file; true when the file is
// missing or read whole.
template<class Record, class Visit>
bool readEach(const QDir &folder, DataFileKind kind, QString &error, Visit visit)
{
    const DataFileInfo &info = dataFileInfo(kind);
    QFile file(folder.filePath(info.name));
    const Presence presence = presenceOf(file.fileName(), error);
    if (presence != Presence::Present)
        return presence == Presence::Missing;
    Record record;
    const bool read = file.open(QIODevice::ReadOnly) && forEachRecord(file, info.recordLength, [&](qint64, const char *bytes) {
        decodeRecord(bytes, record);
        visit(record);
    });
    if (!read)
        error = QStringLiteral("cannot read %1: %2").arg(file.fileName(), file.errorString());
    return read;
}

// Adds the log's entries to their rides' odometers, each with its
// readings, known by its key as Torqal.db knows it.
template<class Record>
bool readLog(const QDir &folder, LogKind kind, const OdometerReadings &readings, RideFacts &facts, QString &error)
{
    QHash<quint64, int> heads; // how many unmarked records of each head came before
    return readEach<Record>(folder, logDataFile(kind), error, [&](const Record &record) {
        LogEntry entry = logEntry(record, 0);
        entry.key.head = recordHead(record);
        entry.key.occurrence = entry.marked ? -1 : heads[entry.key.head]++;
        if (const auto ride = facts.find(record.RideKey); ride != facts.end())
            ride->second.odometer.add(kind, entry, readings.of(kind, record.RideKey, entry));
    });
}

} // namespace

bool readRides(const QDir &folder, RideFacts &facts, QString &error)
{
    int order = 0;
    return readEach<RideRecord>(folder, DataFileKind::Rides, error, [&](const RideRecord &ride) {
        if (!IsMarked(ride))
            facts.try_emplace(ride.RideKey, RideFact{++order, rideLabel(ride), {}, {}});
    });
}

bool readRideMiles(const QDir &folder, const ReminderReading &database, RideFacts &facts, QString &error)
{
    OdometerReadings readings;
    for (const EntryExtrasTable::Row &row : database.entryExtras) {
        if (row.extras.odometer)
            readings.add(row);
    }
    readings.rides = database.rideExtras;
    for (auto &[rideKey, fact] : facts)
        fact.bought = readings.bought(rideKey);
    bool read = true;
    if (readings.inLog(LogKind::Maintenance))
        read = readLog<ExpenseRecord>(folder, LogKind::Maintenance, readings, facts, error);
    if (read && readings.inLog(LogKind::Trips))
        read = readLog<TripRecord>(folder, LogKind::Trips, readings, facts, error);
    return read && readLog<GasRecord>(folder, LogKind::Gas, readings, facts, error);
}
