#include "platform/Links.h"
#include "platform/LinkOpener.h"
#include "platform/MessageBox.h"

#include <QTest>

class TestLinks : public QObject
{
    Q_OBJECT

private slots:
    void emptyTextsOpenTheMakersAddresses()
    {
        LinkOpener::Script links;
        MessageBox::Script boxes;
        OpenLink(LinkMode::Email, nullptr, QString());
        OpenLink(LinkMode::Web, nullptr, QString());
        OpenLink(LinkMode::Web, nullptr, QStringLiteral("example.org/page"));
        QCOMPARE(links.targets(), (QList<QString>{QStringLiteral("mailto:support@qorsoftware.example"),
                                                  QStringLiteral("http://www.qorsoftware.example"),
                                                  QStringLiteral("http://example.org/page")}));
        QCOMPARE(boxes.count(), 0);
    }

    void aLinkThatCannotBeOpenedIsReportedOnce()
    {
        LinkOpener::Script links;
        links.setFailing(true);
        MessageBox::Script boxes;
        OpenLink(LinkMode::Email, nullptr, TellAFriendText());
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().title, QStringLiteral("Error"));
        QCOMPARE(boxes.last().text, QStringLiteral("Could not establish an internet connection!"));
        QCOMPARE(boxes.last().icon, MessageBox::Icon::Critical);
        QCOMPARE(boxes.last().buttons, MessageBox::Buttons::Ok);
    }

    // The desktop's opener tells by its exit status whether a program took
    // the address; one that cannot be started has taken nothing.
    void theOpenersExitStatusDecides_data()
    {
        QTest::addColumn<QString>("opener");
        QTest::addColumn<int>("messages");
        QTest::newRow("opened") << QStringLiteral("true") << 0;
        QTest::newRow("no program for the address") << QStringLiteral("false") << 1;
        QTest::newRow("no opener at all") << QStringLiteral("/nonexistent/xdg-open") << 1;
    }

    void theOpenersExitStatusDecides()
    {
        QFETCH(QString, opener);
        QFETCH(int, messages);
        LinkOpener::Program program(opener);
        MessageBox::Script boxes;
        OpenLink(LinkMode::Web, nullptr, QString());
        QTRY_COMPARE(program.ended(), 1);
        QCOMPARE(boxes.count(), messages);
    }

    void anUnknownModeOpensNothing()
    {
        LinkOpener::Script links;
        MessageBox::Script boxes;
        QCOMPARE(LinkTarget(3, QStringLiteral("x")), QString());
        OpenLink(3, nullptr, QStringLiteral("x"));
        QVERIFY(links.targets().isEmpty());
        QCOMPARE(boxes.count(), 1);
    }

    void tellAFriendMessageIsAssembledInOrder()
    {
        const QString target = LinkTarget(LinkMode::Email, TellAFriendText());
        QCOMPARE(target,
                 QStringLiteral("mailto:?subject='Torqal' Vehicle Management program from Qor Software&body="
                                "I wanted to tell you about a vehicle management program from Qor Software called "
                                "'Torqal' that is really good, and I thought you might want to know about it."
                                "%0D%0A%0D%0A"
                                "You can download and install it for free at Qor Software's web site "
                                "(www.qorsoftware.example). The direct download link is"
                                "%0D%0A%0D%0A"
                                "http://www.qorsoftware.example/downloads/torqal.tar.gz"
                                "%0D%0A%0D%0A"
                                "Check it out if you want and let me know what you think about it."));
        QCOMPARE(target.count(QStringLiteral("%0D%0A%0D%0A")), 3);
        QCOMPARE(target.count(QLatin1Char('%')), 12);
    }
};

QTEST_MAIN(TestLinks)
#include "test_links.moc"
