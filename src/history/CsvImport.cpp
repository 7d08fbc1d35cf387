#include "history/CsvImport.h"

#include "data/Cp1252.h"
#include "model/EntryExtrasForm.h"
#include "model/LogEntryForm.h"
#include "model/LogEntryRecords.h"
#include "model/LogKindInfo.h"
#include "platform/LineBreaks.h"
#include "platform/ValueFormats.h"

#include <cmath>
#include <optional>

using namespace ValueFormats;

namespace CsvImport {

namespace {

enum Field { DateField = 0, TextField = 1, AmountField = 2, NotesField = 3 };

// Lower-case letters only: "Brief Description" and "brief_description" are
// the same name.
QString normalised(const QString &name)
{
    QString letters;
    for (const QChar c : name) {
        if (c.isLetter())
            letters += c.toLower();
    }
    return letters;
}

QStringList namesFor(LogKind kind, int field)
{
    switch (field) {
    case DateField:
        return {QStringLiteral("date"), QStringLiteral("day"), QStringLiteral("when")};
    case TextField:
        if (kind == LogKind::Gas)
            return {QStringLiteral("gallons"), QStringLiteral("gal"), QStringLiteral("fuel"), QStringLiteral("litres"),
                    QStringLiteral("liters"), QStringLiteral("impgallons")};
        return {QStringLiteral("description"), QStringLiteral("briefdescription"), QStringLiteral("item"),
                QStringLiteral("what")};
    case AmountField:
        if (kind == LogKind::Maintenance || kind == LogKind::Goodies)
            return {QStringLiteral("cost"), QStringLiteral("amount"), QStringLiteral("price")};
        return {QStringLiteral("miles"), QStringLiteral("mileage"), QStringLiteral("distance"),
                QStringLiteral("milesmpg"), QStringLiteral("kilometres"), QStringLiteral("kilometers"), QStringLiteral("km")};
    default:
        return {QStringLiteral("notes"), QStringLiteral("note"), QStringLiteral("comments"), QStringLiteral("memo")};
    }
}

// Notes are stored with CR LF between lines, whichever line breaks the CSV
// file used inside its quoted cells.
QString notesAsStored(QString notes)
{
    notes.replace(CrLf, QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return notes.replace(QLatin1Char('\n'), CrLf);
}

int columnNaming(const QStringList &header, const QStringList &names)
{
    for (int column = 0; column < header.size(); ++column) {
        if (names.contains(normalised(header.at(column))))
            return column;
    }
    return NoColumn;
}

// Whether the files can hold the text as it stands.
std::optional<QString> storableProblem(const QString &text, int width, bool multiLine, const QString &what)
{
    for (const char32_t c : text.toUcs4()) {
        const bool lineBreakOrTab = c == U'\r' || c == U'\n' || c == U'\t';
        if ((c < 0x20 || c == 0x7F) && !(multiLine && lineBreakOrTab))
            return QStringLiteral("the %1 hold a control character").arg(what);
        if (c != U'?' && Cp1252::encodeChar(c) == '?')
            return QStringLiteral("the %1 hold \"%2\", which the data files cannot store")
                .arg(what, QString::fromUcs4(&c, 1));
    }
    if (text.size() > width)
        return QStringLiteral("the %1 are longer than %2 characters").arg(what).arg(width);
    return std::nullopt;
}

std::optional<double> readNumber(const QString &text, const QLocale &locale)
{
    if (std::optional<double> number = numberFromText(text, QLocale::c()))
        return number;
    return numberFromText(text, locale);
}

std::optional<Money> readMoney(const QString &text, const QLocale &locale)
{
    if (std::optional<Money> amount = moneyFromText(text, QLocale::c()))
        return amount;
    return moneyFromText(text, locale);
}

int widthOfText(LogKind kind)
{
    return kind == LogKind::Trips ? TripRecord::DescriptionWidth : ExpenseRecord::DescriptionWidth;
}

enum ExtraColumn { OdometerColumn = 0, CostColumn = 1, PartialColumn = 2, MissedColumn = 3 };

// A check box's cell: empty or "no" for unticked, "yes" for ticked, and
// the other ways spreadsheets write them.
std::optional<bool> readTick(const QString &cell)
{
    const QString text = cell.trimmed().toLower();
    if (text.isEmpty() || text == u"no" || text == u"false" || text == u"0" || text == u"n")
        return false;
    if (text == u"yes" || text == u"true" || text == u"1" || text == u"y" || text == u"x")
        return true;
    return std::nullopt;
}

// The extras of the row, or why they cannot be read.
std::optional<QString> readExtras(const CsvRecord &row, const Plan &plan, EntryExtras &extras)
{
    const auto cell = [&](ExtraColumn column) {
        const int at = plan.extraColumns[std::size_t(column)];
        return at == NoColumn ? QString() : row.cells.value(at);
    };
    EntryExtrasForm::Boxes boxes{cell(OdometerColumn), cell(CostColumn), false, false};
    for (const auto &[column, tick] : {std::pair{PartialColumn, &boxes.partial}, std::pair{MissedColumn, &boxes.missed}}) {
        const std::optional<bool> ticked = readTick(cell(column));
        if (!ticked)
            return QStringLiteral("\"%1\" is neither yes nor no").arg(cell(column));
        *tick = *ticked;
    }
    if (const auto problem = EntryExtrasForm::read(boxes, extras))
        return problem->message;
    return std::nullopt;
}

// Adds the row's entry, or says why it cannot be one.
std::optional<QString> readEntry(const EntryFields &fields, LogKind kind, double rideKey, const QLocale &locale,
                                 Entries &entries)
{
    if (const auto problem = LogEntryForm::check(kind, fields))
        return QString(problem->message).replace(CrLf, QStringLiteral(" "));
    const int notesWidth = logKindInfo(kind).notesWidth;
    if (auto problem = storableProblem(fields[NotesField], notesWidth, true, QStringLiteral("notes")))
        return problem;
    if (kind == LogKind::Gas) {
        entries.gas.push_back(gasFromFields(rideKey, fields));
        return std::nullopt;
    }
    if (auto problem = storableProblem(trimBlanks(fields[TextField]), widthOfText(kind), false,
                                       QStringLiteral("description")))
        return problem;
    const QString amount = trimBlanks(fields[AmountField]);
    if (kind == LogKind::Trips) {
        const std::optional<double> miles = amount.isEmpty() ? 0.0 : readNumber(amount, locale);
        if (!miles || std::abs(*miles) > 2147483647.0)
            return QStringLiteral("\"%1\" is no number of miles").arg(amount);
        TripRecord trip = tripFromFields(rideKey, fields);
        trip.Miles = roundToInt32(*miles);
        entries.trips.push_back(trip);
        return std::nullopt;
    }
    const std::optional<Money> cost = amount.isEmpty() ? Money(0) : readMoney(amount, locale);
    if (!cost)
        return QStringLiteral("\"%1\" is no amount of money").arg(amount);
    ExpenseRecord expense = expenseFromFields(rideKey, fields);
    expense.Cost = *cost;
    entries.expenses.push_back(expense);
    return std::nullopt;
}

} // namespace

QStringList fieldNames(LogKind kind)
{
    const QString amount = kind == LogKind::Maintenance || kind == LogKind::Goodies ? QStringLiteral("Cost")
                                                                                    : QStringLiteral("Miles");
    const QString text = kind == LogKind::Gas ? QStringLiteral("Gallons") : QStringLiteral("Description");
    return {QStringLiteral("Date"), text, amount, QStringLiteral("Notes")};
}

Plan guessPlan(LogKind kind, const std::vector<CsvRecord> &rows)
{
    Plan plan;
    plan.kind = kind;
    const QStringList header = rows.empty() ? QStringList() : rows.front().cells;
    for (int field = 0; field < 4; ++field)
        plan.columns[std::size_t(field)] = columnNaming(header, namesFor(kind, field));
    plan.hasHeader = std::any_of(plan.columns.begin(), plan.columns.end(), [](int c) { return c != NoColumn; });
    if (!plan.hasHeader) {
        for (int field = 0; field < 4; ++field)
            plan.columns[std::size_t(field)] = field < header.size() ? field : NoColumn;
        return plan;
    }
    plan.rideColumn = columnNaming(header, {QStringLiteral("ride")});
    plan.ride = ridesOf(rows, plan).value(0);
    if (EntryExtrasForm::hasOdometer(kind))
        plan.extraColumns[OdometerColumn] = columnNaming(header, {QStringLiteral("odometer"), QStringLiteral("odo")});
    if (EntryExtrasForm::hasFillUpBoxes(kind)) {
        plan.extraColumns[CostColumn] = columnNaming(header, {QStringLiteral("cost")});
        plan.extraColumns[PartialColumn] = columnNaming(header, {QStringLiteral("partial")});
        plan.extraColumns[MissedColumn] = columnNaming(header, {QStringLiteral("missed")});
    }
    return plan;
}

QStringList ridesOf(const std::vector<CsvRecord> &rows, const Plan &plan)
{
    QStringList rides;
    if (plan.rideColumn == NoColumn)
        return rides;
    for (std::size_t i = plan.hasHeader ? 1 : 0; i < rows.size(); ++i) {
        const QString ride = rows[i].cells.value(plan.rideColumn).trimmed();
        if (rows[i].problem.isEmpty() && !rides.contains(ride))
            rides.append(ride);
    }
    return rides;
}

std::array<QString, 4> fieldTexts(const CsvRecord &row, const Plan &plan)
{
    std::array<QString, 4> texts;
    for (std::size_t field = 0; field < texts.size(); ++field) {
        const int column = plan.columns[field];
        if (column != NoColumn)
            texts[field] = row.cells.value(column);
    }
    return texts;
}

Entries readEntries(const std::vector<CsvRecord> &rows, const Plan &plan, double rideKey, const QLocale &locale)
{
    Entries entries;
    for (std::size_t i = plan.hasHeader ? 1 : 0; i < rows.size(); ++i) {
        const CsvRecord &row = rows[i];
        if (!row.problem.isEmpty()) {
            entries.problems.push_back({row.line, QStringLiteral("the row cannot be read: ") + row.problem});
            continue;
        }
        if (plan.rideColumn != NoColumn && row.cells.value(plan.rideColumn).trimmed() != plan.ride) {
            ++entries.otherRides;
            continue;
        }
        EntryFields fields = fieldTexts(row, plan);
        if (plan.kind != LogKind::Gas)
            fields[TextField] = textOfCsvCell(fields[TextField]);
        fields[NotesField] = trimBlanks(notesAsStored(textOfCsvCell(fields[NotesField])));
        const bool withExtras =
            std::any_of(plan.extraColumns.begin(), plan.extraColumns.end(), [](int c) { return c != NoColumn; });
        EntryExtras extras;
        std::optional<QString> problem = withExtras ? readExtras(row, plan, extras) : std::nullopt;
        if (!problem)
            problem = readEntry(fields, plan.kind, rideKey, locale, entries);
        if (problem)
            entries.problems.push_back({row.line, *problem});
        else if (withExtras)
            entries.extras.push_back(extras);
    }
    return entries;
}

} // namespace CsvImport
