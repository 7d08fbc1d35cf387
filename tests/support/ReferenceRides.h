#pragma once

// The reference rides: a data folder with the cases on which what a ride
// shows, prints or adds up can go wrong, for the tests that compare the
// program's printouts and figures over it. Written into the working folder:
//
// 1. A ride with every field empty: no picture and no entry in any log.
// 2. A ride with every field filled to its width, the largest price a file
//    can hold and a negative one, notes that wrap and run over a page, and a
//    picture in the data folder's Pictures folder. Its maintenance log holds
//    the largest amount a file can hold, a negative amount, notes that run
//    over a page and enough entries for its list to run over a page; its
//    goodies log is empty; its trips hold the largest and a negative number
//    of miles and an undated trip; among its gasoline entries is one an older
//    program left marked deleted, and a fill-up of no gallons.
// 3. A ride whose picture file is missing, with a few plain entries in every
//    log, standing in the files among those of ride 2.

#include "data/DataTestSupport.h"
#include "data/DateValue.h"

#include <QImage>

#include <limits>

namespace ReferenceRides {

inline constexpr double BlankRideKey = 39800.25;
inline constexpr double FullRideKey = 39850.5;
inline constexpr double MissingPictureRideKey = 39900.75;
// Entries enough for the maintenance list of ride 2 to run over a page.
inline constexpr int RoutineServices = 45;

namespace Detail {

inline double day(int year, int month, int dayOfMonth)
{
    return DateValue::fromDateTime(QDate(year, month, dayOfMonth));
}

// The text repeated to fill a field of the width.
inline QString filled(const QString &text, int width)
{
    QString result;
    while (result.size() < width)
        result += text + u' ';
    return result.left(width);
}

// A paragraph longer than a printed line, a word longer than a line, then
// numbered lines enough to run over a page, CR LF between lines.
inline QString longNotes(const QString &of, int lines)
{
    QStringList notes{filled(QStringLiteral("These notes on %1 run on without a break so that they wrap.").arg(of), 600),
                      QString(),
                      QString(110, u'W'),
                      QString()};
    for (int line = 1; line <= lines; ++line)
        notes << QStringLiteral("Line %1 of the notes on %2.").arg(line).arg(of);
    return notes.join(QStringLiteral("\r\n"));
}

inline ExpenseRecord expense(double ride, double date, const QString &description, qint64 cost, const QString &notes = {})
{
    return {ride, date, description, cost, notes};
}

inline TripRecord trip(double ride, double date, const QString &description, qint32 miles, const QString &notes = {})
{
    return {ride, date, description, miles, notes};
}

inline GasRecord gas(double ride, double date, float gallons, qint32 miles, const QString &notes = {})
{
    return {ride, date, gallons, miles, notes};
}

inline RideRecord fullRide()
{
    RideRecord r;
    r.RideKey = FullRideKey;
    r.Year = QStringLiteral("1999");
    r.Make = filled(QStringLiteral("Reference Motorworks"), RideRecord::MakeWidth);
    r.Model = filled(QStringLiteral("Grand Tourer"), RideRecord::ModelWidth);
    r.Style = filled(QStringLiteral("Coupe"), RideRecord::StyleWidth);
    r.Color = filled(QStringLiteral("Midnight Blue"), RideRecord::ColorWidth);
    r.LicenseStateType = filled(QStringLiteral("Ohio Classic"), RideRecord::LicenseStateTypeWidth);
    r.RideName = filled(QStringLiteral("The Longest Name Possible"), RideRecord::RideNameWidth);
    r.PurchaseDate = day(1999, 4, 30);
    r.PurchasedFrom = filled(QStringLiteral("Sunset Garage"), RideRecord::PurchasedFromWidth);
    r.PurchaseAddress = filled(QStringLiteral("1200 Long Road"), RideRecord::PurchaseAddressWidth);
    r.PurchaseCityStateZip = filled(QStringLiteral("Springfield OH 45501"), RideRecord::PurchaseCityStateZipWidth);
    r.PurchasePhone = filled(QStringLiteral("(555) 010-2000"), RideRecord::PurchasePhoneWidth);
    r.PricePaid = std::numeric_limits<qint64>::max();
    r.SellingDate = day(2008, 11, 2);
    r.SoldTo = filled(QStringLiteral("A. Buyer"), RideRecord::SoldToWidth);
    r.SoldToAddress = filled(QStringLiteral("7 Short Street"), RideRecord::SoldToAddressWidth);
    r.SoldToCityStateZip = filled(QStringLiteral("Dayton OH 45402"), RideRecord::SoldToCityStateZipWidth);
    r.SoldToPhone = filled(QStringLiteral("(555) 010-3000"), RideRecord::SoldToPhoneWidth);
    r.PriceSold = -12345678901LL;
    r.InsuranceCompany = filled(QStringLiteral("Mutual Reference"), RideRecord::InsuranceCompanyWidth);
    r.InsurancePolicy = filled(QStringLiteral("POL-0001"), RideRecord::InsurancePolicyWidth);
    r.TitleNumber = filled(QStringLiteral("T-42"), RideRecord::TitleNumberWidth);
    r.VIN = filled(QStringLiteral("1HGCM82633A004352"), RideRecord::VINWidth);
    r.EngineSerial = filled(QStringLiteral("ENG-77"), RideRecord::EngineSerialWidth);
    r.PaintCode = filled(QStringLiteral("B-12"), RideRecord::PaintCodeWidth);
    r.KeyCode = filled(QStringLiteral("K9"), RideRecord::KeyCodeWidth);
    r.PicturePath = QStringLiteral("Pictures/Reference.png");
    r.Notes = longNotes(QStringLiteral("the ride"), 40);
    return r;
}

inline RideRecord missingPictureRide()
{
    RideRecord r;
    r.RideKey = MissingPictureRideKey;
    r.Year = QStringLiteral("2004");
    r.Make = QStringLiteral("Subaru");
    r.Model = QStringLiteral("Outback");
    r.Color = QStringLiteral("Green");
    r.PicturePath = QStringLiteral("Pictures/Gone.png");
    r.Notes = QStringLiteral("Bought for the winters.");
    return r;
}

// A picture of its own pixels, the same on every machine.
inline void writePicture(const QString &path)
{
    QImage picture(320, 200, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x * 255 / 319, y * 255 / 199, (x + y) % 256));
    }
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QVERIFY(picture.save(path));
}

} // namespace Detail

inline void write()
{
    using namespace Detail;
    using DataTest::writeFileOf;
    constexpr double Full = FullRideKey;
    constexpr double Other = MissingPictureRideKey;
    RideRecord blank;
    blank.RideKey = BlankRideKey;
    writeFileOf<RideRecord>(QStringLiteral("Torqal.Dat"), {blank, fullRide(), missingPictureRide()});
    writePicture(QStringLiteral("Pictures/Reference.png"));

    QList<ExpenseRecord> maintenance{
        expense(Full, day(2009, 1, 10), QStringLiteral("Largest amount a file holds"),
                std::numeric_limits<qint64>::max(), longNotes(QStringLiteral("the repair"), 40)),
        expense(Other, day(2008, 12, 1), QStringLiteral("Oil and filter"), 349900, QStringLiteral("5W-30")),
        expense(Full, day(2009, 1, 10), QStringLiteral("Refund of a part"), -1255000, QStringLiteral("Returned unused.")),
    };
    for (int service = 1; service <= RoutineServices; ++service)
        maintenance << expense(Full, day(2005, 1, 1) + 30 * service, QStringLiteral("Routine service %1").arg(service),
                               100000LL * service);
    writeFileOf(QStringLiteral("Maint.Dat"), maintenance);

    writeFileOf<ExpenseRecord>(QStringLiteral("Goody.Dat"),
                               {expense(Other, day(2008, 12, 24), QStringLiteral("Roof box"), 4999900),
                                expense(Other, day(2008, 12, 24), QStringLiteral("Floor mats"), 899500,
                                        QStringLiteral("Rubber, for the snow."))});

    writeFileOf<TripRecord>(QStringLiteral("Trip.Dat"),
                            {trip(Full, day(2009, 2, 1), QStringLiteral("Around the world, many times"),
                                  std::numeric_limits<qint32>::max()),
                             trip(Other, day(2009, 1, 3), QStringLiteral("Ski weekend"), 412, QStringLiteral("Snow chains needed.")),
                             trip(Full, day(2009, 2, 2), QStringLiteral("Odometer correction"), -250),
                             trip(Full, 0, QStringLiteral("Undated trip"), 12)});

    GasRecord marked = gas(Full, day(2009, 1, 20), 99.0f, 9999, QStringLiteral("Counted by nobody"));
    Mark(marked);
    writeFileOf<GasRecord>(QStringLiteral("Gas.Dat"),
                           {gas(Full, day(2009, 1, 5), 12.5f, 300, QStringLiteral("First fill-up")),
                            gas(Other, day(2009, 1, 6), 14.2f, 388),
                            marked,
                            gas(Full, day(2009, 2, 5), 123456.75f, std::numeric_limits<qint32>::max(), QStringLiteral("Large")),
                            gas(Full, day(2009, 3, 1), -3.5f, -100, QStringLiteral("Negative correction")),
                            gas(Full, day(2009, 3, 10), 0.0f, 250, QStringLiteral("No gallons")),
                            gas(Other, day(2009, 2, 6), 13.9f, 401, QStringLiteral("Full tank"))});
}

} // namespace ReferenceRides
