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

} // namespace

bool readRideFacts(const QDir &folder, RideFacts &facts, QString &error)
{
    int order = 0;
    const bool rides = readEach<RideRecord>(folder, DataFileKind::Rides, error, [&](const RideRecord &ride) {
        if (!IsMarked(ride))
            facts.try_emplace(ride.RideKey, RideFact{++order, rideLabel(ride), {}});
    });
    return rides && readEach<GasRecord>(folder, DataFileKind::Gas, error, [&](const GasRecord &gas) {
        if (const auto ride = facts.find(gas.RideKey); ride != facts.end())
            ride->second.gas.add(LogKind::Gas, logEntry(gas, 0));
    });
}
