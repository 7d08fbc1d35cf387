#pragma once

#include "data/DataFileTable.h"

#include <QList>
#include <QString>
#include <QStringView>

// Data files that end in part of a record: a length that is no whole number
// of records (a copy that stopped short, a damaged disk). The program reads
// such a file as well as it can, but RecordFile writes nothing into it, so
// that no record lands over the partial one, until `torqal-data repair` has
// moved the bytes after the last whole record into a side file
// "<name>.partial" and shortened the file to its whole records.

struct PartialRecordFile
{
    const DataFileInfo *file;
    qint64 length;
};

bool endsInPartialRecord(qint64 length, int recordLength);

// The data files of the working folder that end in part of a record.
QList<PartialRecordFile> filesEndingInPartialRecords();

// The side file a repair of `dataFile` moves the partial record into: the
// first of "<name>.partial", "<name>.2.partial", "<name>.3.partial", ... for
// which `isFree` is true.
template<class IsFree>
QString repairSideFileName(const QString &dataFile, IsFree isFree)
{
    QString name = dataFile + QStringLiteral(".partial");
    for (int number = 2; !isFree(name); ++number)
        name = QStringLiteral("%1.%2.partial").arg(dataFile).arg(number);
    return name;
}

// Whether `fileName` is such a side file.
bool isRepairSideFile(QStringView fileName);

// A command of the data tool on `folder`, ready to be typed into a shell:
// dataToolCommandLine("repair", "/home/me/My rides") gives
// torqal-data repair '/home/me/My rides'
QString dataToolCommandLine(const QString &command, const QString &folder);
