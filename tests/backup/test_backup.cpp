// The backups: an archive restored into an empty folder gives the same files
// and reminders; a damaged or foreign archive is refused with the folder
// untouched; a restore killed at any of its steps leaves the old files or
// the new ones, whole; the automatic backups' names and pruning.

#include "backup/AutomaticBackups.h"
#include "backup/BackupWrite.h"
#include "backup/FolderSwap.h"
#include "backup/Restore.h"
#include "backup/ZipArchive.h"
#include "data/SystemCalls.h"
#include "data/WriteJournal.h"
#include "platform/Clock.h"
#include "store/ReminderStore.h"
#include "support/Garage.h"
#include "support/ReminderSupport.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace {

// Every file below `folder` with its bytes, by path relative to it.
QMap<QString, QByteArray> treeOf(const QString &folder)
{
    QMap<QString, QByteArray> tree;
    QDirIterator files(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        tree[QDir(folder).relativeFilePath(file.fileName())] = file.open(QIODevice::ReadOnly) ? file.readAll() : "(unreadable)";
    }
    return tree;
}

QList<Reminder> remindersIn(const QString &folder)
{
    const ReminderStore store(QDir(folder).filePath(ReminderStore::FileName), ReminderStore::Access::ReadOnly);
    QList<Reminder> reminders;
    (void)store.allReminders(reminders);
    return reminders;
}

// A data folder: the garage's files, two reminders, a picture.
void fillFolder(const QString &folder, int rides)
{
    const QString working = QDir::currentPath();
    QDir::setCurrent(folder);
    using namespace DataTest;
    QList<RideRecord> list;
    for (int id = 1; id <= rides; ++id)
        list << ride(id);
    Garage::write();
    writeFileOf<RideRecord>("Torqal.Dat", list);
    {
        ReminderStore store(ReminderStore::FileName);
        Reminder first = ReminderTest::ofRide(ReminderTest::once(QDate(2027, 3, 1), 42000), ride(1).RideKey);
        Reminder second = ReminderTest::ofRide(ReminderTest::every(6, 5000, QDate(2026, 6, 1), 38000), ride(2).RideKey);
        QVERIFY(store.add(first).ok() && store.add(second).ok());
    }
    QDir().mkpath(QStringLiteral("Pictures/old"));
    writeBytes(QStringLiteral("Pictures/old/front.jpg"), QByteArray(3000, char(rides)));
    QDir::setCurrent(working);
}

// The archive's entries, for building damaged ones from a sound one.
QMap<QString, QByteArray> entriesOf(const QString &archive)
{
    QMap<QString, QByteArray> entries;
    const ZipArchive::Reader reader(archive);
    QString problem;
    for (const QString &name : reader.names()) {
        QByteArray &bytes = entries[name];
        (void)reader.read(name, [&bytes](const char *piece, qint64 length) { bytes.append(piece, length); return true; }, problem);
    }
    return entries;
}

void writeArchive(const QString &path, const QMap<QString, QByteArray> &entries)
{
    ZipArchive::Writer writer;
    QString problem;
    for (auto entry = entries.begin(); entry != entries.end(); ++entry)
        QVERIFY(writer.addBytes(entry.key(), entry.value(), problem));
    QByteArray bytes;
    QVERIFY(writer.finish([&bytes](const char *piece, qint64 length) { bytes.append(piece, length); return true; }, problem));
    DataTest::writeBytes(path, bytes);
}

bool isRestoreLeftover(const QString &path)
{
    return path.startsWith(QLatin1String("Restore."));
}

} // namespace

class TestBackup : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_root;
    QString m_folder;  // the data folder in use: 3 rides
    QString m_archive; // a backup of another one: 2 rides

    QString path(const QString &name) const { return m_root.filePath(name); }

private slots:
    void init()
    {
        QVERIFY(QDir(m_root.path()).removeRecursively() && QDir().mkpath(m_root.path()));
        m_folder = path(QStringLiteral("data"));
        QDir().mkpath(m_folder);
        fillFolder(m_folder, 3);
        const QString other = path(QStringLiteral("other"));
        QDir().mkpath(other);
        fillFolder(other, 2);
        m_archive = path(QStringLiteral("other.zip"));
        QVERIFY2(writeBackup(other, m_archive).ok(), "the backup was not written");
    }

    void roundTripGivesTheSameFilesAndReminders()
    {
        const QString into = path(QStringLiteral("new/folder"));
        const QDateTime moment(QDate(2026, 12, 7), QTime(22, 15));
        const Clock::Fixed now(moment);
        const QString archive = path(QStringLiteral("data.zip"));
        BackupManifest manifest;
        QVERIFY(writeBackup(m_folder, archive, &manifest).ok());
        QCOMPARE(manifest.rides.size(), 3);
        QCOMPARE(manifest.entries, (std::array<qint64, 4>{4, 0, 4, 4}));
        QCOMPARE(manifest.reminders, 2);

        const BackupCheck restored = Restore::intoEmptyFolder(archive, into);
        QCOMPARE(restored.verdict, BackupCheck::Verdict::Sound);
        QCOMPARE(restored.manifest.made, moment.toUTC());
        QMap<QString, QByteArray> expected = treeOf(m_folder);
        QMap<QString, QByteArray> got = treeOf(into);
        expected.remove(ReminderStore::FileName); // a snapshot, not a copy of the file's bytes
        got.remove(ReminderStore::FileName);
        QCOMPARE(got, expected);
        QCOMPARE(remindersIn(into), remindersIn(m_folder));

        // A folder that is not empty is left alone.
        const BackupCheck again = Restore::intoEmptyFolder(archive, into);
        QCOMPARE(again.verdict, BackupCheck::Verdict::Refused);
    }

    void damagedArchiveIsRefusedAndNothingChanges_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("said");
        QTest::newRow("truncated") << "truncated" << "no zip archive";
        QTest::newRow("a file's bytes changed") << "changed" << "Maint.Dat in it does not match the checksum";
        QTest::newRow("a file missing") << "missing" << "Maint.Dat is missing";
        QTest::newRow("another program's zip") << "foreign" << "holds no manifest";
        QTest::newRow("a file the manifest does not list") << "extra" << "which its manifest does not list";
        QTest::newRow("a data file cut short") << "cut" << "Gas.Dat in it does not hold whole records";
        QTest::newRow("a file larger than listed") << "larger" << "Maint.Dat in it is larger than its manifest says";
    }
    void damagedArchiveIsRefusedAndNothingChanges()
    {
        QFETCH(QString, damage);
        QFETCH(QString, said);
        QMap<QString, QByteArray> entries = entriesOf(m_archive);
        const QString damaged = path(QStringLiteral("damaged.zip"));
        if (damage == QLatin1String("truncated")) {
            const QByteArray bytes = DataTest::bytesOf(m_archive);
            DataTest::writeBytes(damaged, bytes.left(bytes.size() / 2));
        } else if (damage == QLatin1String("foreign")) {
            writeArchive(damaged, {{QStringLiteral("readme.txt"), "Hello"}});
        } else {
            if (damage == QLatin1String("changed"))
                entries[QStringLiteral("Maint.Dat")][10] ^= 1;
            else if (damage == QLatin1String("missing"))
                entries.remove(QStringLiteral("Maint.Dat"));
            else if (damage == QLatin1String("extra"))
                entries[QStringLiteral("Pictures/stray.jpg")] = "x";
            else if (damage == QLatin1String("larger"))
                entries[QStringLiteral("Maint.Dat")].append(QByteArray(1 << 20, '\0'));
            writeArchive(damaged, entries);
        }
        if (damage == QLatin1String("cut")) {
            // The manifest agrees with the file; the file is no whole number of records.
            QByteArray &gas = entries[QStringLiteral("Gas.Dat")];
            gas.chop(1);
            BackupManifest manifest;
            QString problem;
            QVERIFY(BackupManifest::fromJson(entries[BackupManifest::EntryName], manifest, problem));
            for (BackupManifest::File &file : manifest.files) {
                if (file.name == QLatin1String("Gas.Dat"))
                    file = {file.name, gas.size(), QCryptographicHash::hash(gas, QCryptographicHash::Sha256).toHex()};
            }
            entries[BackupManifest::EntryName] = manifest.toJson();
            writeArchive(damaged, entries);
        }

        const QMap<QString, QByteArray> before = treeOf(m_folder);
        bool keptOld = false;
        const BackupCheck check = Restore::overFolder(damaged, m_folder, [&keptOld] {
            keptOld = true;
            return FileStatus();
        });
        QCOMPARE(check.verdict, BackupCheck::Verdict::Refused);
        QVERIFY2(check.problem.contains(said), qPrintable(check.problem));
        QVERIFY(!keptOld);
        QCOMPARE(treeOf(m_folder), before);
        QVERIFY(QDir(m_folder).entryList({QStringLiteral("Restore.*")}, QDir::AllEntries).isEmpty());
    }

    // The restore is killed at each of its system calls in turn; the next
    // start then finds the folder's files as they were, or as restored.
    void restoreKilledAtAnyStepLeavesOldOrNew()
    {
        const QMap<QString, QByteArray> before = treeOf(m_folder);
        const QString fresh = path(QStringLiteral("fresh"));
        QCOMPARE(Restore::intoEmptyFolder(m_archive, fresh).verdict, BackupCheck::Verdict::Sound);
        const QMap<QString, QByteArray> restored = treeOf(fresh);
        const QString pristine = path(QStringLiteral("pristine"));
        QVERIFY(QDir().rename(m_folder, pristine));

        static int killAt = 0;
        static int calls = 0;
        int sawOld = 0;
        int sawNew = 0;
        for (killAt = 1;; ++killAt) {
            QDir(m_folder).removeRecursively();
            QVERIFY(QProcess::execute(QStringLiteral("cp"), {QStringLiteral("-a"), pristine, m_folder}) == 0);
            const int status = ChildProcess::runInChild([this] {
                calls = 0;
                SystemCalls::setFaultHook([](const char *) {
                    if (++calls == killAt)
                        raise(SIGKILL);
                    return 0;
                });
                return int(Restore::overFolder(m_archive, m_folder, {}).verdict);
            });
            const bool killed = WIFSIGNALED(status);
            QVERIFY2(killed || WEXITSTATUS(status) == int(BackupCheck::Verdict::Sound), qPrintable(QString::number(killAt)));
            QVERIFY(FolderSwap::finishPending(m_folder).ok());
            const QMap<QString, QByteArray> after = treeOf(m_folder);
            QVERIFY2(after == before || after == restored, qPrintable(QStringLiteral("killed at call %1").arg(killAt)));
            QVERIFY(std::none_of(after.keyBegin(), after.keyEnd(), isRestoreLeftover));
            (after == before ? sawOld : sawNew)++;
            if (!killed)
                break;
        }
        QVERIFY(sawOld > 0 && sawNew > 1); // the kill came before and after the swap went ahead
    }

    void pruningKeepsTheNewestAndOneAMonth_data()
    {
        QTest::addColumn<QList<QDateTime>>("made");
        QTest::addColumn<QList<int>>("pruned");
        const QDateTime now(QDate(2026, 12, 7), QTime(22, 15));
        QList<QDateTime> daily; // 25 days back from now, newest last
        for (int day = 24; day >= 0; --day)
            daily << now.addDays(-day);
        QTest::newRow("20 or fewer: all kept") << daily.mid(5) << QList<int>{};
        // The newest 20 reach back into November, which they keep: its older five go.
        QTest::newRow("beyond 20 in the same month") << daily << QList<int>{0, 1, 2, 3, 4};
        QList<QDateTime> monthly = daily.mid(5);
        for (int month = 1; month <= 14; ++month)
            monthly << now.addMonths(-month) << now.addMonths(-month).addDays(-1);
        // Index 18 + 2m is the later backup of m months back, 19 + 2m the earlier one.
        QList<int> pruned{20, 21}; // November's newest is among the newest 20
        for (int month = 2; month <= 11; ++month)
            pruned << 19 + 2 * month; // the earlier one of October back to January
        for (int index = 42; index <= 47; ++index)
            pruned << index; // December a year ago and older
        QTest::newRow("a year of months") << monthly << pruned;
    }
    void pruningKeepsTheNewestAndOneAMonth()
    {
        QFETCH(QList<QDateTime>, made);
        QFETCH(QList<int>, pruned);
        QCOMPARE(AutomaticBackups::toPrune(made, QDateTime(QDate(2026, 12, 7), QTime(22, 15))), pruned);
    }

    void automaticBackupIsNamedByDateAndCommand()
    {
        const QDateTime moment(QDate(2026, 12, 7), QTime(22, 15));
        const Clock::Fixed now(moment);
        QString written;
        QVERIFY(AutomaticBackups::make(m_folder, QStringLiteral("import"), &written).ok());
        QCOMPARE(QFileInfo(written).fileName(), QStringLiteral("2026-12-07 22-15 before import.zip"));
        QVERIFY(AutomaticBackups::make(m_folder, QStringLiteral("import"), &written).ok());
        QCOMPARE(QFileInfo(written).fileName(), QStringLiteral("2026-12-07 22-15 before import (2).zip"));
        QCOMPARE(AutomaticBackups::madeAt(QFileInfo(written).fileName()), moment);

        // Not while a change to the data files is still to be taken back.
        DataTest::writeBytes(QDir(m_folder).filePath(WriteJournal::FileName), "a journal");
        QVERIFY(!AutomaticBackups::make(m_folder, QStringLiteral("import")).ok());
    }
};

QTEST_GUILESS_MAIN(TestBackup)
#include "test_backup.moc"
