#include "platform/Settings.h"

#include <QDateTime>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

class TestSettings : public QObject
{
    Q_OBJECT

    QTemporaryDir folder;
    QString file;

private slots:
    void init()
    {
        file = folder.filePath(QStringLiteral("settings.ini"));
        QFile::remove(file);
        Settings::useFile(file);
    }

    void valuesLiveInTheDefaultsSection()
    {
        Settings::setValue(Settings::LastRideViewedKey, QStringLiteral("3"));
        QSettings raw(file, QSettings::IniFormat);
        QCOMPARE(raw.value(QStringLiteral("Defaults/Last Ride Viewed")).toString(), QStringLiteral("3"));
        QCOMPARE(Settings::value(Settings::LastRideViewedKey, QStringLiteral("1")), QStringLiteral("3"));
    }

    void aValueStoredAsItStandsIsNotWrittenAgain()
    {
        Settings::setValue(Settings::LastRideViewedKey, QStringLiteral("3"));
        const QDateTime old = QDateTime::currentDateTime().addDays(-1);
        QFile stored(file);
        QVERIFY(stored.open(QIODevice::ReadWrite) && stored.setFileTime(old, QFileDevice::FileModificationTime));
        stored.close();
        Settings::setValue(Settings::LastRideViewedKey, QStringLiteral("3"));
        QCOMPARE(QFileInfo(file).lastModified(), old);

        // An absent key is written even when its text is empty.
        Settings::setValue(Settings::NewUserKey, QString());
        QVERIFY(QSettings(file, QSettings::IniFormat).contains(QStringLiteral("Defaults/New User")));
    }

    void missingKeysTakeTheirDefault()
    {
        QCOMPARE(Settings::value(Settings::NewUserKey), QString());
        QCOMPARE(Settings::value(Settings::LastRideViewedKey, QStringLiteral("1")), QStringLiteral("1"));
        QVERIFY(!Settings::fadeStatus());
    }

    void fadeStatusIsStoredAsBooleanText()
    {
        Settings::setFadeStatus(true);
        QCOMPARE(Settings::value(Settings::FadeStatusKey), QStringLiteral("True"));
        QVERIFY(Settings::fadeStatus());
        Settings::setFadeStatus(false);
        QCOMPARE(Settings::value(Settings::FadeStatusKey), QStringLiteral("False"));
        QVERIFY(!Settings::fadeStatus());
        Settings::setValue(Settings::FadeStatusKey, QStringLiteral("nonsense"));
        QVERIFY(!Settings::fadeStatus());
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "test_settings.moc"
