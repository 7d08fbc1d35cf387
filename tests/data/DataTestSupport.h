#pragma once

// Helpers shared by the data tests: a private working folder, file bytes,
// records with recognisable contents, and running code in a child process.

#include "data/RecordFile.h"
#include "support/ChildProcess.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>

namespace DataTest {

// Makes a fresh temporary folder the working folder for as long as it lives.
class WorkingFolder
{
public:
    WorkingFolder() : m_previous(QDir::currentPath())
    {
        QVERIFY(m_folder.isValid());
        QVERIFY(QDir::setCurrent(m_folder.path()));
    }
    ~WorkingFolder() { QDir::setCurrent(m_previous); }
    QString path() const { return m_folder.path(); }

private:
    QTemporaryDir m_folder;
    QString m_previous;
};

inline QByteArray bytesOf(const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

inline bool exists(const QString &fileName) { return QFileInfo::exists(fileName); }

inline void writeBytes(const QString &fileName, const QByteArray &bytes)
{
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// A ride whose fields all say which ride it is.
inline RideRecord ride(int id)
{
    RideRecord r;
    r.RideKey = 40000.25 + id;
    r.Year = QString::number(1960 + id);
    r.Make = QStringLiteral("Make %1").arg(id);
    r.Model = QStringLiteral("Model %1").arg(id);
    r.RideName = QStringLiteral("Ride %1").arg(id);
    r.PricePaid = 10000LL * id;
    r.Notes = QStringLiteral("Notes of ride %1\r\nsecond line").arg(id);
    return r;
}

inline GasRecord gas(int id, double rideKey)
{
    GasRecord r;
    r.RideKey = rideKey;
    r.EntryDate = 39000 + id;
    r.Gallons = 10.5f + static_cast<float>(id);
    r.Miles = 300 + id;
    r.Notes = QStringLiteral("Fill-up %1").arg(id);
    return r;
}

inline ExpenseRecord expense(int id, double rideKey)
{
    ExpenseRecord r;
    r.RideKey = rideKey;
    r.EntryDate = 39000 + id;
    r.Description = QStringLiteral("Expense %1").arg(id);
    r.Cost = 125000LL * id;
    r.Notes = QStringLiteral("Notes of expense %1").arg(id);
    return r;
}

inline TripRecord trip(int id, double rideKey)
{
    TripRecord r;
    r.RideKey = rideKey;
    r.EntryDate = 39000 + id;
    r.Description = QStringLiteral("Trip %1").arg(id);
    r.Miles = 100 * id;
    r.Notes = QStringLiteral("Notes of trip %1").arg(id);
    return r;
}

// Writes the records as the whole content of the file (no RecordFile involved).
template<DataRecord Record>
void writeFileOf(const QString &fileName, const QList<Record> &records)
{
    QByteArray bytes;
    for (const Record &r : records)
        bytes += encodeRecord(r);
    writeBytes(fileName, bytes);
}

// The records of a file, decoded straight from its bytes.
template<DataRecord Record>
QList<Record> recordsIn(const QString &fileName)
{
    const QByteArray bytes = bytesOf(fileName);
    QList<Record> records;
    for (qsizetype at = 0; at + Record::Length <= bytes.size(); at += Record::Length)
        records.append(decodeRecord<Record>(bytes.constData() + at));
    return records;
}

using ChildProcess::runInChild;

} // namespace DataTest
