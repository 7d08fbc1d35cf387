// The history command of the main window and the history window with its
// import, driven through the real widgets.

#include "history/HistoryWindow.h"
#include "history/ImportWindow.h"
#include "store/ReminderStore.h"
#include "ui/QorButton.h"
#include "logs/LogTestSupport.h"
#include "ride/RideWindowSupport.h"
#include "support/ImportSettled.h"
#include "support/UserFileFaults.h"
#include "support/WhenOpen.h"
#include "ui/QorButton.h"

#include <QAbstractEventDispatcher>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QScatterSeries>
#include <QProgressBar>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QToolTip>

using namespace RideTest;

namespace {

// A history of two fill-ups with their costs, which draws the
// miles-per-gallon and the fuel price charts.
RideHistory twoFillUps()
{
    RideHistory history;
    history.gas = {LogTest::gas(LogTest::RideA, LogTest::day(2009, 1, 5), 10, 300),
                   LogTest::gas(LogTest::RideA, LogTest::day(2009, 2, 5), 12, 330)};
    history.extras[3].resize(2);
    history.extras[3][0].cost = 350000;
    history.extras[3][1].cost = 384000;
    return history;
}

QWidget *shownTooltip()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->inherits("QTipLabel") && widget->isVisible())
            return widget;
    }
    return nullptr;
}

} // namespace

class TestHistoryWindow : public QObject
{
    Q_OBJECT

private slots:
    void theCommandOpensTheHistoryAndAnImportRefillsTheList()
    {
        World world;
        RideRecord civic = threeRides.first();
        civic.PricePaid = 50000000;
        writeFileOf<RideRecord>("Torqal.Dat", {civic});
        writeFileOf<GasRecord>("Gas.Dat", {LogTest::gas(civic.RideKey, LogTest::day(2009, 1, 5), 10, 300),
                                           LogTest::gas(civic.RideKey, LogTest::day(2009, 2, 5), 12, 330)});
        world.open();
        QVERIFY(world.ui().cmdRideHistory->isVisible());

        const QString csv = world.folder.path() + QStringLiteral("/trips.csv");
        QFile file(csv);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Date,Description,Miles,Notes\r\n2009-03-01,Coast road,120,\r\n2009-03-02,,80,\r\n");
        file.close();
        world.dialog.choose(csv);

        QString title, summary, noChart, chartNote;
        QStringList charts;
        QStringList problems;
        whenOpen<HistoryWindow>(this, [&](HistoryWindow &history) {
            title = history.windowTitle();
            summary = history.findChild<QTextEdit *>("txtSummary")->toPlainText();
            for (auto *view : history.findChildren<QChartView *>())
                charts << view->accessibleName();
            noChart = history.findChild<QLabel *>("lblNoChart(1)")->text();
            chartNote = history.findChild<QLabel *>("lblChartNote(2)")->text();
            whenOpen<ImportWindow>(this, [&](ImportWindow &import) {
                QVERIFY(importSettled(import));
                auto *list = import.findChild<QListWidget *>("lstProblems");
                for (int row = 0; row < list->count(); ++row)
                    problems << list->item(row)->text();
                import.confirm();
            });
            history.importCsv();
            history.accept();
        });
        emit world.ui().cmdRideHistory->Click();

        QCOMPARE(title, QStringLiteral("History of 1998 Honda"));
        QVERIFY(summary.contains(QStringLiteral("$5,000.00")));
        QVERIFY(summary.contains(QStringLiteral("28.6")));
        QCOMPARE(charts, (QStringList{"Miles per gallon of each fill-up", "Miles per month"}));
        QVERIFY(noChart.endsWith(QStringLiteral("The maintenance and repairs log and the goodies log have no costs to draw yet.")));
        QCOMPARE(chartNote, QStringLiteral("The trips log has no miles to draw yet."));
        QCOMPARE(problems, QStringList{"Line 3: Some kind of description is required"});
        QCOMPARE(world.messages.last().text, QStringLiteral("1 entry was added to the 'Trips' log."));
        QCOMPARE(recordsIn<TripRecord>("Trip.Dat").size(), 1);
        QCOMPARE(world.ui().grid[3]->model()->rowCount(), 1);
        QVERIFY(world.idle());

        world.click(world.ui().cmdRideEdit);
        QVERIFY(!world.ui().cmdRideHistory->isVisible());
    }

    // The same file imported twice adds nothing the second time; the undo
    // asks, removes the import's entries and is then offered no more.
    void anImportIsSkippedWhenRepeatedAndUndoneOnRequest()
    {
        World world;
        const RideRecord civic = threeRides.first();
        writeFileOf<RideRecord>("Torqal.Dat", {civic});
        writeFileOf<TripRecord>("Trip.Dat", {LogTest::trip(civic.RideKey, LogTest::day(2009, 1, 1), QStringLiteral("Before"), 50)});
        const QByteArray before = DataTest::bytesOf("Trip.Dat");
        const QString csv = world.folder.path() + QStringLiteral("/trips.csv");
        DataTest::writeBytes(csv, "Date,Description,Miles,Notes\r\n2009-03-01,Coast road,120,\r\n2009-03-02,Hills,80,\r\n");
        ReminderStore database(ReminderStore::FileName);
        const StoreRead<RideHistory> history = Store::readRideHistory(1);
        HistoryWindow window(history.value, ShownRide{QStringLiteral("1998 Honda"), {}, {}, {}}, nullptr, &database);
        auto *undo = window.findChild<QorButton *>("cmdUndoImport");
        QVERIFY(!undo->isEnabled());

        QStringList outcomes;
        for (int time = 0; time < 2; ++time) {
            world.dialog.choose(csv);
            whenOpen<ImportWindow>(this, [&](ImportWindow &import) {
                QVERIFY(importSettled(import));
                outcomes << import.findChild<QLabel *>("lblOutcome")->text();
                if (time == 0)
                    import.confirm();
                else
                    import.reject();
            });
            window.importCsv();
        }
        QCOMPARE(outcomes.size(), 2);
        QVERIFY2(outcomes[1].startsWith(QStringLiteral("0 entries will be added")), qPrintable(outcomes[1]));
        QVERIFY2(outcomes[1].endsWith(QStringLiteral("2 rows already in the log are skipped.")), qPrintable(outcomes[1]));
        QCOMPARE(recordsIn<TripRecord>("Trip.Dat").size(), 3);
        QVERIFY(undo->isEnabled());

        world.messages.answer(MessageBox::Button::No);
        emit undo->Click();
        QCOMPARE(world.messages.last().text, QStringLiteral("Remove the 2 entries imported on 03/15/2009 from the 'Trips' log?"));
        QCOMPARE(recordsIn<TripRecord>("Trip.Dat").size(), 3);
        world.messages.answer(MessageBox::Button::Yes);
        emit undo->Click();
        QCOMPARE(DataTest::bytesOf("Trip.Dat"), before);
        QVERIFY(!undo->isEnabled());
        QVERIFY(window.entriesImported());
    }

    // The window shows the encoding, delimiter and readings it found; a pick
    // of another reading or encoding reads the file again, and an encoding the
    // file is not valid in reads none of it.
    void theImportShowsHowItReadsTheFileAndFollowsThePicks()
    {
        QTemporaryDir folder;
        const QString csv = folder.filePath(QStringLiteral("gasoline.csv"));
        QFile file(csv);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Date;Gallons;Miles;Notes\r\n05/02/2026;35,10;1.234;\r\n06/02/2026;12,5;300;Cr\xE8me\r\n");
        file.close();
        ImportWindow import(LogTest::RideA, 1, QStringLiteral("1998 Honda"), csv);
        QVERIFY(importSettled(import));
        auto *encoding = import.findChild<QComboBox *>("cboEncoding");
        auto *dates = import.findChild<QComboBox *>("cboFormat(0)");
        const QAbstractItemModel *preview = import.findChild<QTableView *>("tblPreview")->model();
        auto *problems = import.findChild<QListWidget *>("lstProblems");
        QCOMPARE(encoding->currentText(), QStringLiteral("Windows-1252 (detected)"));
        QCOMPARE(import.findChild<QComboBox *>("cboDelimiter")->currentText(), QStringLiteral("Semicolon (detected)"));
        QCOMPARE(dates->accessibleName(), QStringLiteral("How the Date column is written"));
        QCOMPARE(dates->currentText(), QStringLiteral("Month first: 05/02/2026 is 2 May 2026"));
        QCOMPARE(import.findChild<QLabel *>("lblReading")->text(),
                 QStringLiteral("Read as: Date: month first (by the desktop's settings: 05/02/2026 is 2 May 2026); "
                                "Gallons: decimal comma (as its values show); "
                                "Miles: decimal comma (as the file's other numbers show: 1.234 is 1234)"));
        QCOMPARE(preview->index(0, 0).data().toString(), QStringLiteral("05/02/2026"));
        QCOMPARE(preview->index(1, 3).data().toString(), QStringLiteral("Crème"));

        dates->setCurrentIndex(dates->findText(QStringLiteral("Day first"), Qt::MatchStartsWith));
        QVERIFY(importSettled(import));
        QCOMPARE(preview->index(0, 0).data().toString(), QStringLiteral("02/05/2026"));

        encoding->setCurrentIndex(encoding->findText(QStringLiteral("UTF-8")));
        QVERIFY(importSettled(import));
        QCOMPARE(problems->item(0)->text(),
                 QStringLiteral("Line 3: the file is not valid UTF-8 from here on, so none of it is read; pick its encoding above"));
        QCOMPARE(preview->rowCount(), 0);
        QVERIFY(!import.findChild<QorButton *>("cmdImport")->isEnabled());
    }

    // A tracker's export opens under its preset, in the log of its records,
    // and the preview names how its numbers become the ride's; another
    // preset picked reads the file again.
    void theImportRecognisesATrackersExportAndNamesItsConversions()
    {
        QTemporaryDir folder;
        const QString csv = folder.filePath(QStringLiteral("export.csv"));
        QFile file(csv);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Date;Odometer;Trip;Quantity;Total price;Currency;Type;Note\r\n"
                   "03.02.2026;31000;;45,20;79,55;EUR;3;\r\n14.02.2026;31650;650;42,10;75,36;EUR;1;\r\n");
        file.close();
        ImportWindow import(LogTest::RideA, 1, QStringLiteral("1998 Honda"), csv);
        QVERIFY(importSettled(import));
        auto *preset = import.findChild<QComboBox *>("cboPreset");
        auto *reading = import.findChild<QLabel *>("lblReading");
        QCOMPARE(preset->currentText(), QStringLiteral("Spritmonitor (recognised)"));
        QCOMPARE(import.findChild<QComboBox *>("cboLog")->currentData().toInt(), logIndex(LogKind::Gas));
        QVERIFY2(reading->text().contains(QStringLiteral("Converted: litres → US gallons, km → miles, distances from the "
                                                         "odometer readings. Line 2: its odometer reading, 19263, is the "
                                                         "first, so its distance is 0")),
                 qPrintable(reading->text()));
        QVERIFY(import.findChild<QTableView *>("tblPreview")->model()->index(1, 2).data().toString().startsWith(QStringLiteral("403")));

        preset->setCurrentIndex(preset->findText(QStringLiteral("Generic")));
        QVERIFY(importSettled(import));
        QVERIFY(!reading->text().contains(QStringLiteral("litres")));
    }

    // The file is read on a worker thread while a progress bar and Stop
    // show: an option changed meanwhile reads it again, and only the newest
    // reading is shown; Esc stops a reading, after which nothing can be
    // written; Stop while writing says that every entry is stored, and they
    // are.
    void theImportWorksOffTheWindowsThread()
    {
        DataTest::WorkingFolder folder;
        MessageBox::Script messages;
        const QString csv = folder.path() + QStringLiteral("/trips.csv");
        DataTest::writeBytes(csv, "Date,Description,Miles,Notes\r\n2009-03-01,Coast road,120,\r\n2009-03-02,Hills,80,\r\n");
        ImportWindow import(LogTest::RideA, 1, QStringLiteral("1998 Honda"), csv);
        import.show();
        auto *progress = import.findChild<QProgressBar *>("prgImport");
        auto *stop = import.findChild<QorButton *>("cmdCancelImport");
        auto *confirm = import.findChild<QorButton *>("cmdImport");
        auto *log = import.findChild<QComboBox *>("cboLog");
        auto *outcome = import.findChild<QLabel *>("lblOutcome");
        QSignalSpy shown(import.findChild<QTableView *>("tblPreview")->model(), &QAbstractItemModel::modelReset);
        QVERIFY(import.busy());
        QVERIFY(progress->isVisible() && stop->isVisible());
        QCOMPARE(progress->accessibleName(), QStringLiteral("Import progress"));
        QVERIFY(!confirm->isEnabled());

        log->setCurrentIndex(log->findData(logIndex(LogKind::Gas)));
        QVERIFY(importSettled(import));
        QCOMPARE(shown.count(), 1);
        QVERIFY2(outcome->text().contains(logKindInfo(LogKind::Gas).tabCaption), qPrintable(outcome->text()));
        QVERIFY(!progress->isVisible());

        import.findChild<QCheckBox *>("chkSkipDuplicates")->toggle();
        QVERIFY(import.busy());
        QTest::keyClick(&import, Qt::Key_Escape);
        QVERIFY(!import.busy() && import.isVisible());
        QVERIFY(!confirm->isEnabled());
        import.confirm();
        QVERIFY(!import.busy());
        QVERIFY(DataTest::recordsIn<GasRecord>(QStringLiteral("Gas.Dat")).isEmpty());

        log->setCurrentIndex(log->findData(logIndex(LogKind::Trips)));
        QVERIFY(importSettled(import));
        emit confirm->Click();
        QVERIFY(import.busy());
        emit stop->Click();
        QVERIFY(import.findChild<QLabel *>("lblDoing")->text().endsWith(QStringLiteral("all of them will be stored.")));
        QVERIFY(importSettled(import));
        QCOMPARE(import.result(), int(QDialog::Accepted));
        QCOMPARE(messages.last().text, QStringLiteral("2 entries were added to the 'Trips' log."));
        QCOMPARE(DataTest::recordsIn<TripRecord>(QStringLiteral("Trip.Dat")).size(), 2);
    }

    void theCommandIsHiddenWithoutARide()
    {
        World world;
        world.open();
        QVERIFY(!world.ui().cmdRideHistory->isVisible());
    }

    void exportWritesTheFiveFilesAndAsksBeforeReplacing()
    {
        World world;
        writeFileOf<RideRecord>("Torqal.Dat", {threeRides.first()});
        const StoreRead<RideHistory> history = Store::readRideHistory(1);
        QVERIFY(history.status);
        HistoryWindow window(history.value, ShownRide{QStringLiteral("1998 Honda"), {}, {}, {}});
        const QString out = world.folder.path() + QStringLiteral("/out");
        world.dialog.choose(out);
        window.exportCsv(false);
        for (const char *name : {"ride.csv", "maintenance.csv", "goodies.csv", "trips.csv", "gasoline.csv"})
            QVERIFY2(QFileInfo::exists(out + u'/' + QLatin1String(name)), name);
        QCOMPARE(DataTest::bytesOf(out + QStringLiteral("/trips.csv")), QByteArray("Date,Description,Miles,Notes,Odometer\r\n"));

        DataTest::writeBytes(out + QStringLiteral("/trips.csv"), "mine");
        world.dialog.choose(out);
        world.messages.answer(MessageBox::Button::No);
        window.exportCsv(false);
        QCOMPARE(world.messages.last().title, QStringLiteral("Replace files?"));
        QCOMPARE(DataTest::bytesOf(out + QStringLiteral("/trips.csv")), QByteArray("mine"));

        world.dialog.choose(out);
        world.messages.answer(MessageBox::Button::Yes);
        window.exportCsv(false);
        QCOMPARE(world.messages.last().title, QStringLiteral("Exported"));
        QCOMPARE(DataTest::bytesOf(out + QStringLiteral("/trips.csv")), QByteArray("Date,Description,Miles,Notes,Odometer\r\n"));
    }

    // The text of the fill-up under the pointer stays while the pointer rests
    // on it: the pause that asks for a tooltip leaves it, and no timer is set
    // to take it away.
    void aPointsTextStaysWhileThePointerRestsOnIt_data()
    {
        QTest::addColumn<int>("chart");
        QTest::addColumn<QString>("text");
        QTest::newRow("economy") << int(HistoryCharts::Chart::MilesPerGallon)
                                 << "02/05/2009: 27.5 mpg (average of the last five: 28.8)";
        QTest::newRow("fuel price") << int(HistoryCharts::Chart::FuelPrice)
                                    << "02/05/2009: $3.20 per gallon (average of the last five: $3.35)";
    }

    void aPointsTextStaysWhileThePointerRestsOnIt()
    {
        QFETCH(int, chart);
        QFETCH(QString, text);
        HistoryWindow window(twoFillUps(), ShownRide{QStringLiteral("1998 Honda"), {}, {}, {}});
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *view = window.findChild<QChartView *>(QStringLiteral("chart(%1)").arg(chart));
        QCOMPARE(view->accessibleName(), HistoryCharts::title(HistoryCharts::Chart(chart)));
        view->ensurePolished();
        window.findChild<QScrollArea *>()->ensureWidgetVisible(view);
        auto *fillUps = qobject_cast<QScatterSeries *>(view->chart()->series().first());
        const QPoint at = view->mapFromScene(view->chart()->mapToPosition(fillUps->at(1), fillUps));
        const QPoint global = view->viewport()->mapToGlobal(at);
        QMouseEvent move(QEvent::MouseMove, at, global, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &move);
        QHelpEvent rest(QEvent::ToolTip, at, global);
        QApplication::sendEvent(view->viewport(), &rest);

        QWidget *tip = shownTooltip();
        QVERIFY(tip);
        QCOMPARE(QToolTip::text(), text);
        for (const QAbstractEventDispatcher::TimerInfo &timer : QAbstractEventDispatcher::instance()->registeredTimers(tip))
            QVERIFY2(timer.interval >= 3600 * 1000, qPrintable(QString::number(timer.interval)));
    }

    // A file dialog starts in the folder last chosen for its kind of file,
    // which no other kind shares, and shows the files of its type.
    void aFileDialogStartsInTheFolderLastUsedForItsKind_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("filter");
        using Kind = FileDialog::Kind;
        QTest::newRow("history as PDF") << 0 << int(Kind::Pdf) << "PDF files (*.pdf)";
        QTest::newRow("chart as PNG") << 1 << int(Kind::Png) << "PNG pictures (*.png)";
        QTest::newRow("CSV export into a folder") << 2 << int(Kind::Csv) << QString();
        QTest::newRow("CSV import") << 3 << int(Kind::Csv) << "CSV files (*.csv);;All files (*)";
    }

    void aFileDialogStartsInTheFolderLastUsedForItsKind()
    {
        QFETCH(int, command);
        QFETCH(int, kind);
        QFETCH(QString, filter);
        World world;
        HistoryWindow window(twoFillUps(), ShownRide{QStringLiteral("1998 Honda"), {}, {}, {}});
        const QString chosen = world.folder.path() + QStringLiteral("/chosen");
        QVERIFY(QDir().mkpath(chosen));
        const auto run = [&] {
            switch (command) {
            case 0:
                return window.savePdf();
            case 1:
                return window.saveChart(HistoryCharts::Chart::MilesPerGallon);
            case 2:
                return window.exportCsv(false);
            default:
                return window.importCsv();
            }
        };
        // A save dialog starts at a file of the folder, the others at the folder.
        const bool ofFile = command < 2;
        const auto folderOf = [ofFile](const QString &start) { return ofFile ? QFileInfo(start).absolutePath() : start; };

        world.dialog.choose(command == 2 ? chosen : chosen + QStringLiteral("/history"));
        run();
        run();
        const QList<FileDialog::Script::Request> &asked = world.dialog.requests();
        QCOMPARE(asked.size(), 2);
        QVERIFY(folderOf(asked[0].start) != chosen);
        QCOMPARE(folderOf(asked[1].start), chosen);
        QCOMPARE(asked[1].filter, filter);
        for (const FileDialog::Kind other : {FileDialog::Kind::Csv, FileDialog::Kind::Pdf, FileDialog::Kind::Png}) {
            if (int(other) != kind)
                QVERIFY(FileDialog::folderOf(other) != chosen);
        }
    }

    // A chart's picture takes the place of the file the user named only once
    // it is complete: a file that cannot be written over is named, and stays
    // as it was.
    void aChartPictureReplacesTheFileOnlyWhenWritten_data()
    {
        using UserFileFaults::Fault;
        QTest::addColumn<int>("fault");
        QTest::newRow("written") << int(Fault::None);
        QTest::newRow("read-only file") << int(Fault::ReadOnlyFile);
        QTest::newRow("read-only folder") << int(Fault::ReadOnlyFolder);
        QTest::newRow("cut short") << int(Fault::CutShort);
    }

    void aChartPictureReplacesTheFileOnlyWhenWritten()
    {
        QFETCH(int, fault);
        World world;
        const RideRecord civic = threeRides.first();
        writeFileOf<RideRecord>("Torqal.Dat", {civic});
        writeFileOf<GasRecord>("Gas.Dat", {LogTest::gas(civic.RideKey, LogTest::day(2009, 1, 5), 10, 300),
                                           LogTest::gas(civic.RideKey, LogTest::day(2009, 2, 5), 12, 330)});
        const StoreRead<RideHistory> history = Store::readRideHistory(1);
        QVERIFY(history.status);
        HistoryWindow window(history.value, ShownRide{QStringLiteral("1998 Honda"), {}, {}, {}});
        QTemporaryDir pictures;
        const QString target = pictures.filePath(QStringLiteral("mpg.png"));
        DataTest::writeBytes(target, "mine");
        const QMap<QString, QByteArray> before = UserFileFaults::contentsOf(pictures.path());

        world.dialog.choose(target);
        {
            const UserFileFaults::Refusing refusing(UserFileFaults::Fault(fault), target);
            refusing.during([&] { window.saveChart(HistoryCharts::Chart::MilesPerGallon); });
        }
        const bool written = UserFileFaults::Fault(fault) == UserFileFaults::Fault::None;
        QCOMPARE(world.messages.count(), written ? 0 : 1);
        if (written) {
            QVERIFY(DataTest::bytesOf(target).startsWith("\x89PNG"));
            return;
        }
        QCOMPARE(world.messages.last().text,
                 QStringLiteral("The file \"%1\" could not be written.").arg(QDir::toNativeSeparators(target)));
        QCOMPARE(UserFileFaults::contentsOf(pictures.path()), before);
    }
};

QTEST_MAIN(TestHistoryWindow)
#include "test_history_window.moc"
