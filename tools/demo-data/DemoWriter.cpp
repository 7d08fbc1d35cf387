#include "DemoWriter.h"

#include "DemoPictures.h"
#include "DemoRides.h"

#include "data/RecordFile.h"
#include "reminders/ReminderStore.h"
#include "store/PicturePaths.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The data files' names are relative to the working folder: enter the data
// folder for as long as the writing lasts.
class WorkingFolder
{
public:
    explicit WorkingFolder(const QString &path) : m_previous(QDir::currentPath()), m_entered(QDir::setCurrent(path)) {}
    ~WorkingFolder()
    {
        if (m_entered)
            QDir::setCurrent(m_previous);
    }
    bool entered() const { return m_entered; }

private:
    QString m_previous;
    bool m_entered;
};

QString existingDataFile(const QDir &folder)
{
    for (const DataFileInfo &info : DataFileTable()) {
        if (QFileInfo::exists(folder.filePath(info.name)))
            return info.name;
    }
    if (QFileInfo::exists(folder.filePath(ReminderStore::FileName)))
        return ReminderStore::FileName;
    return {};
}

QString savePictures(const QDir &folder, QList<DemoRide> &rides)
{
    const QString pictures = folder.filePath(QStringLiteral("Pictures"));
    if (!QDir().mkpath(pictures))
        return QStringLiteral("Could not create the folder %1").arg(pictures);
    for (DemoRide &demo : rides) {
        const QString path = QDir(pictures).filePath(demo.pictureFileName);
        if (!paintDemoPicture(demo.picture).save(path, "PNG"))
            return QStringLiteral("Could not write the picture %1").arg(path);
        // Relative to the data folder, so that the demo folder can be moved.
        demo.ride.PicturePath = PicturePaths::storedPath(folder.path(), path);
    }
    return {};
}

// Writes the records as records 1, 2, ... of a new file.
template<DataRecord Record>
FileStatus writeAll(RecordFile<Record> &file, const QList<Record> &records)
{
    FileStatus status = OpenRecordFile(file);
    for (qsizetype i = 0; status && i < records.size(); ++i) {
        file.buffer = records[i];
        status = WriteRecord(file, file.count() + static_cast<int>(i) + 1);
    }
    const FileStatus closed = CloseRecordFile(file);
    return status ? closed : status;
}

FileStatus writeDataFiles(const QList<DemoRide> &rides)
{
    QList<RideRecord> rideRecords;
    QList<ExpenseRecord> maintenance;
    QList<ExpenseRecord> goodies;
    QList<TripRecord> trips;
    QList<GasRecord> gas;
    for (const DemoRide &demo : rides) {
        rideRecords << demo.ride;
        maintenance << demo.maintenance;
        goodies << demo.goodies;
        trips << demo.trips;
        gas << demo.gas;
    }
    DataFiles files;
    for (FileStatus status : {writeAll(files.rides, rideRecords), writeAll(files.maintenance, maintenance),
                              writeAll(files.goodies, goodies), writeAll(files.trips, trips), writeAll(files.gas, gas)}) {
        if (!status)
            return status;
    }
    return {};
}

FileStatus writeReminders(const QDir &folder, const QList<DemoRide> &rides)
{
    ReminderStore store(folder.filePath(ReminderStore::FileName));
    FileStatus status = store.status();
    for (const DemoRide &demo : rides) {
        for (Reminder reminder : demo.reminders) {
            if (status)
                status = store.add(reminder);
        }
    }
    return status;
}

} // namespace

QString writeDemoData(const QString &dataFolder, QDate today)
{
    const QDir folder(QFileInfo(dataFolder).absoluteFilePath());
    if (!QDir().mkpath(folder.path()))
        return QStringLiteral("Could not create the folder %1").arg(folder.path());
    const QString existing = existingDataFile(folder);
    if (!existing.isEmpty())
        return QStringLiteral("%1 already holds %2; the demo is written only into a folder without data files")
            .arg(folder.path(), existing);

    QList<DemoRide> rides = demoRides(today);
    const QString pictureProblem = savePictures(folder, rides);
    if (!pictureProblem.isEmpty())
        return pictureProblem;

    const WorkingFolder working(folder.path());
    if (!working.entered())
        return QStringLiteral("Could not enter the folder %1").arg(folder.path());
    FileStatus status = writeDataFiles(rides);
    if (status)
        status = writeReminders(folder, rides);
    return status ? QString() : status.message();
}
