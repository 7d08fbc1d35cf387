#include "data/SetAside.h"

#include "data/DataFileTable.h"
#include "data/SystemCalls.h"

#include <cerrno>

FileStatus setAsideUnderFreeName(const QString &fileName, const QString &pattern, QString &asideName)
{
    const QByteArray from = fileName.toLocal8Bit();
    for (int number = 1; number <= MaxRecords; ++number) {
        const QString aside = pattern.arg(number);
        if (SystemCalls::renameNoReplace(from.constData(), aside.toLocal8Bit().constData()) == 0) {
            asideName = aside;
            if (SystemCalls::syncWorkingFolder() != 0)
                return FileStatus::systemFailure(QStringLiteral("set aside"), fileName, errno);
            return {};
        }
        if (errno != EEXIST)
            return FileStatus::systemFailure(QStringLiteral("set aside"), fileName, errno);
    }
    return FileStatus::failure(fileName, QStringLiteral("Could not set aside %1: too many files set aside already").arg(fileName));
}
