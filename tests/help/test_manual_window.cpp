#include "help/HelpTexts.h"
#include "help/frmManual.h"
#include "platform/Identity.h"
#include "platform/LinkOpener.h"
#include "platform/MessageBox.h"
#include "platform/Settings.h"
#include "platform/Twips.h"
#include "print/PrintRun.h"
#include "print/RecordingPrintDevice.h"
#include "ui/QorButton.h"
#include "ui/WindowFade.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

// Counts the F1 presses that reach a key preview of the whole program, as
// the main window's help key has.
class KeyCounter : public QObject
{
public:
    int f1 = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_F1
            && watched->isWidgetType())
            ++f1;
        return QObject::eventFilter(watched, event);
    }
};

QAction *entry(frmManual &manual, int index)
{
    return manual.topicMenu()->actions().at(index - 1);
}

QList<int> checkedEntries(frmManual &manual)
{
    QList<int> checked;
    const QList<QAction *> actions = manual.topicMenu()->actions();
    for (int index = 1; index <= actions.size(); ++index)
        if (actions[index - 1]->isChecked())
            checked << index;
    return checked;
}

} // namespace

class TestManualWindow : public QObject
{
    Q_OBJECT

    QTemporaryDir folder;

    std::unique_ptr<frmManual> openManual(int topic, QWidget *owner = nullptr)
    {
        auto manual = std::make_unique<frmManual>(topic, owner);
        manual->show();
        if (!QTest::qWaitForWindowExposed(manual.get()))
            qFatal("the manual did not appear");
        return manual;
    }

    static QLabel *caption(frmManual &manual) { return manual.findChild<QLabel *>(QStringLiteral("labelHelpTopic")); }
    static QPlainTextEdit *text(frmManual &manual)
    {
        return manual.findChild<QPlainTextEdit *>(QStringLiteral("txtManual"));
    }
    static QorButton *button(frmManual &manual, const char *name)
    {
        return manual.findChild<QorButton *>(QLatin1String(name));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(folder.isValid());
        Settings::useFile(folder.filePath(QStringLiteral("settings.ini")));
        qputenv("XDG_DATA_HOME", QFile::encodeName(folder.filePath(QStringLiteral("data"))));
        QCoreApplication::setApplicationName(ApplicationTitle);
    }

    void commandsCarryTheirCaptionsAndHoverTexts()
    {
        auto manual = openManual(1);
        QCOMPARE(manual->size(), Twips::size(6525, 6960));
        QorButton *topics = button(*manual, "cmdHelpTopic");
        QorButton *print = button(*manual, "cmdPrintHelp");
        QorButton *back = button(*manual, "cmdReturn");
        QCOMPARE(topics->caption(), QStringLiteral("Help Topics\r\n<F1>"));
        QCOMPARE(print->caption(), QStringLiteral("&Print"));
        QCOMPARE(print->toolTip(), QStringLiteral(" Be sure your printer is ready! "));
        QCOMPARE(back->caption(), QStringLiteral("&Return\r\n<Esc>"));
        for (QorButton *command : {topics, print, back})
            QCOMPARE(command->buttonType(), int(QorButton::Transparent));
        QCOMPARE(back->backOver(), QorButton::Colour(0x8080FF));
        QCOMPARE(topics->foreOver(), QorButton::Colour(0xFFFF80));

        QTest::mouseClick(topics, Qt::LeftButton);
        QTRY_VERIFY(manual->topicMenu()->isVisible());
        manual->topicMenu()->hide();
        QTest::mouseClick(back, Qt::LeftButton);
        QTRY_VERIFY(!manual->isVisible());
    }

    void theMakersLinksOpenMailAndWebPage()
    {
        auto manual = openManual(12);
        LinkOpener::Script links;
        entry(*manual, 14)->trigger();
        entry(*manual, 15)->trigger();
        QCOMPARE(links.targets(), (QList<QString>{QStringLiteral("mailto:") + Maker::EmailAddress,
                                                  QStringLiteral("http://") + Maker::WebAddress}));
        QCOMPARE(manual->currentTopic(), 12);
        QCOMPARE(checkedEntries(*manual), QList<int>{12});
    }

    void aLongTopicHasItsTitleOnlyOnTheFirstPage()
    {
        auto manual = openManual(9);
        RecordingPrintDevice printer;
        PrintDevicesForTests printers([&](const QString &) { return std::shared_ptr<PrintDevice>(&printer, [](auto *) {}); });
        MessageBox::Script boxes;
        QTest::mouseClick(button(*manual, "cmdPrintHelp"), Qt::LeftButton);
        QVERIFY(manual->isEnabled());
        QCOMPARE(boxes.count(), 0);
        QCOMPARE(printer.documentCount(), 1);
        int pages = 0;
        for (const RecordingPrintDevice::Line &line : printer.lines())
            pages = std::max(pages, line.page);
        QVERIFY2(pages >= 2, "the gasoline topic should need a second page");

        const QString title = QStringLiteral("Torqal, Help Section: Gasoline Usage, Mileage, etc.");
        for (int page = 1; page <= pages; ++page) {
            const QList<RecordingPrintDevice::Line> lines = printer.lines(1, page);
            const bool titled = lines.first().text == title;
            QCOMPARE(titled, page == 1);
            if (titled) {
                QVERIFY(lines.first().font.underline);
                QCOMPARE(lines.first().font.name, QStringLiteral("Arial"));
                QCOMPARE(lines.first().font.size, 10.0);
                QVERIFY(!lines.at(1).font.underline);
            }
            const bool numbered = lines.last().text == QStringLiteral("(page %1)").arg(page);
            QCOMPARE(numbered, page > 1);
        }
        const QList<RecordingPrintDevice::Line> first = printer.lines(1, 1);
        QCOMPARE(first.at(0).x, 1.0);
        QCOMPARE(first.at(0).y, 1.0);
        QVERIFY(first.at(1).text.startsWith(QStringLiteral("The \"Gas Usage/Info\" tab (the seventh tab)")));
        QCOMPARE(first.at(1).x, 1.0);
    }

    void withoutAPrinterTheTopicBecomesAPdfFile()
    {
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("a printer is installed here");
        QDir printouts(folder.filePath(QStringLiteral("data/Torqal/Printouts")));
        auto manual = openManual(1);
        MessageBox::Script boxes;
        manual->printTopic();
        const QStringList files = printouts.entryList({QStringLiteral("*.pdf")});
        QCOMPARE(files.size(), 1);
        // Where the PDF went is said as for every other printout.
        QCOMPARE(boxes.count(), 1);
        QVERIFY(boxes.last().text.endsWith(QDir::toNativeSeparators(printouts.filePath(files.first()))));

        // A file where the folder should be: the printout fails and says so.
        QVERIFY(printouts.removeRecursively());
        QFile blocker(printouts.path());
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        manual->printTopic();
        QCOMPARE(boxes.count(), 2);
        QCOMPARE(boxes.last().icon, MessageBox::Icon::Critical);
        QVERIFY(boxes.last().text.startsWith(QStringLiteral("The printout could not be finished.\r\n")));
        QVERIFY(boxes.last().text.contains(QDir::toNativeSeparators(printouts.path())));
        QVERIFY(manual->isEnabled());
        QVERIFY(blocker.remove());
    }

    void fadesInAndOutWhenFadingIsOn()
    {
        SetTranslucencyOverride(true);
        Settings::setFadeStatus(true);
        auto manual = openManual(1);
        WindowFader *fader = WindowFader::of(manual.get());
        QVERIFY(fader && fader->running());
        while (fader->running())
            fader->tick();
        QCOMPARE(fader->current(), 255);
        QVERIFY(manual->isEnabled());

        QTest::keyClick(text(*manual), Qt::Key_Escape);
        QVERIFY(manual->isVisible());
        int ticks = 0;
        while (fader->running()) {
            fader->tick();
            ++ticks;
        }
        QCOMPARE(ticks, 13);
        QVERIFY(!manual->isVisible());
        Settings::setFadeStatus(false);
        SetTranslucencyOverride(std::nullopt);
    }

    void opensAtTheGasolineTopicWithItsEntryChecked()
    {
        auto manual = openManual(HelpTopics::forTab(6));
        QCOMPARE(manual->windowTitle(), QStringLiteral(" Torqal - Help Window"));
        QCOMPARE(caption(*manual)->text(), QStringLiteral("Gasoline Usage, Mileage, etc."));
        QCOMPARE(checkedEntries(*manual), QList<int>{9});
        QCOMPARE(text(*manual)->toPlainText(), MessageBox::displayText(helpText(8500)));
        QCOMPARE(manual->topicMenu()->title(), QStringLiteral("Help Topics"));
        QCOMPARE(manual->topicMenu()->actions().size(), 17);
        QVERIFY(entry(*manual, 13)->isSeparator());
    }

    void choosingTheShownTopicAgainKeepsTheScrollPosition()
    {
        auto manual = openManual(3);
        QScrollBar *bar = text(*manual)->verticalScrollBar();
        QVERIFY(bar->maximum() > 10);
        bar->setValue(10);
        entry(*manual, 3)->trigger();
        QCOMPARE(bar->value(), 10);
        QCOMPARE(checkedEntries(*manual), QList<int>{3});

        entry(*manual, 4)->trigger();
        QCOMPARE(caption(*manual)->text(), QStringLiteral("Buying and Selling Info"));
        QCOMPARE(checkedEntries(*manual), QList<int>{4});
        QCOMPARE(bar->value(), 0);
    }

    void aboutTorqalShowsTheAboutBoxAndChangesNothingElse()
    {
        auto manual = openManual(5);
        const QString shown = text(*manual)->toPlainText();
        MessageBox::Script boxes;
        entry(*manual, 11)->trigger();
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().title, QStringLiteral("About Torqal"));
        QCOMPARE(boxes.last().text, aboutText());
        QCOMPARE(boxes.last().icon, MessageBox::Icon::Information);
        QCOMPARE(manual->currentTopic(), 5);
        QCOMPARE(checkedEntries(*manual), QList<int>{5});
        QCOMPARE(caption(*manual)->text(), QStringLiteral("Miscellaneous Info"));
        QCOMPARE(text(*manual)->toPlainText(), shown);

        entry(*manual, 17)->trigger();
        QCOMPARE(manual->currentTopic(), 5);
        QCOMPARE(boxes.count(), 1);
    }

    void f1OpensTheTopicMenuWhateverHasTheFocus()
    {
        QWidget owner;
        KeyCounter counter;
        qApp->installEventFilter(&counter);
        owner.show();
        auto manual = openManual(1, &owner);
        text(*manual)->setFocus();
        QTest::keyClick(text(*manual), Qt::Key_F1);
        QTRY_VERIFY(manual->topicMenu()->isVisible());
        manual->topicMenu()->hide();
        QTest::keyClick(manual->findChild<QWidget *>(QStringLiteral("cmdReturn")), Qt::Key_F1);
        QTRY_VERIFY(manual->topicMenu()->isVisible());
        manual->topicMenu()->hide();
        qApp->removeEventFilter(&counter);
        QCOMPARE(counter.f1, 0);
        QCOMPARE(owner.findChildren<frmManual *>().size(), 1);
        QVERIFY(manual->isVisible());
    }

    void escClosesTheManualWhateverHasTheFocus()
    {
        for (const char *control : {"txtManual", "cmdHelpTopic", "cmdPrintHelp"}) {
            auto manual = openManual(1);
            QWidget *focus = manual->findChild<QWidget *>(QLatin1String(control));
            focus->setFocus();
            QTest::keyClick(focus, Qt::Key_Escape);
            QTRY_VERIFY2(!manual->isVisible(), control);
        }
    }

    void openRunsModallyUntilClosed()
    {
        bool sawManual = false;
        QTimer::singleShot(0, this, [&] {
            auto *manual = qobject_cast<frmManual *>(QApplication::activeModalWidget());
            sawManual = manual && manual->currentTopic() == 4;
            if (manual)
                QTest::keyClick(manual, Qt::Key_Escape);
        });
        frmManual::open(nullptr, 4);
        QVERIFY(sawManual);
    }
};

QTEST_MAIN(TestManualWindow)
#include "test_manual_window.moc"
