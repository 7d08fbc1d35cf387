#include "help/HelpTexts.h"
#include "help/HelpTopics.h"
#include "platform/Identity.h"
#include "platform/ValueFormats.h"

#include "Version.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QTest>

class TestHelpTopics : public QObject
{
    Q_OBJECT

    static QList<int> textTopicIds()
    {
        QList<int> ids;
        for (int index = 1; index < HelpTopics::count(); ++index) {
            const HelpTopic &entry = HelpTopics::at(index);
            if (!entry.separator && entry.helpId != HelpTopics::AboutBoxId && entry.helpId != HelpTopics::EmailMakerId
                && entry.helpId != HelpTopics::MakersWebPageId)
                ids << entry.helpId;
        }
        return ids;
    }

private slots:
    void topicMenuHasItsSeventeenEntries()
    {
        QCOMPARE(HelpTopics::count(), 17);
        QList<int> separators;
        for (int index = 1; index <= HelpTopics::count(); ++index)
            if (HelpTopics::at(index).separator)
                separators << index;
        QCOMPARE(separators, (QList<int>{2, 10, 13, 16}));
        QCOMPARE(HelpTopics::at(1).caption, QStringLiteral("Overview"));
        QCOMPARE(HelpTopics::at(3).caption, QStringLiteral("All About your 'Ride'"));
        QCOMPARE(HelpTopics::at(11).caption, QStringLiteral("About Torqal"));
        QCOMPARE(HelpTopics::at(15).caption, QStringLiteral("Visit Qor Software's Web Page"));
        QCOMPARE(HelpTopics::at(17).caption, QStringLiteral("Exit this Menu"));
        QCOMPARE(HelpTopics::at(HelpTopics::forTab(0)).helpId, 3000);
        QCOMPARE(HelpTopics::at(HelpTopics::forTab(6)).caption, QStringLiteral("Gasoline Usage, Mileage, etc."));
        QCOMPARE(textTopicIds(), (QList<int>{1000, 3000, 4000, 5000, 6000, 7000, 8000, 8500, 9000}));
    }

    void everyTextTopicHasItsTextWithCrLfLines()
    {
        for (int id : textTopicIds()) {
            const QString text = helpText(id);
            QVERIFY2(text.length() > 200, qPrintable(QString::number(id)));
            QCOMPARE(text.count(QLatin1Char('\n')), text.count(QStringLiteral("\r\n")));
            QVERIFY(!text.endsWith(QLatin1Char('\n')));
        }
        QVERIFY(helpText(1111).isEmpty());
    }

    void overviewIsTheWelcomeTextInFiveParagraphs()
    {
        const QString paragraphs[] = {
            QStringLiteral("Welcome to Qor Software's Torqal!"),
            QStringLiteral("Torqal is vehicle information management software that is specifically designed to keep "
                           "track of important information and data related to your car(s), motorcycle(s), ATV(s), etc."),
            QStringLiteral("Torqal has specialized tabbed pages for basic information, buyer-seller information, notes, "
                           "maintenance/repair, accessories, trips, gasoline usage, and much more."),
            QStringLiteral("Torqal also has complete printing and reporting options for your convenience."),
            QStringLiteral("Altogether, Torqal is a powerful, flexible tool for entering and maintaining a valuable "
                           "database of information about your 'rides'!"),
        };
        QString expected;
        for (const QString &paragraph : paragraphs)
            expected += (expected.isEmpty() ? QString() : QStringLiteral("\r\n\r\n")) + paragraph;
        QCOMPARE(helpText(1000), expected);
    }

    void topicsNameWhatTheyDescribe()
    {
        const QString ride = helpText(3000);
        for (const char *tab : {"The 'Ride'", "Bought/Sold", "Misc Info/Notes", "Maint./Repair", "Goodies", "Trips",
                                "Gas Usage/Info"})
            QVERIFY2(ride.contains(QLatin1String(tab)), tab);
        for (const char *file : {"Torqal.Dat", "Maint.Dat", "Goody.Dat", "Trip.Dat", "Gas.Dat", "Printouts"})
            QVERIFY2(ride.contains(QLatin1String(file)), file);
        QVERIFY(helpText(8500).contains(QStringLiteral("Overall MPG")));
        const QString maker = helpText(9000);
        QVERIFY(maker.contains(Maker::EmailAddress));
        QVERIFY(maker.contains(Maker::WebAddress));
        for (const QString &line : Maker::PostalAddress)
            QVERIFY2(maker.contains(line), qPrintable(line));
    }

    void dataFolderNamedInTheManualIsTheRealOne()
    {
        const QString home = QDir::homePath();
        qputenv("XDG_DATA_HOME", QFile::encodeName(home + QStringLiteral("/.local/share")));
        // The program names itself; it sets no organisation.
        QCoreApplication::setOrganizationName(QString());
        QCoreApplication::setApplicationName(QStringLiteral("Torqal"));
        QVERIFY(helpText(3000).contains(QStringLiteral("\r\n\r\n~/.local/share/Torqal\r\n\r\n")));

        qputenv("XDG_DATA_HOME", "/srv/shared data");
        QVERIFY(helpText(3000).contains(QStringLiteral("\r\n\r\n/srv/shared data/Torqal\r\n\r\n")));
        QVERIFY(!helpText(3000).contains(QLatin1Char('{')));
    }

    // Every date the manual gives as an example can be typed into a date box
    // of 10 characters and is read as a date; the one impossible date it
    // shows is refused.
    void dateExamplesCanBeTyped()
    {
        static const QRegularExpression dateShaped(
            QStringLiteral("\\b(\\d{1,4}[-/.]\\d{1,2}[-/.]\\d{2,4}"
                           "|(Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec)[a-z]*\\.? \\d{1,2}(st|nd|rd|th)?,? \\d{2,4})\\b"));
        const QLocale us(QLocale::English, QLocale::UnitedStates);
        int examples = 0;
        for (int id : textTopicIds()) {
            for (const QRegularExpressionMatch &match : dateShaped.globalMatch(helpText(id))) {
                const QString example = match.captured();
                ++examples;
                if (example == QStringLiteral("13/45/2009")) {
                    QVERIFY(!ValueFormats::isDateText(example, us));
                    continue;
                }
                QVERIFY2(example.size() <= 10, qPrintable(example));
                QVERIFY2(ValueFormats::isDateText(example, us), qPrintable(example));
            }
        }
        QVERIFY(examples > 3);
    }

    void aboutTextCarriesTheVersion()
    {
        const QString version = QStringLiteral("%1.%2.%3").arg(TorqalVersionMajor).arg(TorqalVersionMinor).arg(TorqalVersionRevision);
        QCOMPARE(aboutText(), QStringLiteral("Torqal\r\nVersion w") + version
                                  + QStringLiteral("\r\n\r\nVehicle Information/ Inventory Management\r\n\r\n"));
    }

    void choosingTopicsFromTheMenu()
    {
        ManualTopics topics;
        QCOMPARE(topics.current(), 0);
        QCOMPARE(topics.choose(9), ManualTopics::Action::ShowText);
        QCOMPARE(topics.caption(), QStringLiteral("Gasoline Usage, Mileage, etc."));
        QCOMPARE(topics.helpId(), 8500);
        for (int index = 1; index <= HelpTopics::count(); ++index)
            QCOMPARE(topics.isChecked(index), index == 9);

        // The shown topic again, the about box, the maker's links, the
        // separators and "Exit this Menu" leave the shown topic as it is.
        QCOMPARE(topics.choose(9), ManualTopics::Action::Nothing);
        QCOMPARE(topics.choose(11), ManualTopics::Action::AboutBox);
        QCOMPARE(topics.choose(14), ManualTopics::Action::EmailMaker);
        QCOMPARE(topics.choose(15), ManualTopics::Action::VisitWebPage);
        QCOMPARE(topics.choose(13), ManualTopics::Action::Nothing);
        QCOMPARE(topics.choose(17), ManualTopics::Action::Nothing);
        QCOMPARE(topics.choose(0), ManualTopics::Action::Nothing);
        QCOMPARE(topics.current(), 9);

        QCOMPARE(topics.choose(12), ManualTopics::Action::ShowText);
        QCOMPARE(topics.helpId(), 9000);
        QVERIFY(topics.isChecked(12));
        QVERIFY(!topics.isChecked(9));
    }
};

QTEST_GUILESS_MAIN(TestHelpTopics)
#include "test_help_topics.moc"
