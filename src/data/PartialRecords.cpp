#include "data/PartialRecords.h"

#include <QFileInfo>
#include <QRegularExpression>

bool endsInPartialRecord(qint64 length, int recordLength)
{
    return length % recordLength != 0;
}

QList<PartialRecordFile> filesEndingInPartialRecords()
{
    QList<PartialRecordFile> found;
    for (const DataFileInfo &info : DataFileTable()) {
        const QFileInfo file(info.name);
        if (file.isFile() && endsInPartialRecord(file.size(), info.recordLength))
            found.append({&info, file.size()});
    }
    return found;
}

bool isRepairSideFile(QStringView fileName)
{
    static const QRegularExpression pattern(QStringLiteral("^(.+?)(\\.[0-9]+)?\\.partial$"));
    const QRegularExpressionMatch match = pattern.match(fileName.toString());
    return match.hasMatch() && DataFileTable().end() != std::find_if(DataFileTable().begin(), DataFileTable().end(), [&](const DataFileInfo &info) {
               return info.name == match.capturedView(1);
           });
}

QString dataToolCommandLine(const QString &command, const QString &folder)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_./+-]+$"));
    QString quoted = folder;
    if (!plain.match(folder).hasMatch())
        quoted = QLatin1Char('\'') + QString(folder).replace(QLatin1Char('\''), QStringLiteral("'\\''")) + QLatin1Char('\'');
    return QStringLiteral("torqal-data %1 %2").arg(command, quoted);
}
