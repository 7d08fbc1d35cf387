#include "data/OtherSpellings.h"

#include "data/SystemCalls.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>

QList<OtherSpelling> otherSpellings(const QString &folder)
{
    const QDir dir(folder);
    const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    QList<OtherSpelling> found;
    for (const DataFileInfo &info : DataFileTable()) {
        OtherSpelling spelling{&info, {}, entries.contains(info.name)};
        for (const QString &entry : entries) {
            if (entry != info.name && entry.compare(info.name, Qt::CaseInsensitive) == 0)
                spelling.names << entry;
        }
        // Where letter case is ignored, the own name opens the file listed
        // under another spelling: one file, not two.
        const bool caseBlind = !spelling.ownNamePresent && QFileInfo::exists(dir.filePath(info.name));
        if (!spelling.names.isEmpty() && !caseBlind)
            found << spelling;
    }
    return found;
}

FileStatus renameToOwnName(const OtherSpelling &spelling)
{
    Q_ASSERT(spelling.canBeRenamed());
    const QString &from = spelling.names.constFirst();
    if (SystemCalls::renameNoReplace(QFile::encodeName(from).constData(), QFile::encodeName(spelling.file->name).constData()) != 0)
        return FileStatus::systemFailure(QStringLiteral("rename %1 to").arg(from), spelling.file->name, errno);
    if (SystemCalls::syncWorkingFolder() != 0)
        return FileStatus::systemFailure(QStringLiteral("rename %1 to").arg(from), spelling.file->name, errno);
    return {};
}
