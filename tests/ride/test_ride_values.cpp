// The ride view's values without a window: what the boxes show of a record
// and what they store, the save checks, the labels, the picture frames and
// the ride shown first.

#include "data/Records.h"
#include "platform/Twips.h"
#include "ride/PictureFit.h"
#include "model/RideFieldValues.h"
#include "ride/RideMessages.h"
#include "ride/RideSaveChecks.h"
#include "ride/RideState.h"
#include "store/RideLabels.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

using namespace RideFieldValues;
using namespace RideFields;

namespace {

RideBoxTexts validBoxes()
{
    RideBoxTexts boxes;
    boxes[1] = QStringLiteral("1967");
    boxes[2] = QStringLiteral("Ford");
    boxes[3] = QStringLiteral("Mustang");
    return boxes;
}

QString savedPicture(const QTemporaryDir &dir, QSize pixels)
{
    QImage image(pixels, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    const QString path = dir.filePath(QStringLiteral("%1x%2.png").arg(pixels.width()).arg(pixels.height()));
    image.save(path);
    return path;
}

} // namespace

class TestRideValues : public QObject
{
    Q_OBJECT

private slots:
    void firstRideShownIsTheLastViewedWhenOnFile()
    {
        QCOMPARE(FirstRideToShow(QStringLiteral("3"), 5), qint16(3));
        QCOMPARE(FirstRideToShow(QStringLiteral("5"), 5), qint16(5));
        // Anything that names no ride on file falls back to ride 1 ...
        for (const char *stored : {"6", "40000", "0", "-2", "abc", "", "2.5"})
            QCOMPARE(FirstRideToShow(QString::fromLatin1(stored), 5), qint16(1));
        // ... and to no ride at all when the file is empty.
        QCOMPARE(FirstRideToShow(QStringLiteral("1"), 0), qint16(0));
        QCOMPARE(FirstRideToShow(QStringLiteral("3"), 0), qint16(0));
    }

    void boxesShowDatesAndMoneyByTheirRules()
    {
        RideRecord ride;
        ride.Year = QStringLiteral("1998");
        ride.Make = QStringLiteral("  Honda   ");
        ride.Notes = QStringLiteral(" first line\r\n\tsecond line  ");
        ride.PurchaseDate = 36526.0;
        ride.SellingDate = -3.0;
        ride.PricePaid = -125000;
        ride.PriceSold = 0;
        const RideBoxTexts boxes = BoxTextsOf(ride, QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(boxes[2], QStringLiteral("Honda"));
        QCOMPARE(boxes[RideNotesBox], QStringLiteral(" first line\n\tsecond line")); // the notes' first blank stays
        QCOMPARE(boxes[PurchaseDateBox], QStringLiteral("01/01/2000"));
        QCOMPARE(boxes[SellingDateBox], QStringLiteral("12/27/1899"));
        QCOMPARE(boxes[PricePaidBox], QStringLiteral("-$12.50"));
        QCOMPARE(boxes[PriceSoldBox], QString());

        ride.PriceSold = 12345000;
        ride.SellingDate = 0;
        QCOMPARE(BoxTextsOf(ride)[PriceSoldBox], QStringLiteral("$1,234.50"));
        QCOMPARE(BoxTextsOf(ride)[SellingDateBox], QString());
    }

    void boxesAreStoredInTheRecordLayout()
    {
        RideBoxTexts boxes = validBoxes();
        boxes[1] = QStringLiteral("19671");
        boxes[7] = QStringLiteral("  Sally ");
        boxes[PurchaseDateBox] = QString();
        boxes[SellingDateBox] = QStringLiteral("01/01/2000 12:00");
        boxes[PricePaidBox] = QStringLiteral("$1,234.50");
        boxes[PriceSoldBox] = QStringLiteral("about 500");
        boxes[27] = QString(RideRecord::NotesWidth + 1, QLatin1Char('n'));
        RideRecord ride;
        ride.RideKey = 40000.5;
        ride.PurchaseDate = 12.0;
        StoreBoxTexts(BoxTextsOf(ride), boxes, QStringLiteral("/pictures/sally.jpg"), ride);

        QCOMPARE(ride.RideKey, 40000.5);
        QCOMPARE(ride.PurchaseDate, 0.0);
        QCOMPARE(ride.SellingDate, 36526.5);
        QCOMPARE(ride.PricePaid, qint64(12345000));
        QCOMPARE(ride.PriceSold, qint64(0));
        QCOMPARE(ride.RideName, QStringLiteral("Sally"));

        // Line breaks of the notes are CR LF in the record, whichever the box gave.
        boxes[RideNotesBox] = QStringLiteral("one\ntwo\r\nthree");
        StoreBoxTexts({}, boxes, QString(), ride);
        QCOMPARE(ride.Notes, QStringLiteral("one\r\ntwo\r\nthree"));
        boxes[RideNotesBox] = QString(RideRecord::NotesWidth + 1, QLatin1Char('n'));
        StoreBoxTexts({}, boxes, QStringLiteral("/pictures/sally.jpg"), ride);

        const QByteArray bytes = encodeRecord(ride);
        QCOMPARE(bytes.mid(8, 4), QByteArray("1967"));
        QCOMPARE(bytes.mid(102, 25), QByteArray("Sally").leftJustified(25, ' '));
        QCOMPARE(bytes.mid(529, 150), QByteArray("/pictures/sally.jpg").leftJustified(150, ' '));
        QCOMPARE(bytes.mid(679), QByteArray(RideRecord::NotesWidth, 'n'));
        // What is stored shows again as typed.
        QCOMPARE(BoxTextsOf(decodeRecord<RideRecord>(bytes))[PricePaidBox], QStringLiteral("$1,234.50"));
    }

    void saveChecksComeInTheirOrder()
    {
        RideBoxTexts boxes = validBoxes();
        QVERIFY(!CheckRideBoxes({}, boxes));

        // A bad purchase date is reported before the missing model.
        boxes[3].clear();
        boxes[PurchaseDateBox] = QStringLiteral("13/45/2001");
        boxes[SellingDateBox] = QStringLiteral("nonsense");
        auto refusal = CheckRideBoxes({}, boxes);
        QVERIFY(refusal);
        QCOMPARE(refusal->message.title, QStringLiteral("Unrecognizable Date"));
        QCOMPARE(refusal->message.text,
                 QStringLiteral("I don't recognize\r\n\r\n   13/45/2001\r\n\r\nas a valid date."));
        QCOMPARE(refusal->tab, 1);
        QCOMPARE(refusal->box, PurchaseDateBox);

        boxes[PurchaseDateBox] = QStringLiteral("03/15/2001");
        refusal = CheckRideBoxes({}, boxes);
        QVERIFY(refusal);
        QCOMPARE(refusal->box, SellingDateBox);

        boxes[SellingDateBox].clear();
        refusal = CheckRideBoxes({}, boxes);
        QVERIFY(refusal);
        QCOMPARE(refusal->message.title, QStringLiteral("Information needed..."));
        QCOMPARE(refusal->tab, 0);
        QCOMPARE(refusal->box, 1);

        boxes[3] = QStringLiteral("Mustang");
        boxes[2] = QStringLiteral("$Killed$");
        refusal = CheckRideBoxes({}, boxes);
        QVERIFY(refusal);
        QVERIFY(refusal->message.text.contains(QStringLiteral("$Killed$")));
        QCOMPARE(refusal->box, 2);
        // A make that merely begins with the marker is an ordinary make.
        boxes[2] = QStringLiteral("$Killed$ Motors");
        QVERIFY(!CheckRideBoxes({}, boxes));

        // A price beyond what the ride file stores is refused, unless the
        // program showed it so.
        boxes[PriceSoldBox] = QStringLiteral("$999,999,999,999,999.00");
        refusal = CheckRideBoxes({}, boxes);
        QVERIFY(refusal);
        QCOMPARE(refusal->message.title, QStringLiteral("Amount Too Large"));
        QCOMPARE(refusal->box, PriceSoldBox);
        QVERIFY(!CheckRideBoxes(boxes, boxes));
    }

    void labelsOfARide()
    {
        RideRecord ride;
        QCOMPARE(RideLabels::DisplayName(ride), QStringLiteral(" "));
        ride.Year = QStringLiteral("1998");
        ride.Make = QStringLiteral("Honda ");
        QCOMPARE(RideLabels::DisplayName(ride), QStringLiteral("1998 Honda"));
        QCOMPARE(RideLabels::MenuLabel(ride), QStringLiteral("1998 Honda "));
        ride.Model = QStringLiteral("Civic");
        QCOMPARE(RideLabels::MenuLabel(ride), QStringLiteral("1998 Honda Civic"));
        ride.RideName = QStringLiteral(" Bumble & Bee ");
        QCOMPARE(RideLabels::DisplayName(ride), QStringLiteral("Bumble & Bee"));
        QCOMPARE(RideLabels::MenuLabel(ride), QStringLiteral("Bumble & Bee"));
        QCOMPARE(RideLabels::RidesOnFileCaption(2), QStringLiteral("Rides that are\ncurrently on file: 2"));
    }

    void picturesAreFittedWithTruncation()
    {
        using PictureFit::FitPicture;
        const auto twips = [](int w, int h) { return QSize(w * 15, h * 15); }; // pixels at 96 DPI
        QCOMPARE(FitPicture(twips(1000, 500), PictureFit::MainBox), QSize(4530, 2265));
        QCOMPARE(FitPicture(twips(500, 1000), PictureFit::MainBox), QSize(2055, 4110));
        QCOMPARE(FitPicture(twips(700, 700), PictureFit::MainBox), QSize(4110, 4110));
        QCOMPARE(FitPicture(twips(1000, 950), PictureFit::MainBox), QSize(4530, 4303));
        QCOMPARE(FitPicture(twips(1000, 999), PictureFit::MainBox), QSize(4530, 4525)); // taller than the box
        QCOMPARE(FitPicture(twips(4000, 3000), PictureFit::LargerBox), QSize(8000, 6000));
        QCOMPARE(FitPicture(twips(3000, 3000), PictureFit::LargerBox), QSize(6000, 6000));
        // Products beyond 32 bits do not overflow.
        QCOMPARE(FitPicture(QSize(2000000, 1000000), PictureFit::MainBox), QSize(4530, 2265));
        QCOMPARE(FitPicture(QSize(), PictureFit::MainBox), QSize());
    }

    void picturesLoadWithTheirNaturalSize()
    {
        QTemporaryDir dir;
        const auto picture = PictureFit::LoadPicture(savedPicture(dir, QSize(1000, 500)));
        QVERIFY(picture);
        QCOMPARE(picture->image.size(), QSize(1000, 500));
        QCOMPARE(picture->twips, QSize(Twips::fromPixelsX(1000), Twips::fromPixelsY(500)));
        if (Twips::logicalDpiX() == 96.0 && Twips::logicalDpiY() == 96.0)
            QCOMPARE(picture->twips, QSize(15000, 7500));

        QFile notAPicture(dir.filePath(QStringLiteral("notes.png")));
        QVERIFY(notAPicture.open(QIODevice::WriteOnly));
        notAPicture.write("not a picture at all");
        notAPicture.close();
        QVERIFY(!PictureFit::LoadPicture(notAPicture.fileName()));
        QVERIFY(!PictureFit::LoadPicture(dir.filePath(QStringLiteral("missing.jpg"))));
        QVERIFY(!PictureFit::LoadPicture(QString()));
    }

    void deletionQuestionNamesTheRide()
    {
        const auto plain = RideMessages::ConfirmRideDelete(QStringLiteral("2001"), QStringLiteral("Ford"),
                                                           QStringLiteral("F150"), QString());
        QCOMPARE(plain.text, QStringLiteral("Are you SURE you want to delete your\r\n\r\n2001 Ford F150\r\n\r\n"
                                            "from your 'Torqal' list?"));
        QCOMPARE(plain.defaultButton, MessageBox::Button::No);
        const auto named = RideMessages::ConfirmRideDelete(QStringLiteral("1967"), QStringLiteral("Ford"),
                                                           QStringLiteral("Mustang"), QStringLiteral("Sally"));
        QCOMPARE(named.text, QStringLiteral("Are you SURE you want to delete your\r\n\r\n1967 Ford Mustang\r\n\r\n"
                                            "(aka  Sally)\r\n\r\nfrom your 'Torqal' list?"));
    }
};

QTEST_MAIN(TestRideValues)
#include "test_ride_values.moc"
