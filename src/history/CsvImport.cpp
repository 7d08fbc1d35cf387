#include "history/CsvImport.h"

#include "data/Cp1252.h"
#include "model/EntryExtrasForm.h"
#include "model/LogEntryForm.h"
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

int widthOfText(LogKind kind)
{
    return kind == LogKind::Trips ? TripRecord::DescriptionWidth : ExpenseRecord::DescriptionWidth;
}

enum ExtraColumn { OdometerColumn = 0, CostColumn = 1, PartialColumn = 2, MissedColumn = 3 };

// The extras of the row, or why they cannot be read.
std::optional<QString> readExtras(const CsvRecord &row, const Plan &plan, EntryExtras &extras)
{
    const auto cell = [&](ExtraColumn column) {
        const int at = plan.extraColumns[std::size_t(column)];
        return at == NoColumn ? QString() : row.cells.value(at);
    };
    const auto mark = [&](ExtraColumn column) { return plan.extraMarks[std::size_t(column)]; };
    extras = EntryExtras();
    if (const QString odometer = cell(OdometerColumn); !odometer.trimmed().isEmpty()) {
        const CsvValues::Reading<double> reading = CsvValues::readNumber(odometer, mark(OdometerColumn));
        if (!reading.value)
            return reading.problem;
        if (*reading.value < 0 || *reading.value > double(EntryExtrasForm::MostMiles) || *reading.value != std::floor(*reading.value))
            return QStringLiteral("the odometer reading \"%1\" is no whole number from 0 up").arg(odometer);
        extras.odometer = qint64(*reading.value);
    }
    if (const QString cost = cell(CostColumn); !cost.trimmed().isEmpty()) {
        const CsvValues::Reading<qint64> reading = CsvValues::readMoney(cost, mark(CostColumn));
        if (!reading.value)
            return reading.problem;
        if (*reading.value < 0)
            return QStringLiteral("the cost \"%1\" is below 0").arg(cost);
        extras.cost = reading.value;
    }
    for (const auto &[column, tick] : {std::pair{PartialColumn, &extras.partial}, std::pair{MissedColumn, &extras.missed}}) {
        const std::optional<bool> ticked = readTick(cell(column));
        if (!ticked)
            return QStringLiteral("\"%1\" is neither yes nor no").arg(cell(column));
        *tick = *ticked;
    }
    return std::nullopt;
}

// A number field's value: 0 for an empty cell.
CsvValues::Reading<double> numberOrZero(const QString &cell, CsvValues::DecimalMark mark)
{
    return trimBlanks(cell).isEmpty() ? CsvValues::Reading<double>{0.0, {}} : CsvValues::readNumber(cell, mark);
}

template<class Record>
Record datedRecord(double rideKey, double date, const EntryFields &fields)
{
    Record record;
    record.RideKey = rideKey;
    record.EntryDate = date;
    record.Notes = trimTrailingBlanks(fields[NotesField]);
    return record;
}

// Adds the row's entry, or says why it cannot be one.
std::optional<QString> readEntry(const EntryFields &fields, const Plan &plan, double rideKey, const QLocale &locale,
                                 Entries &entries)
{
    if (trimBlanks(fields[DateField]).isEmpty())
        return QStringLiteral("A date entry is required");
    const CsvValues::Reading<double> date = CsvValues::readDate(fields[DateField], plan.dateOrder, locale);
    if (!date.value)
        return date.problem;
    const LogKind kind = plan.kind;
    const auto mark = [&](Field field) { return plan.fieldMarks[std::size_t(field)]; };
    const CsvValues::Reading<double> gallons =
        kind == LogKind::Gas ? numberOrZero(fields[TextField], mark(TextField)) : CsvValues::Reading<double>{0.0, {}};
    if (!gallons.value)
        return gallons.problem;
    const bool money = kind == LogKind::Maintenance || kind == LogKind::Goodies;
    const CsvValues::Reading<double> miles =
        money ? CsvValues::Reading<double>{0.0, {}} : numberOrZero(fields[AmountField], mark(AmountField));
    if (!miles.value)
        return miles.problem;
    const CsvValues::Reading<qint64> cost = money && !trimBlanks(fields[AmountField]).isEmpty()
                                                ? CsvValues::readMoney(fields[AmountField], mark(AmountField))
                                                : CsvValues::Reading<qint64>{0, {}};
    if (!cost.value)
        return cost.problem;
    if (const auto problem = LogEntryForm::checkValues(kind, fields, *gallons.value, *miles.value))
        return QString(problem->message).replace(CrLf, QStringLiteral(" "));
    if (auto problem = storableProblem(fields[NotesField], logKindInfo(kind).notesWidth, true, QStringLiteral("notes")))
        return problem;
    if (kind == LogKind::Gas) {
        GasRecord fillUp = datedRecord<GasRecord>(rideKey, *date.value, fields);
        fillUp.Gallons = static_cast<float>(*gallons.value);
        fillUp.Miles = roundToInt32(*miles.value);
        entries.gas.push_back(fillUp);
        return std::nullopt;
    }
    const QString description = trimBlanks(fields[TextField]);
    if (auto problem = storableProblem(description, widthOfText(kind), false, QStringLiteral("description")))
        return problem;
    if (kind == LogKind::Trips) {
        TripRecord trip = datedRecord<TripRecord>(rideKey, *date.value, fields);
        trip.Description = description;
        trip.Miles = roundToInt32(*miles.value);
        entries.trips.push_back(trip);
        return std::nullopt;
    }
    ExpenseRecord expense = datedRecord<ExpenseRecord>(rideKey, *date.value, fields);
    expense.Description = description;
    expense.Cost = *cost.value;
    entries.expenses.push_back(expense);
    return std::nullopt;
}

// Why no date of the column can be read, when its dates need both orders.
std::optional<QString> mixedDates(const std::vector<CsvRecord> &rows, const Plan &plan)
{
    const int column = plan.columns[DateField];
    if (column == NoColumn)
        return std::nullopt;
    const CsvValues::DateEvidence evidence = CsvValues::dateEvidence(columnCells(rows, plan, column));
    if (!evidence.mixed())
        return std::nullopt;
    return QStringLiteral("the dates are written both day first (line %1: \"%2\") and month first (line %3: \"%4\"), "
                          "so none of them can be read")
        .arg(evidence.dayFirst->line)
        .arg(evidence.dayFirst->text)
        .arg(evidence.monthFirst->line)
        .arg(evidence.monthFirst->text);
}

int columnOf(const Plan &plan, bool extra, int index)
{
    return (extra ? plan.extraColumns : plan.columns)[std::size_t(index)];
}

// The plan's number columns, each with whether it holds money.
std::vector<std::pair<int, bool>> numberColumns(const Plan &plan)
{
    std::vector<std::pair<int, bool>> columns;
    for (int field = 0; field < 4; ++field) {
        const FieldValue value = fieldValue(plan.kind, field);
        if (plan.columns[std::size_t(field)] != NoColumn && (value == FieldValue::Number || value == FieldValue::Money))
            columns.emplace_back(plan.columns[std::size_t(field)], value == FieldValue::Money);
    }
    for (const ExtraColumn extra : {OdometerColumn, CostColumn}) {
        if (plan.extraColumns[std::size_t(extra)] != NoColumn)
            columns.emplace_back(plan.extraColumns[std::size_t(extra)], extra == CostColumn);
    }
    return columns;
}

// The mark most of the column's cells need, else the one the file's other
// number columns need, else the locale's.
CsvValues::DecimalMark markOfColumn(const std::vector<CsvRecord> &rows, const Plan &plan, int column, bool money,
                                    const QLocale &locale)
{
    const CsvValues::DecimalMark otherwise = fileMark(rows, plan).value_or(CsvValues::localeDecimalMark(locale));
    if (column == NoColumn)
        return otherwise;
    return CsvValues::numberEvidence(columnCells(rows, plan, column), money).needed().value_or(otherwise);
}

} // namespace

FileRows readFile(const QByteArray &bytes, std::optional<CsvEncoding> encoding, std::optional<QChar> delimiter)
{
    FileRows file;
    file.encoding = encoding.value_or(detectCsvEncoding(bytes));
    const CsvText text = decodeCsv(bytes, file.encoding);
    file.delimiter = delimiter.value_or(detectCsvDelimiter(text.text));
    if (text.invalidLine > 0) {
        file.undecodable = Problem{text.invalidLine, QStringLiteral("the file is not valid %1 from here on, so none of it is read")
                                                         .arg(csvEncodingName(file.encoding))};
        return file;
    }
    file.rows = readCsv(text.text, file.delimiter);
    return file;
}

QStringList fieldNames(LogKind kind)
{
    const QString amount = kind == LogKind::Maintenance || kind == LogKind::Goodies ? QStringLiteral("Cost")
                                                                                    : QStringLiteral("Miles");
    const QString text = kind == LogKind::Gas ? QStringLiteral("Gallons") : QStringLiteral("Description");
    return {QStringLiteral("Date"), text, amount, QStringLiteral("Notes")};
}

FieldValue fieldValue(LogKind kind, int field)
{
    switch (field) {
    case DateField:
        return FieldValue::Date;
    case TextField:
        return kind == LogKind::Gas ? FieldValue::Number : FieldValue::Text;
    case AmountField:
        return kind == LogKind::Maintenance || kind == LogKind::Goodies ? FieldValue::Money : FieldValue::Number;
    default:
        return FieldValue::Text;
    }
}

std::vector<CsvValues::Cell> columnCells(const std::vector<CsvRecord> &rows, const Plan &plan, int column)
{
    std::vector<CsvValues::Cell> cells;
    for (std::size_t i = plan.hasHeader ? 1 : 0; i < rows.size(); ++i) {
        if (rows[i].problem.isEmpty())
            cells.push_back({rows[i].line, rows[i].cells.value(column)});
    }
    return cells;
}

std::optional<CsvValues::DecimalMark> fileMark(const std::vector<CsvRecord> &rows, const Plan &plan)
{
    CsvValues::NumberEvidence file;
    for (const auto &[column, money] : numberColumns(plan)) {
        const CsvValues::NumberEvidence evidence = CsvValues::numberEvidence(columnCells(rows, plan, column), money);
        file.pointCells += evidence.pointCells;
        file.commaCells += evidence.commaCells;
    }
    return file.needed();
}

void decideFormat(const std::vector<CsvRecord> &rows, Plan &plan, int field, const QLocale &locale)
{
    const int column = columnOf(plan, false, field);
    switch (fieldValue(plan.kind, field)) {
    case FieldValue::Date:
        plan.dateOrder = column == NoColumn ? CsvValues::localeDateOrder(locale)
                                            : CsvValues::dateEvidence(columnCells(rows, plan, column))
                                                  .needed()
                                                  .value_or(CsvValues::localeDateOrder(locale));
        return;
    case FieldValue::Number:
    case FieldValue::Money:
        plan.fieldMarks[std::size_t(field)] =
            markOfColumn(rows, plan, column, fieldValue(plan.kind, field) == FieldValue::Money, locale);
        return;
    case FieldValue::Text:
        return;
    }
}

Plan guessPlan(LogKind kind, const std::vector<CsvRecord> &rows, const QLocale &locale)
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
    } else {
        plan.rideColumn = columnNaming(header, {QStringLiteral("ride")});
        plan.ride = ridesOf(rows, plan).value(0);
        if (EntryExtrasForm::hasOdometer(kind))
            plan.extraColumns[OdometerColumn] = columnNaming(header, {QStringLiteral("odometer"), QStringLiteral("odo")});
        if (EntryExtrasForm::hasFillUpBoxes(kind)) {
            plan.extraColumns[CostColumn] = columnNaming(header, {QStringLiteral("cost")});
            plan.extraColumns[PartialColumn] = columnNaming(header, {QStringLiteral("partial")});
            plan.extraColumns[MissedColumn] = columnNaming(header, {QStringLiteral("missed")});
        }
    }
    decideFormats(rows, plan, locale);
    return plan;
}

void decideFormats(const std::vector<CsvRecord> &rows, Plan &plan, const QLocale &locale)
{
    for (int field = 0; field < 4; ++field)
        decideFormat(rows, plan, field, locale);
    for (const ExtraColumn extra : {OdometerColumn, CostColumn})
        plan.extraMarks[std::size_t(extra)] =
            markOfColumn(rows, plan, columnOf(plan, true, extra), extra == CostColumn, locale);
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

std::optional<bool> readTick(const QString &cell)
{
    const QString text = cell.trimmed().toLower();
    if (text.isEmpty() || text == u"no" || text == u"false" || text == u"0" || text == u"n")
        return false;
    if (text == u"yes" || text == u"true" || text == u"1" || text == u"y" || text == u"x")
        return true;
    return std::nullopt;
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
    const std::optional<QString> unreadableDates = mixedDates(rows, plan);
    const bool withExtras =
        std::any_of(plan.extraColumns.begin(), plan.extraColumns.end(), [](int c) { return c != NoColumn; });
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
        if (unreadableDates) {
            entries.problems.push_back({row.line, *unreadableDates});
            continue;
        }
        EntryFields fields = fieldTexts(row, plan);
        if (plan.kind != LogKind::Gas)
            fields[TextField] = textOfCsvCell(fields[TextField]);
        fields[NotesField] = trimBlanks(notesAsStored(textOfCsvCell(fields[NotesField])));
        EntryExtras extras;
        std::optional<QString> problem = withExtras ? readExtras(row, plan, extras) : std::nullopt;
        if (!problem)
            problem = readEntry(fields, plan, rideKey, locale, entries);
        if (problem) {
            entries.problems.push_back({row.line, *problem});
            continue;
        }
        entries.lines.push_back(row.line);
        if (withExtras)
            entries.extras.push_back(extras);
    }
    return entries;
}

} // namespace CsvImport
