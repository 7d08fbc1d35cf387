// What the start makes of a journal it finds: one cut short while it was
// written is thrown away; a whole one puts its files back; one whose files
// were changed since by another program is set aside and the files left as
// they are; one of a later version is left alone with a message.

#include "DataTestSupport.h"

#include "data/RecordFile.h"
#include "data/WriteJournal.h"

#include <QCryptographicHash>
#include <QTest>

using namespace DataTest;

namespace {

const QList<GasRecord> fillUps{gas(1, 10), gas(2, 10)};

// Gas.Dat with two records, then under a journal a third appended and the
// first written over; the journal is left as a kill would leave it.
void changeUnderJournal()
{
    writeFileOf<GasRecord>(QStringLiteral("Gas.Dat"), fillUps);
    RecordFile<GasRecord> file(DataFileKind::Gas);
    QVERIFY(OpenRecordFile(file));
    WriteJournal journal;
    const QByteArray changed = encodeRecord(gas(9, 10));
    QVERIFY(journal.noteOverwrite(file, 1, changed.constData()));
    QVERIFY(journal.noteAppend(file, 1));
    QVERIFY(journal.begin());
    QVERIFY(file.writeBytes(1, changed.constData()));
    QVERIFY(file.writeBytes(3, changed.constData()));
    QVERIFY(CloseRecordFile(file));
}

} // namespace

class TestWriteJournal : public QObject
{
    Q_OBJECT

private slots:
    void aJournalFoundAtStart_data()
    {
        QTest::addColumn<QByteArray>("afterTheKill"); // what else happened to the folder
        QTest::addColumn<bool>("putBack");
        QTest::addColumn<QString>("journalNowAt");
        QTest::addColumn<bool>("refused");
        QTest::newRow("whole") << QByteArray() << true << QString() << false;
        QTest::newRow("cut short while written") << QByteArray("cut") << false << QString() << false;
        QTest::newRow("files changed since") << QByteArray("grown") << false << QStringLiteral("Torqal-1.jnl") << false;
        QTest::newRow("record changed since") << QByteArray("edited") << false << QStringLiteral("Torqal-1.jnl") << false;
        QTest::newRow("of a later version") << QByteArray("later") << false << WriteJournal::FileName << true;
    }

    void aJournalFoundAtStart()
    {
        QFETCH(QByteArray, afterTheKill);
        QFETCH(bool, putBack);
        QFETCH(QString, journalNowAt);
        QFETCH(bool, refused);
        WorkingFolder folder;
        changeUnderJournal();
        QByteArray journal = bytesOf(WriteJournal::FileName);
        QByteArray gasFile = bytesOf(QStringLiteral("Gas.Dat"));
        if (afterTheKill == "cut") {
            // A journal cut short comes before any write of the data files.
            writeFileOf<GasRecord>(QStringLiteral("Gas.Dat"), fillUps);
            gasFile = bytesOf(QStringLiteral("Gas.Dat"));
            journal.chop(40);
        } else if (afterTheKill == "grown") {
            gasFile += encodeRecord(gas(5, 10)) + encodeRecord(gas(6, 10));
        } else if (afterTheKill == "edited") {
            gasFile.replace(0, GasRecord::Length, encodeRecord(gas(7, 10)));
        } else if (afterTheKill == "later") {
            QByteArray body = journal.chopped(32); // then its checksum
            body[5] = '\x09';                      // the version after the magic number
            journal = body + QCryptographicHash::hash(body, QCryptographicHash::Sha256);
        }
        writeBytes(WriteJournal::FileName, journal);
        writeBytes(QStringLiteral("Gas.Dat"), gasFile);

        const FileStatus status = JournalRecovery::rollBackPending();
        QCOMPARE(!status, refused);
        const QByteArray expected = putBack ? encodeRecord(fillUps[0]) + encodeRecord(fillUps[1]) : gasFile;
        QCOMPARE(bytesOf(QStringLiteral("Gas.Dat")), expected);
        QCOMPARE(JournalRecovery::isPending(), journalNowAt == WriteJournal::FileName);
        if (!journalNowAt.isEmpty())
            QCOMPARE(bytesOf(journalNowAt), journal);
    }
};

QTEST_GUILESS_MAIN(TestWriteJournal)
#include "test_write_journal.moc"
