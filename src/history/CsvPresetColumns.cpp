#include "history/CsvPresetColumns.h"

namespace CsvPresets {

namespace {

QStringList words(const QString &cell)
{
    QStringList found;
    QString word;
    for (const QChar c : cell + u' ') {
        if (c.isLetter()) {
            word += c.toLower();
        } else if (!word.isEmpty()) {
            found.append(word);
            word.clear();
        }
    }
    return found;
}

bool namesAny(const QStringList &words, std::initializer_list<const char16_t *> names)
{
    for (const char16_t *name : names) {
        if (words.contains(QString::fromUtf16(name)))
            return true;
    }
    return false;
}

// The name of the section a row opens ("## Log" opens "log"), if it opens
// one.
std::optional<QString> sectionOpened(const CsvRecord &row)
{
    const QString first = row.cells.value(0).trimmed();
    if (!first.startsWith(QStringLiteral("##")))
        return std::nullopt;
    for (qsizetype i = 1; i < row.cells.size(); ++i) {
        if (!row.cells.at(i).trimmed().isEmpty())
            return std::nullopt;
    }
    return words(first).join(QString());
}

// Where the section's rows begin and end.
std::pair<std::size_t, std::size_t> sectionSpan(const std::vector<CsvRecord> &rows, const QString &section)
{
    if (section.isEmpty())
        return {0, rows.size()};
    std::size_t first = rows.size();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::optional<QString> opened = sectionOpened(rows[i]);
        if (opened && first < rows.size())
            return {first, i};
        if (opened && *opened == section)
            first = i + 1;
    }
    return {std::min(first, rows.size()), rows.size()};
}

} // namespace

QString columnName(const QString &cell)
{
    QString name;
    for (const QChar c : cell) {
        if (c == u'(' || c == u'/')
            break;
        if (c.isLetter())
            name += c.toLower();
    }
    return name;
}

QStringList columnNames(const QStringList &cells)
{
    QStringList names;
    for (const QString &cell : cells)
        names.append(columnName(cell));
    return names;
}

std::optional<DistanceUnit> distanceUnitIn(const QString &cell)
{
    const QStringList said = words(cell);
    if (namesAny(said, {u"km", u"kms", u"kilometres", u"kilometers", u"kilometre", u"kilometer"}))
        return DistanceUnit::Kilometres;
    if (namesAny(said, {u"mi", u"mile", u"miles"}))
        return DistanceUnit::Miles;
    return std::nullopt;
}

std::optional<FuelUnit> fuelUnitIn(const QString &cell)
{
    const QStringList said = words(cell);
    if (namesAny(said, {u"l", u"litres", u"liters", u"litre", u"liter"}))
        return FuelUnit::Litres;
    if (namesAny(said, {u"gal", u"gals", u"gallon", u"gallons"}))
        return namesAny(said, {u"imp", u"imperial", u"uk"}) ? FuelUnit::ImperialGallons : FuelUnit::UsGallons;
    return std::nullopt;
}

std::vector<CsvRecord> sectionRows(const std::vector<CsvRecord> &rows, const QString &section)
{
    const auto [first, last] = sectionSpan(rows, section);
    return std::vector<CsvRecord>(rows.begin() + qsizetype(first), rows.begin() + qsizetype(last));
}

const CsvRecord *sectionHeader(const std::vector<CsvRecord> &rows, const QString &section)
{
    const auto [first, last] = sectionSpan(rows, section);
    return first < last ? &rows[first] : nullptr;
}

std::optional<DistanceUnit> sectionsDistanceUnit(const std::vector<CsvRecord> &rows, const QStringList &names)
{
    for (std::size_t i = 0; i + 1 < rows.size(); ++i) {
        if (!sectionOpened(rows[i]))
            continue;
        for (const QString &cell : rows[i + 1].cells) {
            if (names.contains(columnName(cell))) {
                if (const std::optional<DistanceUnit> unit = distanceUnitIn(cell))
                    return unit;
            }
        }
    }
    return std::nullopt;
}

} // namespace CsvPresets
