#include "help/frmManual.h"
#include "platform/LinkOpener.h"
#include "platform/MessageBox.h"
#include "platform/Settings.h"
#include "platform/Twips.h"
#include "model/RideFields.h"
#include "ride/frmMain.h"
#include "support/FadeWait.h"
#include "support/FirstActivation.h"
#include "ui/ButtonLayout.h"
#include "ui/FieldBoxes.h"
#include "ui/NotesBox.h"
#include "ui/QorButton.h"

#include <QCloseEvent>
#include <QDir>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QApplication>
#include <QTest>
#include <QtTest/qtestspontaneevent.h>

#include <memory>

namespace {

// Counts the key presses that reach a control.
class KeyCounter : public QObject
{
public:
    int f1 = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_F1)
            ++f1;
        return false;
    }
};

// What the user's close box sends.
void pressCloseBox(QWidget *window)
{
    QCloseEvent close;
    QSpontaneKeyEvent::setSpontaneous(&close);
    QCoreApplication::instance()->notify(window, &close); // sendEvent would make it the program's own
    QCoreApplication::processEvents();
}

void hover(QorButton *button)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), button->mapToGlobal(QPointF(5, 5)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(button, &move);
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

    QTemporaryDir folder;
    std::unique_ptr<frmMain> window;

    template <typename T>
    T *find(const QString &name) const
    {
        T *control = window->findChild<T *>(name);
        if (!control)
            qWarning("no control %s", qPrintable(name));
        return control;
    }

    // The data files live in the test's folder. With no ride on file the
    // first display says so; these tests let that message pass.
    void openWindow()
    {
        QDir::setCurrent(folder.path());
        MessageBox::Script firstDisplay;
        window = std::make_unique<frmMain>();
        window->show();
        QVERIFY(WaitForFirstActivation(*window));
    }

private slots:
    void init()
    {
        const QString file = folder.filePath(QStringLiteral("settings.ini"));
        QFile::remove(file);
        Settings::useFile(file);
        SetTranslucencyOverride(std::nullopt);
        frmMain::setManualOpener({});
    }

    void cleanup()
    {
        window.reset();
        SetTranslucencyOverride(std::nullopt);
    }

    void captionAndDesignSize()
    {
        openWindow();
        QCOMPARE(window->windowTitle(), QStringLiteral(" Torqal"));
        QVERIFY(window->width() >= Twips::x(9870));
        QVERIFY(window->height() >= Twips::y(6765));
        QVERIFY(window->width() < Twips::x(9870) * 11 / 10); // close to the design, not stretched
    }

    void sevenTabsWithTheirCaptions()
    {
        openWindow();
        auto *tabs = find<QTabWidget>(QStringLiteral("MainTab"));
        QVERIFY(tabs);
        const QStringList captions = {QStringLiteral("The 'Ride'"),    QStringLiteral("Bought/Sold"),
                                      QStringLiteral("Misc Info/Notes"), QStringLiteral("Maint./Repair"),
                                      QStringLiteral("Goodies"),        QStringLiteral("Trips"),
                                      QStringLiteral("Gas Usage/Info")};
        QCOMPARE(tabs->count(), 7);
        for (int tab = 0; tab < 7; ++tab)
            QCOMPARE(tabs->tabText(tab), captions[tab]);
        QCOMPARE(tabs->currentIndex(), 0);
    }

    void fieldBoxesInViewMode()
    {
        openWindow();
        auto *tabs = find<QTabWidget>(QStringLiteral("MainTab"));
        for (int i = 1; i <= RideFields::Count; ++i) {
            const QString box = QStringLiteral("txtField(%1)").arg(i);
            auto *caption = find<QLabel>(QStringLiteral("lblField(%1)").arg(i));
            QVERIFY(caption);
            QCOMPARE(caption->text(), RideFields::caption(i));
            QCOMPARE(caption->palette().color(QPalette::WindowText), QColor(255, 255, 255));
            QVERIFY(!caption->font().bold());

            QWidget *field = find<QWidget>(box);
            QVERIFY(field);
            QCOMPARE(field->palette().color(QPalette::Base), QColor(192, 255, 192));
            QVERIFY2(tabs->widget(RideFields::tabOf(i))->isAncestorOf(field), qPrintable(box));
            if (auto *line = qobject_cast<QLineEdit *>(field)) {
                QCOMPARE(FieldBoxes::limitOf(line), RideFields::field(i).maxLength);
                QVERIFY(line->isReadOnly());
            } else {
                auto *notes = qobject_cast<NotesBox *>(field);
                QVERIFY2(notes, qPrintable(box));
                QCOMPARE(notes->maxLength(), RideFields::field(i).maxLength);
                QVERIFY(notes->isReadOnly());
            }
        }
        QCOMPARE(find<QLabel>(QStringLiteral("lblField(3)"))->text(), QStringLiteral(" Model  "));
        QCOMPARE(FieldBoxes::limitOf(find<QLineEdit>(QStringLiteral("txtField(6)"))), 25);
        QCOMPARE(find<NotesBox>(QStringLiteral("txtField(27)"))->maxLength(), 9321);
        QCOMPARE(find<NotesBox>(QStringLiteral("txtField(31)"))->maxLength(), 976);
    }

    void viewLabelsAndPictureFrame()
    {
        openWindow();
        QVERIFY(find<QLabel>(QStringLiteral("lblRideName"))->isVisible());
        QCOMPARE(find<QLabel>(QStringLiteral("lblRideName"))->text(), QString());
        auto *notAvailable = find<QLabel>(QStringLiteral("lblTabsNotAvailable"));
        QCOMPARE(notAvailable->text(), QStringLiteral("These tabs are not available while adding/editing basic info"));
        QVERIFY(notAvailable->isHidden());
        auto *placeholder = find<QLabel>(QStringLiteral("lblPicture"));
        QCOMPARE(placeholder->text(), QStringLiteral("Picture Frame"));
        QVERIFY(placeholder->isVisible());
        auto *picture = find<QLabel>(QStringLiteral("imgRide"));
        QCOMPARE(picture->size(), Twips::size(4530, 4110));
        QCOMPARE(picture->parentWidget()->size(), Twips::size(4530, 4110));
        QVERIFY(find<QLabel>(QStringLiteral("lbl(0)")));
        QCOMPARE(find<QLabel>(QStringLiteral("lbl(4)"))->text(),
                 QStringLiteral("Keep a log of your gasoline consumption, mileage, and so on..."));
        for (int k = 1; k <= 6; ++k)
            QVERIFY(find<QLabel>(QStringLiteral("lblTotal(%1)").arg(k))->isHidden());
    }

    void logGridsHaveTheirHeaderRows()
    {
        openWindow();
        const QList<QStringList> headers = {
            {QStringLiteral("Date"), QStringLiteral("Brief Description"), QStringLiteral("Cost")},
            {QStringLiteral("Date"), QStringLiteral("Brief Description"), QStringLiteral("Cost")},
            {QStringLiteral("Date"), QStringLiteral("Brief Description"), QStringLiteral("Miles")},
            {QStringLiteral("Date"), QStringLiteral("Gallons"), QStringLiteral("Miles     mpg")},
        };
        for (int k = 1; k <= 4; ++k) {
            auto *grid = find<QTableView>(QStringLiteral("grid(%1)").arg(k));
            QVERIFY(grid);
            QCOMPARE(grid->model()->columnCount(), 3); // record number and sort key are never columns
            QCOMPARE(grid->model()->rowCount(), 0);
            for (int column = 0; column < 3; ++column)
                QCOMPARE(grid->model()->headerData(column, Qt::Horizontal).toString(), headers[k - 1][column]);
            QVERIFY(grid->verticalHeader()->isHidden());
        }
        const auto alignment = [this](int k, int column) {
            return Qt::Alignment(find<QTableView>(QStringLiteral("grid(%1)").arg(k))
                                     ->model()
                                     ->headerData(column, Qt::Horizontal, Qt::TextAlignmentRole)
                                     .toInt());
        };
        QVERIFY(alignment(1, 2) & Qt::AlignRight);
        QVERIFY(alignment(3, 2) & Qt::AlignLeft);
        QVERIFY(alignment(4, 1) & Qt::AlignRight);
        QCOMPARE(find<QTableView>(QStringLiteral("grid(1)"))->columnWidth(1), Twips::x(5600));
    }

    void everyCommandHasItsHoverText_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("hover");
        const QString shown = QStringLiteral(" the 'ride' now being displayed ");
        QTest::newRow("select") << "cmdSelectRide" << " Choose a ride to view ";
        QTest::newRow("add") << "cmdRideAdd" << " Enter a new 'ride' to your database ";
        QTest::newRow("edit") << "cmdRideEdit" << QStringLiteral(" Edit the information on") + shown;
        QTest::newRow("delete") << "cmdRideDelete" << QStringLiteral(" Permanently remove") + shown;
        QTest::newRow("print") << "cmdRidePrint" << QStringLiteral(" Print the information on") + shown;
        QTest::newRow("history") << "cmdRideHistory" << " Charts, summary and export for this 'ride' ";
        QTest::newRow("back up") << "cmdBackup" << " Back up all your rides, logs, reminders and pictures into one file ";
        QTest::newRow("restore") << "cmdRestore" << " Restore your records from a backup file ";
        QTest::newRow("pic add") << "cmdPicAddEdit(1)" << " Add a picture of your ride ";
        QTest::newRow("pic change") << "cmdPicAddEdit(2)" << " Change this picture ";
        QTest::newRow("pic delete") << "cmdPicDelete" << " Remove this Picture ";
        QTest::newRow("larger") << "cmdLargerPic" << " See/Print a larger picture ";
        QTest::newRow("maint add") << "cmdMaintAdd" << " Add a new maintenance or repair entry ";
        QTest::newRow("maint edit") << "cmdMaintEdit" << " Edit the highlighted maintenance log ";
        QTest::newRow("maint delete") << "cmdMaintDelete" << " Delete the highlighted maintenance log ";
        QTest::newRow("maint print") << "cmdMaintPrint"
                                     << " Print the highlighted 'Maint/Repair' entry (including notes, if any) ";
        QTest::newRow("goody add") << "cmdGoodyAdd" << " Add a new goody to your list ";
        QTest::newRow("goody edit") << "cmdGoodyEdit" << " Edit the highlighted goody ";
        QTest::newRow("goody delete") << "cmdGoodyDelete" << " Delete the highlighted goody from your list ";
        QTest::newRow("goody print") << "cmdGoodyPrint" << " Print the highlighted 'Goody' entry (including notes, if any) ";
        QTest::newRow("trip add") << "cmdTripAdd" << " Add a new trip to your list ";
        QTest::newRow("trip edit") << "cmdTripEdit" << " Edit the highlighted trip ";
        QTest::newRow("trip delete") << "cmdTripDelete" << " Delete the highlighted trip from your list ";
        QTest::newRow("trip print") << "cmdTripPrint" << " Print the highlighted 'Trip' entry (including notes, if any) ";
        QTest::newRow("gas add") << "cmdGasAdd" << " Add a new gasoline entry to your list ";
        QTest::newRow("gas edit") << "cmdGasEdit" << " Edit the highlighted gasoline entry ";
        QTest::newRow("gas delete") << "cmdGasDelete" << " Delete the highlighted gasoline entry from your list ";
        QTest::newRow("gas print") << "cmdGasPrint"
                                   << " Print the highlighted 'gasoline' entry (including notes, if any) ";
        QTest::newRow("help") << "cmdHelp" << " Click here to read the manual ";
        QTest::newRow("quit") << "cmdQuit" << " Ready to exit Torqal? ";
        QTest::newRow("friend") << "cmdEmailFriend" << " Tell a friend about Torqal! ";
    }

    void everyCommandHasItsHoverText()
    {
        QFETCH(QString, name);
        QFETCH(QString, hover);
        openWindow();
        auto *button = find<QorButton>(name);
        QVERIFY(button);
        QCOMPARE(button->toolTip(), hover);
    }

    void commandsCarryTheirStoredLayouts()
    {
        openWindow();
        QString error;
        QVERIFY2(LoadButtonLayout(window.get(), QStringLiteral("frmMain"), &error), qPrintable(error));
        const QList<QorButton *> buttons = window->findChildren<QorButton *>();
        QCOMPARE(buttons.size(), 34);
        for (const QorButton *button : buttons)
            QVERIFY2(!button->pictureNormal().isNone(), qPrintable(button->objectName()));
        QCOMPARE(find<QorButton>(QStringLiteral("cmdRideAdd"))->backColor(), 0x80FF80u);
    }

    void saveAndCancelWaitForTheRideEditing()
    {
        openWindow();
        QVERIFY(find<QorButton>(QStringLiteral("cmdRideSave"))->isHidden());
        QVERIFY(find<QorButton>(QStringLiteral("cmdRideCancel"))->isHidden());
        QCOMPARE(find<QorButton>(QStringLiteral("cmdSelectRide"))->caption(), QStringLiteral("Select a\nRide to View..."));
    }

    void f1OpensTheManualAtTheTabsTopic()
    {
        QList<int> topics;
        frmMain::setManualOpener([&topics](QWidget *, int topic) { topics.append(topic); });
        openWindow();
        auto *tabs = find<QTabWidget>(QStringLiteral("MainTab"));

        auto *year = find<QLineEdit>(QStringLiteral("txtField(1)"));
        KeyCounter counter;
        year->installEventFilter(&counter);
        year->setFocus();
        QTest::keyClick(year, Qt::Key_F1);
        QCOMPARE(counter.f1, 0); // swallowed before the box

        for (int tab = 1; tab < 7; ++tab) {
            tabs->setCurrentIndex(tab);
            QTest::keyClick(tabs->currentWidget(), Qt::Key_F1);
        }
        QCOMPARE(topics, (QList<int>{3, 4, 5, 6, 7, 8, 9}));
    }

    void helpOpensTheManualAtTheGasolineTopic()
    {
        openWindow();
        find<QTabWidget>(QStringLiteral("MainTab"))->setCurrentIndex(6);
        QString shownTopic;
        QTimer::singleShot(0, this, [&shownTopic] {
            auto *manual = qobject_cast<frmManual *>(QApplication::activeModalWidget());
            QVERIFY(manual);
            shownTopic = manual->findChild<QLabel *>(QStringLiteral("labelHelpTopic"))->text();
            manual->closeManual();
        });
        QTest::mouseClick(find<QorButton>(QStringLiteral("cmdHelp")), Qt::LeftButton);
        QCOMPARE(shownTopic, QStringLiteral("Gasoline Usage, Mileage, etc."));
        QVERIFY(window->isVisible());
    }

    void closeBoxAsksAndNoChangesNothing()
    {
        openWindow();
        auto *tabs = find<QTabWidget>(QStringLiteral("MainTab"));
        tabs->setCurrentIndex(4);
        MessageBox::Script boxes;
        boxes.answer(MessageBox::Button::No);
        pressCloseBox(window.get());
        QTRY_COMPARE(boxes.count(), 1);
        const MessageBox::Request asked = boxes.last();
        QCOMPARE(asked.title, QStringLiteral("Confirm"));
        QCOMPARE(asked.text, QStringLiteral("Are you sure you wish to quit?"));
        QCOMPARE(asked.icon, MessageBox::Icon::Question);
        QCOMPARE(asked.buttons, MessageBox::Buttons::YesNo);
        QCOMPARE(asked.defaultButton, MessageBox::Button::Yes);
        QVERIFY(window->isVisible());
        QVERIFY(window->isEnabled());
        QCOMPARE(tabs->currentIndex(), 4);
    }

    void quitConfirmedClosesTheWindow()
    {
        openWindow();
        MessageBox::Script boxes;
        boxes.answer(MessageBox::Button::Yes);
        find<QorButton>(QStringLiteral("cmdQuit"))->Click();
        QCOMPARE(boxes.count(), 1);
        QVERIFY(!window->isVisible());
    }

    void theProgramsOwnCloseIsNotIntercepted()
    {
        openWindow();
        MessageBox::Script boxes;
        QVERIFY(window->close());
        QCOMPARE(boxes.count(), 0);
    }

    void fadeCommandWhereWindowsCanBeTranslucent()
    {
        SetTranslucencyOverride(true);
        openWindow();
        auto *fade = find<QorButton>(QStringLiteral("cmdFadeStatus"));
        QVERIFY(fade->isVisible());
        QVERIFY(!FadesOn());
        QCOMPARE(window->windowOpacity(), 1.0);

        hover(fade);
        QCOMPARE(fade->toolTip(), QStringLiteral(" Enable form fade effects "));
        fade->Click();
        QCOMPARE(Settings::value(Settings::FadeStatusKey), QStringLiteral("True"));
        hover(fade);
        QCOMPARE(fade->toolTip(), QStringLiteral(" Disable form fade effects "));
        fade->Click();
        QCOMPARE(Settings::value(Settings::FadeStatusKey), QStringLiteral("False"));
    }

    void fadeCommandIsHiddenWithoutTranslucency()
    {
        SetTranslucencyOverride(false);
        Settings::setFadeStatus(true);
        openWindow();
        QVERIFY(find<QorButton>(QStringLiteral("cmdFadeStatus"))->isHidden());
        QCOMPARE(Settings::value(Settings::FadeStatusKey), QStringLiteral("False"));
        QVERIFY(!FadesOn());
    }

    void quitDimsFirstWhenFading()
    {
        SetTranslucencyOverride(true);
        Settings::setFadeStatus(true);
        openWindow();
        QVERIFY(FadesOn());
        WaitForFade(window.get()); // the fade-in of the first activation
        QCOMPARE(qRound(window->windowOpacity() * 255), 255);

        MessageBox::Script boxes;
        boxes.answer(MessageBox::Button::No);
        int manualsOpened = 0;
        frmMain::setManualOpener([&](QWidget *, int) { ++manualsOpened; });
        find<QorButton>(QStringLiteral("cmdQuit"))->Click();
        // Asked only once dimmed; meanwhile the window takes no keys, the
        // manual's F1 included.
        QCOMPARE(boxes.count(), 0);
        QTest::keyClick(window.get(), Qt::Key_F1);
        WaitForFade(window.get());
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(manualsOpened, 0);
        // After No the window comes back.
        WaitForFade(window.get());
        QCOMPARE(qRound(window->windowOpacity() * 255), 255);
        QVERIFY(window->isVisible());
        QVERIFY(window->isEnabled());
    }

    void quitConfirmedWhileFadingFadesOutAndEnds()
    {
        SetTranslucencyOverride(true);
        Settings::setFadeStatus(true);
        openWindow();
        WaitForFade(window.get());
        MessageBox::Script boxes;
        boxes.answer(MessageBox::Button::Yes);
        find<QorButton>(QStringLiteral("cmdQuit"))->Click();
        QVERIFY(window->isVisible());
        WaitForFade(window.get()); // the dim, the question, the fade-out
        QVERIFY(!window->isVisible());
        QCOMPARE(boxes.count(), 1);
    }

    void tellAFriendOpensTheMailProgram()
    {
        openWindow();
        LinkOpener::Script links;
        MessageBox::Script boxes;
        find<QorButton>(QStringLiteral("cmdEmailFriend"))->Click();
        QCOMPARE(links.targets().size(), 1);
        const QString target = links.targets().first();
        QVERIFY(target.startsWith(QStringLiteral("mailto:?subject='Torqal' ")));
        QCOMPARE(target.count(QStringLiteral("%0D%0A%0D%0A")), 3);
        QCOMPARE(boxes.count(), 0);

        links.setFailing(true);
        find<QorButton>(QStringLiteral("cmdEmailFriend"))->Click();
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(boxes.last().text, QStringLiteral("Could not establish an internet connection!"));
        QVERIFY(window->isVisible());
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
