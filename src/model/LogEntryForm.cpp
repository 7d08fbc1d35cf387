#include "model/LogEntryForm.h"

#include "data/Records.h"
#include "platform/ValueFormats.h"

#include <algorithm>
#include <cmath>
#include <limits>

using namespace ValueFormats;

namespace LogEntryForm {

namespace {

QString padded(const QString &text) { return QLatin1Char(' ') + text + QLatin1Char(' '); }

// A number typed that its record field cannot hold: the message names it as
// typed, as the date message does.
Problem cannotStore(const QString &text, const QString &what, int field)
{
    return {QStringLiteral("I can't store\r\n%1\r\nas %2.").arg(text, what), field};
}

// A long holds whole miles; the number is rounded half to even first.
bool fitsLong(double miles)
{
    const double rounded = std::nearbyint(miles);
    return rounded >= std::numeric_limits<qint32>::min() && rounded <= std::numeric_limits<qint32>::max();
}

// A single holds gallons up to about 3.4e38, and none too close to 0 that
// would become 0.
bool fitsSingle(double gallons)
{
    return std::abs(gallons) <= std::numeric_limits<float>::max() && (gallons == 0 || static_cast<float>(gallons) != 0);
}

Problem markerProblem(const QString &what, int field)
{
    return {QStringLiteral("\"%1\" cannot be used as %2:\r\nthe program marks deleted entries with it.")
                .arg(KillMarker, what),
            field};
}

std::optional<Problem> checkDescription(const QString &description)
{
    // Blanks alone are no description: the save trims them away.
    if (trimBlanks(description).isEmpty())
        return Problem{QStringLiteral("Some kind of description is required"), 1};
    // A compaction would take such an entry for a deleted one.
    if (IsKillMarker(description))
        return markerProblem(QStringLiteral("a description"), 1);
    return std::nullopt;
}

std::optional<Problem> checkFillUp(const EntryFields &fields, double gallons, double miles)
{
    if (gallons == 0)
        return Problem{QStringLiteral("A 'Gallons' entry is required."), 1};
    if (!fitsSingle(gallons))
        return cannotStore(fields[1], QStringLiteral("a number of gallons"), 1);
    if (miles == 0)
        return Problem{QStringLiteral("A 'Miles Travelled' entry is required."), 2};
    if (!fitsLong(miles))
        return cannotStore(fields[2], QStringLiteral("a number of miles"), 2);
    if (IsKillMarker(fields[3]))
        return markerProblem(QStringLiteral("the notes of a gas entry"), 3);
    return std::nullopt;
}

// The checks of Save, with the gallons to check already read.
std::optional<Problem> checkFields(LogKind kind, const EntryFields &fields, double gallons)
{
    if (fields[0].isEmpty())
        return Problem{QStringLiteral("A date entry is required"), 0};
    if (!isDateText(fields[0]))
        return Problem{QStringLiteral("I don't understand\r\n%1\r\nas being a valid date.").arg(fields[0]), 0};
    if (kind == LogKind::Gas)
        return checkFillUp(fields, gallons, gasNumber(fields[2]));
    if (auto problem = checkDescription(fields[1]))
        return problem;
    const std::optional<double> amount = numberFromText(fields[2]);
    if (kind == LogKind::Trips && amount && !fitsLong(*amount))
        return cannotStore(fields[2], QStringLiteral("a number of miles"), 2);
    if (kind != LogKind::Trips && amount && !moneyFromText(fields[2]))
        return cannotStore(fields[2], QStringLiteral("an amount of money"), 2);
    return std::nullopt;
}

} // namespace

QString windowTitle(const LogEntryRequest &request)
{
    const QString start = request.adding() ? QStringLiteral(" Adding a New '") : QStringLiteral(" Editing this '");
    return start + request.tabCaption + QStringLiteral("' Entry");
}

QString saveTip(const LogEntryRequest &request)
{
    return request.adding() ? QStringLiteral(" Save this New Entry ") : QStringLiteral(" Save these Changes ");
}

QString cancelTip(const LogEntryRequest &request)
{
    return request.adding() ? QStringLiteral(" Cancel this New Entry ") : QStringLiteral(" Cancel these Changes ");
}

std::array<QString, 4> fieldCaptions(const LogEntryRequest &request)
{
    const auto &titles = request.columnTitles;
    // The gasoline list's distance title ("Miles     mpg") without its economy.
    const QString amount = request.kind == LogKind::Gas ? titles[2].section(QStringLiteral("  "), 0, 0) : titles[2];
    return {padded(titles[0]), padded(titles[1]), padded(amount), request.notesCaption};
}

EntryFields initialFields(const LogEntryRequest &request)
{
    if (request.adding())
        return request.prefill;
    QString amount = request.cells[2];
    if (request.kind == LogKind::Gas)
        amount = QString::number(leadingNumber(amount), 'g', 15);
    return {request.cells[0], request.cells[1], amount, request.notes};
}

std::array<bool, 4> untouchedFields(const LogEntryRequest &request, const EntryFields &fields)
{
    std::array<bool, 4> untouched{};
    if (request.adding())
        return untouched;
    const EntryFields shown = initialFields(request);
    for (std::size_t i = 0; i < 4; ++i)
        untouched[i] = i == 2 ? amountWithoutSymbol(fields[i]) == amountWithoutSymbol(shown[i]) : fields[i] == shown[i];
    return untouched;
}

std::array<int, 4> fieldLimits(const LogEntryRequest &request)
{
    return {10, request.kind == LogKind::Gas ? 5 : 60, 10, request.notesLimit};
}

QString notesGauge(qsizetype notesLength, int notesLimit)
{
    if (notesLength == 0)
        return {};
    const double ratio = notesLimit > 0 ? static_cast<double>(notesLength) / notesLimit : 1.0;
    return QLatin1Char(' ') + percentText(std::max(ratio, 0.01)) + QStringLiteral(" full ");
}

std::optional<Problem> check(LogKind kind, const EntryFields &fields)
{
    return checkFields(kind, fields, gasNumber(fields[1]));
}

std::optional<Problem> check(const LogEntryRequest &request, const EntryFields &fields)
{
    const bool gallonsAsStored = request.kind == LogKind::Gas && untouchedFields(request, fields)[1];
    return checkFields(request.kind, fields, gallonsAsStored ? request.entry.gallons : gasNumber(fields[1]));
}

std::optional<Problem> checkValues(LogKind kind, const EntryFields &fields, double gallons, double miles)
{
    if (kind == LogKind::Gas)
        return checkFillUp(fields, gallons, miles);
    if (auto problem = checkDescription(fields[1]))
        return problem;
    if (kind == LogKind::Trips && !fitsLong(miles))
        return cannotStore(fields[2], QStringLiteral("a number of miles"), 2);
    return std::nullopt;
}

double gasNumber(const QString &text)
{
    return leadingNumber(text, QLocale());
}

QString amountWithoutSymbol(const QString &amount)
{
    if (amount.startsWith(QLatin1Char('$')))
        return amount.mid(1);
    const Currency &currency = ValueFormats::currency();
    if (currency.side == Currency::Side::Before && amount.startsWith(currency.symbol)) {
        QString rest = amount.mid(currency.symbol.size());
        while (!rest.isEmpty() && rest.front().isSpace())
            rest.remove(0, 1);
        return rest;
    }
    if (currency.side == Currency::Side::After && amount.endsWith(currency.symbol)) {
        QString rest = amount.chopped(currency.symbol.size());
        while (!rest.isEmpty() && rest.back().isSpace())
            rest.chop(1);
        return rest;
    }
    return amount;
}

} // namespace LogEntryForm
