#include "history/CsvPresets.h"

#include "history/CsvPresetColumns.h"
#include "model/EntryExtrasForm.h"

namespace CsvPresets {

namespace {

enum Field { DateField = 0, TextField = 1, AmountField = 2, NotesField = 3 };
enum Extra { OdometerExtra = 0, CostExtra = 1 };

QStringList names(const char *spaced) { return QString::fromLatin1(spaced).split(u' ', Qt::SkipEmptyParts); }

std::vector<CsvPreset> presets()
{
    std::vector<CsvPreset> all;
    all.push_back({QStringLiteral("Generic"), {}});

    // Fuelly's export: one row a fill-up, with fuelup_date, miles (driven
    // since the fill-up before), gallons, price (per gallon), odometer,
    // partial_fuelup and missed_fuelup (0 or 1) and notes among its columns;
    // its columns as the importers of LubeLogger and Hammond name them
    // (docs.lubelogger.com/Records/Fuel%20Records, "Importing from
    // CSV/Fuelly"; github.com/akhilrex/hammond/issues/11). Its date format is
    // not documented: it is decided from the column.
    CsvPresetPart fuelly;
    fuelly.signature = names("fuelupdate miles gallons price");
    fuelly.date = names("fuelupdate");
    fuelly.odometer = names("odometer");
    fuelly.distance = names("miles kilometers kilometres");
    fuelly.fuel = names("gallons litres liters");
    fuelly.unitPrice = names("price");
    fuelly.partial = names("partialfuelup");
    fuelly.missed = names("missedfuelup");
    fuelly.notes = names("notes");
    fuelly.distanceUnit = DistanceUnit::Miles;
    fuelly.fuelUnit = FuelUnit::UsGallons;
    all.push_back({QStringLiteral("Fuelly"), {fuelly}});

    // Fuelio's backup file: sections, each after a row "## Name"; "## Log"
    // holds the fill-ups ("Data" the date, "Odo (km)" or "Odo (mi)", "Fuel
    // (litres)", "Fuel (us gallons)" or "Fuel (imp gallons)", "Full" and
    // "Missed" 1 or 0, "Price (optional)" the total, "Notes (optional)"),
    // "## Costs" the other costs ("CostTitle", "Date", "Odo", "Cost",
    // "Notes"), its odometer in the unit the fill-ups' header names. As
    // Fuelio's converter documents it (github.com/Programistyk/FuelioImport,
    // issue 3).
    CsvPresetPart fuelioLog;
    fuelioLog.section = QStringLiteral("log");
    fuelioLog.signature = names("data odo fuel full missed");
    fuelioLog.date = names("data date");
    fuelioLog.odometer = names("odo");
    fuelioLog.fuel = names("fuel");
    fuelioLog.totalCost = names("price");
    fuelioLog.full = names("full");
    fuelioLog.missed = names("missed");
    fuelioLog.notes = names("notes");
    CsvPresetPart fuelioCosts;
    fuelioCosts.kind = LogKind::Maintenance;
    fuelioCosts.section = QStringLiteral("costs");
    fuelioCosts.signature = names("costtitle date odo cost");
    fuelioCosts.date = names("date data");
    fuelioCosts.odometer = names("odo");
    fuelioCosts.description = names("costtitle");
    fuelioCosts.cost = names("cost");
    fuelioCosts.notes = names("notes");
    all.push_back({QStringLiteral("Fuelio"), {fuelioLog, fuelioCosts}});

    // Drivvo's exports of refuellings ("Odometer (km)", "Date", "Fuel",
    // "Price / L", "Total cost", "Volume", "Full tank?"), of services and of
    // expenses, as its users show them (github.com/akhilrex/hammond/issues/21;
    // Drivvo publishes no description). The units are those the header
    // names; without them, the ride's.
    CsvPresetPart drivvoFuel;
    drivvoFuel.signature = names("odometer date volume fulltank");
    drivvoFuel.date = names("date");
    drivvoFuel.odometer = names("odometer");
    drivvoFuel.fuel = names("volume");
    drivvoFuel.totalCost = names("totalcost");
    drivvoFuel.unitPrice = names("price");
    drivvoFuel.full = names("fulltank");
    drivvoFuel.notes = names("notes note observation");
    CsvPresetPart drivvoService;
    drivvoService.kind = LogKind::Maintenance;
    drivvoService.signature = names("odometer date totalcost typeofservice");
    drivvoService.date = names("date");
    drivvoService.odometer = names("odometer");
    drivvoService.description = names("typeofservice");
    drivvoService.cost = names("totalcost");
    drivvoService.notes = names("notes note observation");
    CsvPresetPart drivvoExpense = drivvoService;
    drivvoExpense.signature = names("odometer date totalcost typeofexpense");
    drivvoExpense.description = names("typeofexpense");
    all.push_back({QStringLiteral("Drivvo"), {drivvoFuel, drivvoService, drivvoExpense}});

    // Spritmonitor's exports, separated by semicolons: fuelings ("Date"
    // day first, DD.MM.YYYY, which decides a date that reads either way, "Odometer", "Trip", "Quantity", "Total price", "Currency",
    // "Type": 0 not counted, 1 full, 2 partial, 3 first fueling, ..., "Note")
    // and costs ("Date", "Odometer", "Costtype", "Title", "Costs", "Note"),
    // numbers without thousands separators, as Spritmonitor describes its
    // export (quoted at github.com/hargata/lubelog/issues/2). The units are
    // not written: they are read as kilometres and litres, the site's own.
    CsvPresetPart spritFuel;
    spritFuel.signature = names("date odometer trip quantity totalprice type");
    spritFuel.date = names("date");
    spritFuel.odometer = names("odometer");
    spritFuel.fuel = names("quantity");
    spritFuel.totalCost = names("totalprice");
    spritFuel.fuelingType = names("type");
    spritFuel.notes = names("note notes");
    spritFuel.dateOrder = CsvValues::DateOrder::DayFirst;
    spritFuel.distanceUnit = DistanceUnit::Kilometres;
    spritFuel.fuelUnit = FuelUnit::Litres;
    CsvPresetPart spritCosts;
    spritCosts.kind = LogKind::Maintenance;
    spritCosts.signature = names("date odometer costtype title");
    spritCosts.date = names("date");
    spritCosts.odometer = names("odometer");
    spritCosts.description = names("title");
    spritCosts.cost = names("costs cost totalprice price");
    spritCosts.notes = names("note notes");
    spritCosts.dateOrder = CsvValues::DateOrder::DayFirst;
    spritCosts.distanceUnit = DistanceUnit::Kilometres;
    all.push_back({QStringLiteral("Spritmonitor"), {spritFuel, spritCosts}});

    // LubeLogger's exports of fuel records ("Date", "Odometer",
    // "FuelConsumed", "Cost", "IsFillToFull", "MissedFuelUp" True or False,
    // "Notes", "Tags") and of service records ("Date", "Odometer",
    // "Description", "Cost", "Notes", "Tags"), as documented at
    // docs.lubelogger.com/Records/Fuel%20Records. The units are the user's
    // setting, not written in the file: the ride's.
    CsvPresetPart lubeFuel;
    lubeFuel.signature = names("date odometer fuelconsumed isfilltofull");
    lubeFuel.date = names("date");
    lubeFuel.odometer = names("odometer");
    lubeFuel.fuel = names("fuelconsumed");
    lubeFuel.totalCost = names("cost");
    lubeFuel.full = names("isfilltofull");
    lubeFuel.missed = names("missedfuelup");
    lubeFuel.notes = names("notes");
    CsvPresetPart lubeService;
    lubeService.kind = LogKind::Maintenance;
    lubeService.signature = names("date odometer description cost tags");
    lubeService.date = names("date");
    lubeService.odometer = names("odometer");
    lubeService.description = names("description");
    lubeService.cost = names("cost");
    lubeService.notes = names("notes");
    all.push_back({QStringLiteral("LubeLogger"), {lubeFuel, lubeService}});
    return all;
}

// How many of the part's signature names its header holds: all of them, or
// none counts.
int fit(const CsvPresetPart &part, const std::vector<CsvRecord> &rows)
{
    const CsvRecord *first = sectionHeader(rows, part.section);
    if (!first)
        return 0;
    const QStringList header = columnNames(first->cells);
    for (const QString &name : part.signature) {
        if (!header.contains(name))
            return 0;
    }
    return int(part.signature.size());
}

// The part of the preset for the log that fits the rows best; the
// maintenance part serves the goodies too.
const CsvPresetPart *partFor(const CsvPreset &preset, LogKind kind, const std::vector<CsvRecord> &rows)
{
    const CsvPresetPart *best = nullptr;
    for (const LogKind wanted : {kind, LogKind::Maintenance}) {
        for (const CsvPresetPart &part : preset.parts) {
            if (part.kind == wanted && (!best || fit(part, rows) > fit(*best, rows)))
                best = &part;
        }
        if (best || kind != LogKind::Goodies)
            break;
    }
    return best;
}

Reading genericReading(const CsvPreset &preset, LogKind kind, const std::vector<CsvRecord> &rows, const QLocale &locale)
{
    Reading reading;
    reading.preset = &preset;
    reading.rows = rows;
    reading.plan = CsvImport::guessPlan(kind, rows, locale);
    CsvImport::Plan &plan = reading.plan;
    // A file of rides in different units names each row's in a column of
    // its own: its header names none.
    if (!plan.hasHeader || columnNames(rows.front().cells).contains(QStringLiteral("units")))
        return reading;
    const QStringList &header = rows.front().cells;
    const int odometer = plan.extraColumns[OdometerExtra];
    if (kind == LogKind::Gas && plan.columns[AmountField] == NoColumn && odometer != NoColumn) {
        plan.columns[AmountField] = odometer;
        CsvImport::decideFormat(rows, plan, AmountField, locale);
        reading.fromReadings = true;
    }
    if (kind == LogKind::Trips || kind == LogKind::Gas)
        reading.distanceUnit = distanceUnitIn(header.value(plan.columns[AmountField]));
    if (kind == LogKind::Gas)
        reading.fuelUnit = fuelUnitIn(header.value(plan.columns[TextField]));
    return reading;
}

} // namespace

const std::vector<CsvPreset> &all()
{
    static const std::vector<CsvPreset> every = presets();
    return every;
}

const CsvPreset *named(const QString &name)
{
    for (const CsvPreset &preset : all()) {
        if (preset.name.compare(name.trimmed(), Qt::CaseInsensitive) == 0)
            return &preset;
    }
    return nullptr;
}

const CsvPreset &recognise(const std::vector<CsvRecord> &rows)
{
    const CsvPreset *best = &all().front();
    int bestFit = 0;
    for (const CsvPreset &preset : all()) {
        for (const CsvPresetPart &part : preset.parts) {
            if (const int score = fit(part, rows); score > bestFit) {
                best = &preset;
                bestFit = score;
            }
        }
    }
    return *best;
}

std::optional<LogKind> logOf(const CsvPreset &preset, const std::vector<CsvRecord> &rows)
{
    if (preset.generic()) {
        if (CsvImport::guessPlan(LogKind::Gas, rows).columns[TextField] != NoColumn)
            return LogKind::Gas;
        return std::nullopt;
    }
    const CsvPresetPart *best = &preset.parts.front();
    for (const CsvPresetPart &part : preset.parts) {
        if (fit(part, rows) > fit(*best, rows))
            best = &part;
    }
    return best->kind;
}

Reading read(const CsvPreset &preset, LogKind kind, const std::vector<CsvRecord> &rows, const QLocale &locale)
{
    const CsvPresetPart *part = partFor(preset, kind, rows);
    if (!part)
        return genericReading(preset, kind, rows, locale);
    Reading reading;
    reading.preset = &preset;
    reading.rows = sectionRows(rows, part->section);
    reading.plan.kind = kind;
    if (reading.rows.empty())
        return reading;
    const QStringList &cells = reading.rows.front().cells;
    const QStringList header = columnNames(cells);
    const auto column = [&](const QStringList &wanted) {
        for (const QString &name : wanted) {
            if (const qsizetype at = header.indexOf(name); at >= 0)
                return int(at);
        }
        return NoColumn;
    };
    CsvImport::Plan &plan = reading.plan;
    plan.hasHeader = true;
    plan.columns[DateField] = column(part->date);
    plan.columns[NotesField] = column(part->notes);
    const int odometer = column(part->odometer);
    if (EntryExtrasForm::hasOdometer(kind))
        plan.extraColumns[OdometerExtra] = odometer;
    if (kind == LogKind::Gas) {
        reading.distance = column(part->distance);
        reading.fromReadings = reading.distance == NoColumn && odometer != NoColumn;
        plan.columns[TextField] = column(part->fuel);
        plan.columns[AmountField] = reading.fromReadings ? odometer : reading.distance;
        plan.extraColumns[CostExtra] = column(part->totalCost);
        reading.unitPrice = column(part->unitPrice);
        reading.full = column(part->full);
        reading.partial = column(part->partial);
        reading.missed = column(part->missed);
        reading.fuelingType = column(part->fuelingType);
        reading.fuelUnit = fuelUnitIn(cells.value(plan.columns[TextField]));
        if (!reading.fuelUnit)
            reading.fuelUnit = fuelUnitIn(cells.value(reading.unitPrice));
        if (!reading.fuelUnit)
            reading.fuelUnit = part->fuelUnit;
    } else {
        plan.columns[TextField] = column(part->description);
        plan.columns[AmountField] = column(part->cost);
    }
    CsvImport::decideFormats(reading.rows, plan, locale);
    if (part->dateOrder && plan.columns[DateField] != NoColumn
        && !CsvValues::dateEvidence(CsvImport::columnCells(reading.rows, plan, plan.columns[DateField])).needed())
        plan.dateOrder = *part->dateOrder;
    reading.distanceUnit = distanceUnitIn(cells.value(odometer));
    if (!reading.distanceUnit)
        reading.distanceUnit = distanceUnitIn(cells.value(reading.distance));
    if (!reading.distanceUnit && !part->section.isEmpty())
        reading.distanceUnit = sectionsDistanceUnit(rows, part->odometer);
    if (!reading.distanceUnit)
        reading.distanceUnit = part->distanceUnit;
    return reading;
}

} // namespace CsvPresets
