#include "platform/Settings.h"

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
