#include "DemoRides.h"

#include "data/DateValue.h"
#include "platform/LineBreaks.h"

#include <QStringList>

#include <cmath>
#include <optional>

namespace {

// A date `daysAgo` days before the day the demo is made.
class Calendar
{
public:
    explicit Calendar(QDate today) : m_today(today) {}
    double daysAgo(int days, QTime time = QTime(0, 0)) const { return DateValue::fromDateTime(date(days), time); }
    QDate date(int daysAgo) const { return m_today.addDays(-daysAgo); }

private:
    QDate m_today;
};

qint64 dollars(double amount) { return std::llround(amount * 10000.0); }

// Notes keep their line breaks as CR LF, as the program's notes boxes do.
QString lines(const QStringList &paragraphs) { return paragraphs.join(CrLf); }

struct Expense
{
    int daysAgo;
    const char *description;
    double cost;
    QStringList notes;
};

struct Trip
{
    int daysAgo;
    const char *description;
    qint32 miles;
    QStringList notes;
};

struct FillUp
{
    int daysAgo;
    float gallons;
    qint32 miles;
    const char *notes;
};

// A reminder due once, on `daysAgo` days before the demo is made (negative
// for days after) and/or at miles.
struct Once
{
    const char *description;
    std::optional<int> daysAgo;
    qint64 miles;
};

// A reminder due every so many months and/or miles, last done `daysAgo` days
// before the demo is made, at `doneAtMiles` of the ride's gasoline log.
struct Every
{
    const char *description;
    int months;
    qint64 miles;
    int daysAgo;
    qint64 doneAtMiles;
};

class RideBuilder
{
public:
    RideBuilder(const Calendar &calendar, DemoRide &ride) : m_calendar(calendar), m_ride(ride) {}

    void maintenance(std::initializer_list<Expense> entries) { addExpenses(m_ride.maintenance, entries); }
    void goodies(std::initializer_list<Expense> entries) { addExpenses(m_ride.goodies, entries); }

    void trips(std::initializer_list<Trip> entries)
    {
        for (const Trip &entry : entries) {
            TripRecord record;
            record.RideKey = m_ride.ride.RideKey;
            record.EntryDate = m_calendar.daysAgo(entry.daysAgo);
            record.Description = QString::fromUtf8(entry.description);
            record.Miles = entry.miles;
            record.Notes = lines(entry.notes);
            m_ride.trips << record;
        }
    }

    void reminders(std::initializer_list<Once> once, std::initializer_list<Every> every)
    {
        for (const Once &entry : once) {
            Reminder reminder = newReminder(entry.description);
            if (entry.daysAgo)
                reminder.onDate = m_calendar.date(*entry.daysAgo);
            reminder.atMiles = entry.miles;
            m_ride.reminders << reminder;
        }
        for (const Every &entry : every) {
            Reminder reminder = newReminder(entry.description);
            reminder.repeating = true;
            reminder.everyMonths = entry.months;
            reminder.everyMiles = entry.miles;
            reminder.lastDoneDate = m_calendar.date(entry.daysAgo);
            reminder.lastDoneMiles = entry.doneAtMiles;
            m_ride.reminders << reminder;
        }
    }

    void gas(std::initializer_list<FillUp> entries)
    {
        for (const FillUp &entry : entries) {
            GasRecord record;
            record.RideKey = m_ride.ride.RideKey;
            record.EntryDate = m_calendar.daysAgo(entry.daysAgo);
            record.Gallons = entry.gallons;
            record.Miles = entry.miles;
            record.Notes = QString::fromUtf8(entry.notes);
            m_ride.gas << record;
        }
    }

private:
    void addExpenses(QList<ExpenseRecord> &log, std::initializer_list<Expense> entries)
    {
        for (const Expense &entry : entries) {
            ExpenseRecord record;
            record.RideKey = m_ride.ride.RideKey;
            record.EntryDate = m_calendar.daysAgo(entry.daysAgo);
            record.Description = QString::fromUtf8(entry.description);
            record.Cost = dollars(entry.cost);
            record.Notes = lines(entry.notes);
            log << record;
        }
    }

    Reminder newReminder(const char *description) const
    {
        Reminder reminder;
        reminder.rideKey = m_ride.ride.RideKey;
        reminder.description = QString::fromUtf8(description);
        return reminder;
    }

    const Calendar &m_calendar;
    DemoRide &m_ride;
};

DemoRide car(const Calendar &calendar)
{
    DemoRide demo{DemoPicture::Car, QStringLiteral("Blue Heron.png"), {}, {}, {}, {}, {}, {}};
    RideRecord &r = demo.ride;
    r.RideKey = calendar.daysAgo(196, QTime(19, 42, 7));
    r.Year = QStringLiteral("2019");
    r.Make = QStringLiteral("Subaru");
    r.Model = QStringLiteral("Outback");
    r.Style = QStringLiteral("Wagon");
    r.Color = QStringLiteral("Abyss Blue");
    r.LicenseStateType = QStringLiteral("8KQT214 / OR / Passenger");
    r.RideName = QStringLiteral("Blue Heron");
    r.PurchaseDate = calendar.daysAgo(1282);
    r.PurchasedFrom = QStringLiteral("Willamette Valley Motors");
    r.PurchaseAddress = QStringLiteral("2450 Gateway Street");
    r.PurchaseCityStateZip = QStringLiteral("Springfield, OR 97477");
    r.PurchasePhone = QStringLiteral("(541) 555-0142");
    r.PricePaid = dollars(27450.00);
    r.InsuranceCompany = QStringLiteral("Cascade Mutual Insurance");
    r.InsurancePolicy = QStringLiteral("CMI-4471-20988");
    r.TitleNumber = QStringLiteral("OR 9912 4470 18");
    r.VIN = QStringLiteral("4S4BSANC5K3281764");
    r.EngineSerial = QStringLiteral("FB25-K0917733");
    r.PaintCode = QStringLiteral("K7X");
    r.KeyCode = QStringLiteral("X7114");
    r.Notes = lines({QStringLiteral("Bought with 11,200 miles on it, one owner, full dealer service history."),
                     QString(),
                     QStringLiteral("Tyres: 225/65 R17, rotate every 6,000 miles."),
                     QStringLiteral("Oil: 0W-20 synthetic, 5.1 quarts with the filter."),
                     QStringLiteral("Spare key lives in the kitchen drawer.")});

    RideBuilder entries(calendar, demo);
    entries.maintenance({
        {171, "Oil and filter change, tyre rotation", 89.95, {QStringLiteral("Quick Lube on Main Street."), QStringLiteral("Next change due at 49,300 miles.")}},
        {128, "Replaced wiper blades", 42.18, {QStringLiteral("Front pair, 26 and 17 inch.")}},
        {93, "State emissions test", 25.00, {QStringLiteral("Passed. Certificate in the glove box.")}},
        {61, "Front brake pads and rotors", 412.60, {QStringLiteral("Pads were down to 3 mm."), QStringLiteral("Shop: Eastside Auto Care, 12-month warranty on parts and labour.")}},
        {12, "Oil and filter change, cabin air filter", 118.40, {QStringLiteral("Cabin filter was full of pine needles after the coast trip.")}},
    });
    entries.goodies({
        {150, "All-weather floor mats", 129.99, {QStringLiteral("Front and rear set, the rubber ones with deep grooves.")}},
        {104, "Roof cargo box, 16 cubic feet", 549.00, {QStringLiteral("Fits the skis. Keys for the lock are on the spare key ring.")}},
        {40, "Dash camera with rear camera", 189.50, {QStringLiteral("Wired to the fuse box so it records while parked.")}},
    });
    entries.trips({
        {137, "Spring break at the coast, Newport and Yachats", 412, {QStringLiteral("Three days, stayed at the Yachats inn."), QStringLiteral("Roof box full of camping gear.")}},
        {77, "Crater Lake day trip", 298, {QStringLiteral("Rim Drive was open all the way round.")}},
        {26, "Visiting Mom in Boise", 836, {QStringLiteral("Round trip through the Blue Mountains."), QStringLiteral("32.6 mpg on the highway with the roof box off.")}},
    });
    entries.gas({
        {178, 13.42f, 371, "Costco, regular"},
        {164, 12.87f, 352, ""},
        {149, 14.10f, 389, "Long highway stretch"},
        {137, 13.95f, 402, "Before the coast trip"},
        {122, 12.60f, 338, ""},
        {106, 13.28f, 361, "Winter blend"},
        {90, 11.97f, 327, ""},
        {77, 14.02f, 410, "Crater Lake"},
        {63, 13.15f, 356, ""},
        {48, 12.74f, 349, ""},
        {26, 15.21f, 468, "Boise, mostly highway"},
        {9, 13.36f, 364, "Costco, regular"},
    });
    // 4,487 miles in the gasoline log: the tyre rotation comes due within days.
    entries.reminders({{"Registration renewal", -40, 0}},
                      {{"Tyre rotation", 6, 6000, 171, 0}, {"Oil and filter change", 6, 5000, 12, 4123}});
    return demo;
}

DemoRide motorcycle(const Calendar &calendar)
{
    DemoRide demo{DemoPicture::Motorcycle, QStringLiteral("Red Rover.png"), {}, {}, {}, {}, {}, {}};
    RideRecord &r = demo.ride;
    r.RideKey = calendar.daysAgo(195, QTime(20, 5, 31));
    r.Year = QStringLiteral("2016");
    r.Make = QStringLiteral("Honda");
    r.Model = QStringLiteral("CB500X");
    r.Style = QStringLiteral("Adventure");
    r.Color = QStringLiteral("Candy Red");
    r.LicenseStateType = QStringLiteral("3MC482 / OR / Motorcycle");
    r.RideName = QStringLiteral("Red Rover");
    r.PurchaseDate = calendar.daysAgo(2011);
    r.PurchasedFrom = QStringLiteral("Dave Whitaker (private sale)");
    r.PurchaseAddress = QStringLiteral("88 Alder Lane");
    r.PurchaseCityStateZip = QStringLiteral("Eugene, OR 97401");
    r.PurchasePhone = QStringLiteral("(541) 555-0187");
    r.PricePaid = dollars(5200.00);
    r.InsuranceCompany = QStringLiteral("Cascade Mutual Insurance");
    r.InsurancePolicy = QStringLiteral("CMI-4471-31502");
    r.TitleNumber = QStringLiteral("OR 7730 1152 64");
    r.VIN = QStringLiteral("MLHPC4617G5200318");
    r.EngineSerial = QStringLiteral("PC46E-2200719");
    r.PaintCode = QStringLiteral("R-350C");
    r.KeyCode = QStringLiteral("H4521");
    r.Notes = lines({QStringLiteral("Crash bars and a taller windscreen came with it."),
                     QStringLiteral("Chain: 520 x 108 links. Chain slack 35 to 45 mm."),
                     QStringLiteral("Tyre pressure 33 psi front, 36 psi rear (two-up 42).")});

    RideBuilder entries(calendar, demo);
    entries.maintenance({
        {160, "New chain and sprockets", 286.75, {QStringLiteral("DID X-ring chain, steel sprockets."), QStringLiteral("Old chain had tight spots.")}},
        {84, "Oil change and chain adjustment", 64.20, {QStringLiteral("10W-30, 3.4 quarts with the filter.")}},
        {33, "New rear tyre", 176.00, {QStringLiteral("Michelin Road 5, 160/60 R17.")}},
        {11, "Brake fluid flush", 55.00, {QStringLiteral("DOT 4, front and rear.")}},
    });
    entries.goodies({
        {142, "Heated grips", 149.95, {QStringLiteral("Five heat settings. Worth every cent in March.")}},
        {118, "Tank bag", 89.00, {QStringLiteral("Magnetic, with a clear map pocket.")}},
        {55, "LED auxiliary lights", 219.99, {QStringLiteral("Wired through a relay to the high-beam switch.")}},
    });
    entries.trips({
        {101, "McKenzie Pass loop", 184, {QStringLiteral("Lava fields at the top, snow still at the sides of the road.")}},
        {47, "Three days around the Olympic Peninsula", 912, {QStringLiteral("Camped at Kalaloch. Rain on the second day.")}},
    });
    entries.gas({
        {158, 3.41f, 181, ""},
        {141, 3.62f, 192, "Heated grips on all the way"},
        {126, 3.18f, 170, ""},
        {101, 3.77f, 205, "McKenzie Pass"},
        {83, 3.05f, 162, ""},
        {47, 3.88f, 214, "Olympic trip, day 1"},
        {45, 3.72f, 208, "Olympic trip, day 3"},
        {30, 3.29f, 176, ""},
        {6, 3.46f, 184, ""},
    });
    // 1,692 miles: the chain is due within 240 miles, the inspection overdue.
    entries.reminders({{"Safety inspection", 5, 0}},
                      {{"Chain clean and lube", 0, 600, 33, 1332}, {"Oil change", 12, 4000, 84, 748}});
    return demo;
}

DemoRide atv(const Calendar &calendar)
{
    DemoRide demo{DemoPicture::Atv, QStringLiteral("Mud Puppy.png"), {}, {}, {}, {}, {}, {}};
    RideRecord &r = demo.ride;
    r.RideKey = calendar.daysAgo(189, QTime(9, 16, 54));
    r.Year = QStringLiteral("2021");
    r.Make = QStringLiteral("Polaris");
    r.Model = QStringLiteral("Sportsman 570");
    r.Style = QStringLiteral("Utility 4x4");
    r.Color = QStringLiteral("Sage Green");
    r.LicenseStateType = QStringLiteral("ATV 55172 / OR / Off-Road");
    r.RideName = QStringLiteral("Mud Puppy");
    r.PurchaseDate = calendar.daysAgo(840);
    r.PurchasedFrom = QStringLiteral("Lane County Powersports");
    r.PurchaseAddress = QStringLiteral("1120 Highway 99 North");
    r.PurchaseCityStateZip = QStringLiteral("Eugene, OR 97402");
    r.PurchasePhone = QStringLiteral("(541) 555-0163");
    r.PricePaid = dollars(8899.00);
    r.SellingDate = 0;
    r.InsuranceCompany = QStringLiteral("Timberline Off-Road Insurance");
    r.InsurancePolicy = QStringLiteral("TOR-20-778413");
    r.TitleNumber = QStringLiteral("OR 5521 0093 37");
    r.VIN = QStringLiteral("4XASEE573MA411562");
    r.EngineSerial = QStringLiteral("3070822-5761");
    r.PaintCode = QStringLiteral("SG-21");
    r.KeyCode = QStringLiteral("P3308");
    r.Notes = lines({QStringLiteral("Used on the farm and on the Sand Lake trails."),
                     QStringLiteral("Off-road permit sticker renews every two years in January."),
                     QStringLiteral("Winch: 2,500 lb, synthetic rope.")});

    RideBuilder entries(calendar, demo);
    entries.maintenance({
        {120, "Air filter cleaned and oiled", 0.00, {QStringLiteral("Did it myself. Foam filter was caked with dust.")}},
        {67, "CV boot replaced, front left", 138.90, {QStringLiteral("Torn on a stump.")}},
        {19, "Oil change, 2.5 quarts", 38.45, {QStringLiteral("Polaris PS-4 5W-50.")}},
    });
    entries.goodies({
        {133, "Rear cargo box", 324.99, {QStringLiteral("Holds the chainsaw and the fence tools.")}},
        {71, "Snow plough blade, 60 inch", 489.00, {QStringLiteral("Mount stays on; the blade comes off with two pins.")}},
    });
    entries.trips({
        {112, "Sand Lake dunes weekend", 64, {QStringLiteral("Flag and whip required. Aired the tyres down to 4 psi.")}},
        {52, "Fence line check, north pasture", 18, {QStringLiteral("Two posts to replace near the creek.")}},
    });
    entries.gas({
        {124, 4.12f, 83, "Farm use"},
        {112, 4.40f, 79, "Dunes, lots of throttle"},
        {90, 3.86f, 81, ""},
        {58, 4.05f, 86, ""},
        {35, 3.71f, 77, "Ploughing the drive"},
        {14, 3.94f, 84, ""},
    });
    // The air filter is a month overdue.
    entries.reminders({{"Off-road permit renewal", -75, 0}}, {{"Air filter cleaned and oiled", 3, 0, 120, 0}});
    return demo;
}

} // namespace

QList<DemoRide> demoRides(QDate today)
{
    const Calendar calendar(today);
    return {car(calendar), motorcycle(calendar), atv(calendar)};
}
