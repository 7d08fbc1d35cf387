#pragma once

#include <QString>
#include <QStringView>

#include <array>

// The five data files. Their names are relative to the process's working
// folder; the program never builds a path of its own for them.
enum class DataFileKind { Rides, Maintenance, Goodies, Trips, Gas };

struct DataFileInfo
{
    DataFileKind kind;
    QString name;
    int recordLength;
    bool recountOnClose; // only the ride file refreshes its count when closed
    // A rough check that `recordLength` bytes could be a record of this file
    // (numbers in range, short text fields free of control bytes). Used only
    // to decide whether a scratch file may be restored as this file.
    bool (*looksLikeRecord)(const char *record);
};

const std::array<DataFileInfo, 5> &DataFileTable();
const DataFileInfo &dataFileInfo(DataFileKind kind);
// The file of that name, in any letter case; nullptr for other names.
const DataFileInfo *findDataFile(QStringView fileName);

// The scratch file through which compaction rebuilds a data file.
inline const QString ScratchFileName = QStringLiteral("TempFile.$$$");

// Record numbers are 16-bit signed: no file holds more records than this.
constexpr int MaxRecords = 32767;

// Records counted in a file of `length` bytes: length / recordLength rounded
// to the nearest integer, halves to the even neighbour (a damaged file may end
// in part of a record).
qint64 recordCountForLength(qint64 length, int recordLength);
