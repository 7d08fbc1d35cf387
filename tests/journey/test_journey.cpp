// One new user's road through the program, headless and through the real
// windows: the first start with the overview, two rides added (one with every
// field and a picture), entries kept, edited and deleted in all four logs,
// the ride report and a log entry printed, rides switched, one deleted, quit
// and started again on the ride last viewed. At the end every byte of the
// five data files is compared with the record layouts, and torqal-data finds
// no damage.

#include "DemoPictures.h"

#include "app/StartUp.h"
#include "app/frmNewUser.h"
#include "app/frmTitlePage.h"
#include "logs/frmLogEntry.h"
#include "ui/NotesBox.h"
#include "platform/Clock.h"
#include "platform/DataFolder.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "platform/ScreenSize.h"
#include "platform/Settings.h"
#include "platform/SingleInstance.h"
#include "print/PrintRun.h"
#include "print/RecordingPrintDevice.h"
#include "print/frmPrint.h"
#include "model/RideFields.h"
#include "ride/frmMain.h"
#include "support/FirstActivation.h"
#include "ui/ListMenu.h"
#include "ui/QorButton.h"
#include "ui/WindowFade.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProcess>
#include <QSettings>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QtEndian>

#include <cstring>
#include <functional>

namespace {

// ---- The record layouts, written out independently of the data store ----

// Builds the bytes one record must have, field by field at the offsets the
// layout prescribes, and checks that the fields cover every byte once.
class ExpectedRecord
{
public:
    explicit ExpectedRecord(int length) : m_bytes(length, '\0'), m_covered(length, false) {}

    ExpectedRecord &key(int offset, double value) { return number(offset, value); }
    ExpectedRecord &date(int offset, double value) { return number(offset, value); }
    ExpectedRecord &money(int offset, qint64 amountTimes10000) { return number(offset, amountTimes10000); }
    ExpectedRecord &single(int offset, float value) { return number(offset, value); }
    ExpectedRecord &long32(int offset, qint32 value) { return number(offset, value); }

    // Windows-1252, blank-padded to the width.
    ExpectedRecord &text(int offset, int width, const QString &value)
    {
        QByteArray encoded;
        for (QChar character : value) {
            if (character == QChar(0x20AC))
                encoded += '\x80';
            else if (character.unicode() < 0x80 || (character.unicode() >= 0xA0 && character.unicode() < 0x100))
                encoded += char(character.unicode());
            else
                qFatal("the journey's texts keep to Latin-1 and the euro sign");
        }
        if (encoded.size() > width)
            qFatal("a journey text is wider than its field");
        return place(offset, encoded.leftJustified(width, ' '));
    }

    QByteArray bytes() const
    {
        if (m_covered.contains(false))
            qFatal("the expected layout leaves bytes out");
        return m_bytes;
    }

private:
    template<typename T>
    ExpectedRecord &number(int offset, T value)
    {
        QByteArray raw(int(sizeof(T)), '\0');
        qToLittleEndian(value, raw.data());
        return place(offset, raw);
    }

    ExpectedRecord &place(int offset, const QByteArray &raw)
    {
        for (int i = 0; i < raw.size(); ++i) {
            if (m_covered.at(offset + i))
                qFatal("two expected fields overlap");
            m_covered[offset + i] = true;
            m_bytes[offset + i] = raw[i];
        }
        return *this;
    }

    QByteArray m_bytes;
    QList<bool> m_covered;
};

// A calendar date (and time of day) as the files store it: days since
// 30 December 1899, the fraction being the time of day.
double dayNumber(QDate date, double hours = 0) { return double(QDate(1899, 12, 30).daysTo(date)) + hours / 24.0; }

// What the user types into the ride's boxes 1 to 27, and the stored values.
struct RideInput
{
    QStringList boxes; // index 0 unused
    double key;
    double purchaseDate;
    qint64 pricePaid;
    double sellingDate;
    qint64 priceSold;
    QString storedNotes;
};

QByteArray rideBytes(const RideInput &ride, const QString &picturePath)
{
    const QStringList &b = ride.boxes;
    return ExpectedRecord(10000)
        .key(0, ride.key)
        .text(8, 4, b[1])
        .text(12, 20, b[2])
        .text(32, 15, b[3])
        .text(47, 15, b[4])
        .text(62, 15, b[5])
        .text(77, 25, b[6])
        .text(102, 25, b[7])
        .date(127, ride.purchaseDate)
        .text(135, 30, b[9])
        .text(165, 30, b[10])
        .text(195, 30, b[11])
        .text(225, 20, b[12])
        .money(245, ride.pricePaid)
        .date(253, ride.sellingDate)
        .text(261, 30, b[15])
        .text(291, 30, b[16])
        .text(321, 30, b[17])
        .text(351, 20, b[18])
        .money(371, ride.priceSold)
        .text(379, 30, b[20])
        .text(409, 25, b[21])
        .text(434, 25, b[22])
        .text(459, 25, b[23])
        .text(484, 25, b[24])
        .text(509, 10, b[25])
        .text(519, 10, b[26])
        .text(529, 150, picturePath)
        .text(679, 9321, ride.storedNotes)
        .bytes();
}

QByteArray expenseBytes(double rideKey, double date, const QString &description, qint64 cost, const QString &notes)
{
    return ExpectedRecord(3000).key(0, rideKey).date(8, date).text(16, 60, description).money(76, cost).text(84, 2916, notes).bytes();
}

QByteArray tripBytes(double rideKey, double date, const QString &description, qint32 miles, const QString &notes)
{
    return ExpectedRecord(3000).key(0, rideKey).date(8, date).text(16, 60, description).long32(76, miles).text(80, 2920, notes).bytes();
}

QByteArray gasBytes(double rideKey, double date, float gallons, qint32 miles, const QString &notes)
{
    return ExpectedRecord(1000).key(0, rideKey).date(8, date).single(16, gallons).long32(20, miles).text(24, 976, notes).bytes();
}

// Empty when the file holds exactly the expected bytes; otherwise where it
// first differs.
QString byteDifference(const QString &path, const QByteArray &expected)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return path + QStringLiteral(": cannot be read");
    const QByteArray actual = file.readAll();
    const qsizetype common = std::min(actual.size(), expected.size());
    for (qsizetype i = 0; i < common; ++i) {
        if (actual[i] != expected[i])
            return QStringLiteral("%1: byte %2 is 0x%3, expected 0x%4")
                .arg(path)
                .arg(i)
                .arg(quint8(actual[i]), 2, 16, QLatin1Char('0'))
                .arg(quint8(expected[i]), 2, 16, QLatin1Char('0'));
    }
    if (actual.size() != expected.size())
        return QStringLiteral("%1: %2 bytes, expected %3").arg(path).arg(actual.size()).arg(expected.size());
    return {};
}

// ---- Driving the windows ----

// Runs `act` on the modal window of type T that the next command opens, from
// inside that window's own event loop, and counts the openings.
template<typename T>
class NextModal
{
public:
    explicit NextModal(std::function<void(T &)> act)
    {
        QTimer::singleShot(0, &m_guard, [this, act] {
            if (auto *window = qobject_cast<T *>(QApplication::activeModalWidget())) {
                ++openings;
                act(*window);
            }
        });
    }
    int openings = 0;

private:
    QObject m_guard; // no window opened: the timer dies with this object
};

void click(QorButton *button)
{
    QVERIFY2(button->isVisible() && button->isEnabled(), qPrintable(button->objectName()));
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
}

void typeInto(QWidget *box, const QString &text)
{
    box->setFocus(Qt::TabFocusReason);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    // Line breaks are typed with the Enter key.
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            QTest::keyClick(box, Qt::Key_Return);
        for (QChar character : lines[i]) {
            if (character.unicode() < 0x80) {
                QTest::keyClick(box, char(character.unicode()));
                continue;
            }
            // A letter from outside ASCII, as a keyboard layout sends it.
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(character));
            QApplication::sendEvent(box, &press);
            QApplication::sendEvent(box, &release);
        }
    }
}

// Fills the log entry editor's boxes (date, then description or gallons,
// then cost or miles; notes last) and saves.
void fillEntry(frmLogEntry &editor, const QStringList &lines, const QString &notes)
{
    for (int i = 0; i < lines.size(); ++i)
        typeInto(editor.lineField(i), lines[i]);
    typeInto(editor.notesField()->viewport(), notes);
    QTest::mouseClick(editor.saveButton(), Qt::LeftButton);
}

QStringList column(const QTableView *grid, int column)
{
    QStringList texts;
    for (int row = 0; row < grid->model()->rowCount(); ++row)
        texts << grid->model()->index(row, column).data().toString();
    return texts;
}

// The ride that gets every box filled, as typed and as stored.
const RideInput Eleanor{
    .boxes = {QString(), "1967", "Ford", "Mustang", "Fastback", "Highland Green", "GT 390 / CA / Classic", "Eleanor",
     "06/14/2021", "Bob's Classic Cars", "12 Harbor Road", "Monterey, CA 93940", "(831) 555-0110", "$48,500.00",
     "09/30/2026", "Steve Miller", "221 Bullitt Way", "San Francisco, CA 94110", "(415) 555-0168", "$52,000.00",
     "Classic Auto Mutual", "CAM-68-1190", "CA 1967 442 19", "7R02S123456", "390-FE-7781", "T", "K-4471",
     QString::fromUtf8("Café racer seat from Paris, €250.\nRebuilt the carburettor in March.")},
    .key = dayNumber(QDate(2026, 11, 1), 12),
    .purchaseDate = dayNumber(QDate(2021, 6, 14)),
    .pricePaid = 485000000,
    .sellingDate = dayNumber(QDate(2026, 9, 30)),
    .priceSold = 520000000,
    .storedNotes = QString::fromUtf8("Café racer seat from Paris, €250.\r\nRebuilt the carburettor in March."),
};

} // namespace

class TestJourney : public QObject
{
    Q_OBJECT

    QTemporaryDir home;
    QString startFolder = QDir::currentPath();
    std::unique_ptr<SingleInstance> instance;
    QPointer<frmMain> main;

    const MainWindowControls &ui() const { return main->controls(); }

    // Starts the program as a user does, up to its main window.
    void startProgram(bool expectOverview)
    {
        QPointer<frmTitlePage> title = StartProgram(instance);
        QVERIFY(title && title->isVisible());
        NextModal<frmNewUser> overview([](frmNewUser &window) {
            QVERIFY(window.windowTitle().endsWith(QStringLiteral("New User Overview")));
            window.findChild<QCheckBox *>(QStringLiteral("chk"))->setChecked(true);
            window.findChild<QorButton *>(QStringLiteral("cmdContinue"))->Click();
        });
        click(title->findChild<QorButton *>(QStringLiteral("cmdContinue")));
        QCOMPARE(overview.openings, expectOverview ? 1 : 0);
        main = title->mainWindow();
        QVERIFY(main && main->isVisible());
        QVERIFY(WaitForFirstActivation(*main));
    }

    void typeBox(int i, const QString &text)
    {
        ui().MainTab->setCurrentIndex(RideFields::tabOf(i));
        typeInto(ui().txtField[std::size_t(i)], text);
    }

    void addRide(const QStringList &boxes)
    {
        click(ui().cmdRideAdd);
        for (int i = 1; i < boxes.size(); ++i) {
            if (!boxes[i].isEmpty())
                typeBox(i, boxes[i]);
        }
        click(ui().cmdRideSave);
    }

    void chooseRide(const QString &label)
    {
        ui().MainTab->setCurrentIndex(0);
        click(ui().cmdSelectRide);
        auto *menu = qobject_cast<ListMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        // Typing a label's first letters highlights its ride.
        QTest::keyClicks(menu, label);
        QCOMPARE(menu->caption(menu->currentIndex().row()), label);
        QTest::keyClick(menu, Qt::Key_Return);
    }

    void addEntry(int log, const QStringList &lines, const QString &notes)
    {
        ui().MainTab->setCurrentIndex(log + 2);
        NextModal<frmLogEntry> editor([&](frmLogEntry &window) { fillEntry(window, lines, notes); });
        click(ui().cmdLogAdd[std::size_t(log)]);
        QCOMPARE(editor.openings, 1);
    }

    void highlight(int log, int row)
    {
        QTableView *grid = ui().grid[std::size_t(log)];
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->model()->index(row, 1)).center());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(home.isValid());
        qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(QStringLiteral("data"))));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
        const QString runtime = home.filePath(QStringLiteral("runtime"));
        QVERIFY(QDir().mkpath(runtime));
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
        ConfigureApplication();
        SetTranslucencyOverride(false);
    }

    void cleanupTestCase()
    {
        delete main;
        QDir::setCurrent(startFolder);
    }

    void aNewUsersRoad()
    {
        ScreenSize::Pretend screen({1280, 800});
        MessageBox::Script boxes;
        FileDialog::Script dialog;
        Clock::Fixed clock(QDateTime(QDate(2026, 11, 1), QTime(6, 0)));
        std::shared_ptr<RecordingPrintDevice> printer = std::make_shared<RecordingPrintDevice>();
        QStringList printouts;
        PrintDevicesForTests printers([&](const QString &name) -> std::shared_ptr<PrintDevice> {
            printouts << name;
            return printer;
        });

        // First start: the overview (ticked off), then an empty main window
        // that says how to begin.
        startProgram(true);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(boxes.count(), 1);
        QVERIFY(boxes.last().text.startsWith(QStringLiteral("There are no rides currently on file.")));
        const QString dataFolder = DataFolder::path();
        QCOMPARE(QDir::currentPath(), dataFolder);

        // Two rides: a lean one at 06:00, then one with every box at 12:00.
        addRide({QString(), "1998", "Honda", "Civic"});
        clock.set(QDateTime(QDate(2026, 11, 1), QTime(12, 0)));
        addRide(Eleanor.boxes);
        QCOMPARE(boxes.count(), 1);
        QCOMPARE(ui().lblRideName->text(), QStringLiteral("Eleanor"));
        QCOMPARE(ui().fieldText(13), QStringLiteral("$48,500.00"));
        QCOMPARE(ui().fieldText(14), QStringLiteral("09/30/2026"));

        // A picture for it.
        const QString picturePath = home.filePath(QStringLiteral("Eleanor.png"));
        QVERIFY(paintDemoPicture(DemoPicture::Car).save(picturePath));
        dialog.choose(picturePath);
        ui().MainTab->setCurrentIndex(0);
        click(ui().cmdPicAddEdit[1]);
        QCOMPARE(dialog.count(), 1);
        QVERIFY(!ui().lblPicture->isVisible());
        QCOMPARE(ui().imgRide->toolTip(), picturePath);

        // All four logs; a second maintenance entry is deleted again, the
        // gasoline entry is corrected.
        addEntry(1, {"10/02/2026", "Tune-up and points", "$185.40"}, "Gapped the plugs at .034\nNew condenser");
        addEntry(1, {"10/20/2026", "Oil change", "42.50"}, "10W-40");
        addEntry(2, {"10/05/2026", "Chrome air cleaner", "$89.99"}, "From the swap meet.");
        addEntry(3, {"10/11/2026", "Pacific Coast Highway", "212"}, "Big Sur at sunset.");
        addEntry(4, {"10/11/2026", "12.5", "210"}, "Premium");
        QCOMPARE(column(ui().grid[1], 1), QStringList({"Tune-up and points", "Oil change"}));
        QCOMPARE(ui().lblTotal[1]->text(), QStringLiteral(" Total Cost: $227.90"));

        ui().MainTab->setCurrentIndex(6);
        highlight(4, 0);
        NextModal<frmLogEntry> correction([](frmLogEntry &window) {
            QCOMPARE(window.lineField(1)->text(), QStringLiteral("12.5"));
            typeInto(window.lineField(1), QStringLiteral("11.5"));
            QTest::mouseClick(window.saveButton(), Qt::LeftButton);
        });
        click(ui().cmdLogEdit[4]);
        QCOMPARE(correction.openings, 1);
        QCOMPARE(ui().lblTotal[4]->text(), QStringLiteral(" Total Gallons: 11.5 "));

        ui().MainTab->setCurrentIndex(3);
        highlight(1, 1);
        boxes.answer(MessageBox::Button::Yes);
        click(ui().cmdLogDelete[1]);
        QCOMPARE(boxes.last().title, QStringLiteral(" Confirm Deletion"));
        QCOMPARE(column(ui().grid[1], 1), QStringList({"Tune-up and points"}));
        QCOMPARE(ui().lblTotal[1]->text(), QStringLiteral(" Total Cost: $185.40"));

        // Print the whole ride report, then the trip entry.
        const int boxesBeforePrinting = boxes.count();
        NextModal<frmPrint> options([](frmPrint &window) {
            for (int index = 0; index < frmPrint::OptionCount; ++index)
                QCOMPARE(window.option(index)->checkState(), Qt::Checked);
            window.cmdPrint_Click();
            window.cmdCancel_Click();
        });
        click(ui().cmdRidePrint);
        QCOMPARE(options.openings, 1);
        ui().MainTab->setCurrentIndex(5);
        highlight(3, 0);
        click(ui().cmdLogPrint[3]);
        QCOMPARE(printouts, QStringList({"Ride report - basic information", "Ride report - picture",
                                         "Ride report - 'Maint./Repair' list", "Ride report - 'Goodies' list",
                                         "Ride report - 'Trips' list", "Ride report - 'Gas Usage/Info' list",
                                         "'Trips' entry"}));
        QStringList printed;
        for (const auto &line : printer->lines())
            printed << line.text;
        for (const char *expected : {"(aka Eleanor)", "Rebuilt the carburettor in March.", "Big Sur at sunset."})
            QVERIFY2(printed.contains(QString::fromUtf8(expected)), expected);
        QVERIFY(printed.contains(QStringLiteral("10/11/2026Pacific Coast Highway212")));
        QCOMPARE(boxes.count(), boxesBeforePrinting);

        // Switch to the Civic, keep a trip for it, then delete it: its trip
        // goes with it.
        chooseRide(QStringLiteral("1998 Honda Civic"));
        QCOMPARE(ui().lblRideName->text(), QStringLiteral("1998 Honda"));
        addEntry(3, {"10/15/2026", "Commute week", "180"}, QString());
        QCOMPARE(column(ui().grid[3], 1), QStringList({"Commute week"}));
        boxes.answer(MessageBox::Button::Yes);
        ui().MainTab->setCurrentIndex(0);
        click(ui().cmdRideDelete);
        QCOMPARE(boxes.last().title, QStringLiteral("Confirm"));
        QVERIFY(boxes.last().text.contains(QStringLiteral("1998 Honda Civic")));
        QCOMPARE(ui().lblRideName->text(), QStringLiteral("Eleanor"));

        // Quit, and start again on the ride last viewed, without the overview.
        boxes.answer(MessageBox::Button::Yes);
        click(ui().cmdQuit);
        QCOMPARE(boxes.last().text, QStringLiteral("Are you sure you wish to quit?"));
        QVERIFY(!main || !main->isVisible());
        delete main;
        instance.reset();
        QDir::setCurrent(startFolder);
        Settings::useFile(QString()); // the settings are read afresh, as by a new process

        const int boxesBeforeRestart = boxes.count();
        startProgram(false);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(boxes.count(), boxesBeforeRestart);
        QCOMPARE(ui().lblRideName->text(), QStringLiteral("Eleanor"));
        QCOMPARE(ui().fieldText(23), QStringLiteral("7R02S123456"));
        QCOMPARE(ui().imgRide->toolTip(), picturePath);
        ui().MainTab->setCurrentIndex(6);
        QCOMPARE(column(ui().grid[4], 1), QStringList({"11.5"}));

        // The settings where a desktop keeps them.
        QSettings stored(home.filePath(QStringLiteral("config/Torqal/Torqal.conf")), QSettings::IniFormat);
        QCOMPARE(stored.value(QStringLiteral("Defaults/New User")).toString(), QStringLiteral("No Show"));
        QCOMPARE(stored.value(QStringLiteral("Defaults/Last Ride Viewed")).toString(), QStringLiteral("1"));

        // Every byte of the five files.
        const QDir data(dataFolder);
        const double key = Eleanor.key;
        const QList<std::pair<QString, QByteArray>> expectedFiles = {
            {"Torqal.Dat", rideBytes(Eleanor, picturePath)},
            {"Maint.Dat", expenseBytes(key, dayNumber(QDate(2026, 10, 2)), "Tune-up and points", 1854000,
                                       "Gapped the plugs at .034\r\nNew condenser")},
            {"Goody.Dat", expenseBytes(key, dayNumber(QDate(2026, 10, 5)), "Chrome air cleaner", 899900, "From the swap meet.")},
            {"Trip.Dat", tripBytes(key, dayNumber(QDate(2026, 10, 11)), "Pacific Coast Highway", 212, "Big Sur at sunset.")},
            {"Gas.Dat", gasBytes(key, dayNumber(QDate(2026, 10, 11)), 11.5f, 210, "Premium")},
        };
        for (const auto &[name, bytes] : expectedFiles) {
            const QString difference = byteDifference(data.filePath(name), bytes);
            QVERIFY2(difference.isEmpty(), qPrintable(difference));
        }
        QVERIFY(!QFile::exists(data.filePath(QStringLiteral("TempFile.$$$"))));

        QProcess check;
        check.start(QStringLiteral(TORQAL_DATA_TOOL), {QStringLiteral("check"), dataFolder});
        QVERIFY(check.waitForFinished(60000));
        const QString report = QString::fromUtf8(check.readAllStandardOutput());
        QVERIFY2(check.exitCode() == 0 && report.endsWith(QStringLiteral("No damage found.\n")), qPrintable(report));
    }
};

QTEST_MAIN(TestJourney)
#include "test_journey.moc"
