#include "backup/BackupManifest.h"

#include "Version.h"
#include "data/DataFileTable.h"
#include "data/Records.h"
#include "store/LogKind.h"
#include "store/RideLabels.h"
#include "store/ReminderStore.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QString Format = QStringLiteral("Torqal backup");
constexpr int FormatVersion = 1;
const std::array<QString, 4> LogNames = {QStringLiteral("maintenance"), QStringLiteral("goodies"),
                                         QStringLiteral("trips"), QStringLiteral("gasoline")};

} // namespace

QString programVersion()
{
    return QStringLiteral("%1.%2.%3").arg(TorqalVersionMajor).arg(TorqalVersionMinor).arg(TorqalVersionRevision);
}

bool isBackupFileName(const QString &name)
{
    if (const DataFileInfo *data = findDataFile(name); data && data->name == name)
        return true;
    if (name == ReminderStore::FileName)
        return true;
    if (!name.startsWith(QLatin1String("Pictures/")) || name.contains(QLatin1Char('\\')))
        return false;
    const QStringList parts = name.split(QLatin1Char('/'));
    return std::none_of(parts.begin() + 1, parts.end(), [](const QString &part) {
        return part.isEmpty() || part == QLatin1String(".") || part == QLatin1String("..");
    });
}

QByteArray BackupManifest::toJson() const
{
    QJsonObject entryCounts;
    for (std::size_t i = 0; i < LogNames.size(); ++i)
        entryCounts[LogNames[i]] = entries[i];
    QJsonArray fileList;
    for (const File &f : files)
        fileList.append(QJsonObject{{QStringLiteral("name"), f.name},
                                    {QStringLiteral("size"), f.size},
                                    {QStringLiteral("sha256"), QString::fromLatin1(f.sha256)}});
    const QJsonObject root{{QStringLiteral("format"), Format},
                           {QStringLiteral("formatVersion"), FormatVersion},
                           {QStringLiteral("program"), programVersion},
                           {QStringLiteral("made"), made.toUTC().toString(Qt::ISODate)},
                           {QStringLiteral("rides"), QJsonArray::fromStringList(rides)},
                           {QStringLiteral("entries"), entryCounts},
                           {QStringLiteral("reminders"), reminders},
                           {QStringLiteral("files"), fileList}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool BackupManifest::fromJson(const QByteArray &json, BackupManifest &manifest, QString &problem)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    const QJsonObject root = document.object();
    if (error.error != QJsonParseError::NoError || root.value(QStringLiteral("format")).toString() != Format) {
        problem = QStringLiteral("its manifest is not that of a Torqal backup");
        return false;
    }
    if (root.value(QStringLiteral("formatVersion")).toInt() != FormatVersion) {
        problem = QStringLiteral("it was made by a later version of Torqal (%1)").arg(root.value(QStringLiteral("program")).toString());
        return false;
    }
    manifest = {};
    manifest.programVersion = root.value(QStringLiteral("program")).toString();
    manifest.made = QDateTime::fromString(root.value(QStringLiteral("made")).toString(), Qt::ISODate);
    for (const QJsonValue &ride : root.value(QStringLiteral("rides")).toArray())
        manifest.rides << ride.toString();
    const QJsonObject entryCounts = root.value(QStringLiteral("entries")).toObject();
    for (std::size_t i = 0; i < LogNames.size(); ++i)
        manifest.entries[i] = entryCounts.value(LogNames[i]).toInteger(-1);
    manifest.reminders = root.value(QStringLiteral("reminders")).toInteger(-1);
    const QJsonArray fileList = root.value(QStringLiteral("files")).toArray();
    for (const QJsonValue &value : fileList) {
        const QJsonObject f = value.toObject();
        manifest.files.append({f.value(QStringLiteral("name")).toString(), f.value(QStringLiteral("size")).toInteger(-1),
                               f.value(QStringLiteral("sha256")).toString().toLatin1()});
    }
    const bool countsRead = manifest.reminders >= 0
                            && std::all_of(manifest.entries.begin(), manifest.entries.end(), [](qint64 n) { return n >= 0; });
    const bool filesRead = std::all_of(manifest.files.cbegin(), manifest.files.cend(), [](const File &f) {
        return isBackupFileName(f.name) && f.size >= 0 && f.sha256.size() == 64;
    });
    if (!manifest.made.isValid() || !countsRead || !filesRead) {
        problem = QStringLiteral("its manifest is incomplete or names a file no backup holds");
        return false;
    }
    return true;
}

const BackupManifest::File *BackupManifest::file(const QString &name) const
{
    for (const File &f : files) {
        if (f.name == name)
            return &f;
    }
    return nullptr;
}

FileStatus countRecords(const QString &folder, BackupManifest &manifest)
{
    const QDir dir(folder);
    manifest.rides.clear();
    manifest.entries = {};
    for (const DataFileInfo &info : DataFileTable()) {
        QFile file(dir.filePath(info.name));
        if (!file.exists())
            continue;
        if (!file.open(QIODevice::ReadOnly))
            return FileStatus::failure(file.fileName(), QStringLiteral("Could not read %1: %2").arg(file.fileName(), file.errorString()));
        const qint64 records = recordCountForLength(file.size(), info.recordLength);
        LogKind kind;
        if (logKindOfFile(info.kind, kind)) {
            manifest.entries[std::size_t(logIndex(kind) - 1)] = records;
            continue;
        }
        for (qint64 n = 0; n < records; ++n) {
            const QByteArray bytes = file.read(info.recordLength);
            if (bytes.size() < info.recordLength)
                break; // a cut-short last record has no name to show
            RideRecord ride;
            decodeRecord(bytes.constData(), ride);
            manifest.rides << RideLabels::MenuLabel(ride).trimmed();
        }
    }
    return {};
}

FileStatus countReminders(const QString &databasePath, qint64 &count)
{
    count = 0;
    if (!QFile::exists(databasePath))
        return {};
    const ReminderStore store(databasePath, ReminderStore::Access::ReadOnly);
    if (!store.isOpen())
        return store.status();
    QList<Reminder> reminders;
    const FileStatus read = store.allReminders(reminders);
    count = reminders.size();
    return read;
}
