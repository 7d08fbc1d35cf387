#include "history/CsvFormatChoices.h"

using namespace CsvValues;

namespace CsvImport {

namespace {

constexpr int DateFieldIndex = 0;

QString capitalised(QString text)
{
    if (!text.isEmpty())
        text[0] = text.at(0).toUpper();
    return text;
}

// What the mark makes of the cell: "1,234 is 1234".
QString numberExample(const Cell &cell, DecimalMark mark, bool money)
{
    const std::optional<double> value = money ? std::optional<double>(double(readMoney(cell.text, mark).value.value_or(0)) / 1e4)
                                              : readNumber(cell.text, mark).value;
    return QStringLiteral("%1 is %2").arg(cell.text.trimmed(), QString::number(value.value_or(0), 'g', 15));
}

QString dateChoiceText(DateOrder order, const std::optional<Cell> &example)
{
    QString text = capitalised(orderName(order));
    if (example)
        text += QStringLiteral(": %1 is %2").arg(example->text.trimmed(), dayInOrder(example->text, order));
    return text;
}

// How a number column is read, and why.
QString markReason(const NumberEvidence &evidence, DecimalMark mark, std::optional<DecimalMark> fileMark,
                   const QLocale &locale, bool money)
{
    if (evidence.needed())
        return markName(mark) + QStringLiteral(" (as its values show)");
    if (!evidence.eitherWay)
        return markName(mark) + QStringLiteral(" (every value reads the same either way)");
    const QString example = numberExample(*evidence.eitherWay, mark, money);
    if (fileMark == mark)
        return markName(mark) + QStringLiteral(" (as the file's other numbers show: %1)").arg(example);
    if (mark == localeDecimalMark(locale))
        return markName(mark) + QStringLiteral(" (by the desktop's settings: %1)").arg(example);
    return markName(mark) + QStringLiteral(" (as picked: %1)").arg(example);
}

QString orderReason(const DateEvidence &evidence, DateOrder order, const QLocale &locale)
{
    if (evidence.mixed())
        return QStringLiteral("day first and month first mixed, refused");
    if (evidence.needed())
        return orderName(order) + QStringLiteral(" (as its dates show)");
    if (!evidence.eitherWay)
        return QStringLiteral("every date reads the same either way");
    const QString example =
        QStringLiteral("%1 is %2").arg(evidence.eitherWay->text.trimmed(), dayInOrder(evidence.eitherWay->text, order));
    if (order == localeDateOrder(locale))
        return orderName(order) + QStringLiteral(" (by the desktop's settings: %1)").arg(example);
    return orderName(order) + QStringLiteral(" (as picked: %1)").arg(example);
}

} // namespace

std::vector<FormatChoice> formatChoices(const std::vector<CsvRecord> &rows, const Plan &plan, int field)
{
    const int column = plan.columns[std::size_t(field)];
    const FieldValue value = fieldValue(plan.kind, field);
    if (column == NoColumn || value == FieldValue::Text)
        return {};
    const std::vector<Cell> cells = columnCells(rows, plan, column);
    if (value == FieldValue::Date) {
        const DateEvidence evidence = dateEvidence(cells);
        if (const std::optional<DateOrder> needed = evidence.needed())
            return {{dateChoiceText(*needed, needed == DateOrder::DayFirst ? evidence.dayFirst : evidence.monthFirst),
                     int(*needed)}};
        if (evidence.mixed() || !evidence.eitherWay)
            return {};
        std::vector<FormatChoice> choices;
        for (const DateOrder order : {DateOrder::DayFirst, DateOrder::MonthFirst})
            choices.push_back({dateChoiceText(order, evidence.eitherWay), int(order)});
        return choices;
    }
    const NumberEvidence evidence = numberEvidence(cells, value == FieldValue::Money);
    std::vector<DecimalMark> marks{DecimalMark::Point, DecimalMark::Comma};
    if (!evidence.eitherWay && (evidence.pointCells == 0) != (evidence.commaCells == 0))
        marks = {evidence.pointCells > 0 ? DecimalMark::Point : DecimalMark::Comma};
    else if (!evidence.eitherWay && evidence.pointCells == 0)
        return {};
    std::vector<FormatChoice> choices;
    for (const DecimalMark mark : marks) {
        QString text = capitalised(markName(mark));
        if (evidence.eitherWay)
            text += QStringLiteral(": ") + numberExample(*evidence.eitherWay, mark, value == FieldValue::Money);
        choices.push_back({text, int(mark)});
    }
    return choices;
}

int formatOf(const Plan &plan, int field)
{
    return field == DateFieldIndex ? int(plan.dateOrder) : int(plan.fieldMarks[std::size_t(field)]);
}

void setFormat(Plan &plan, int field, int value)
{
    if (field == DateFieldIndex)
        plan.dateOrder = DateOrder(value);
    else
        plan.fieldMarks[std::size_t(field)] = DecimalMark(value);
}

QString formatSummary(const std::vector<CsvRecord> &rows, const Plan &plan, const QLocale &locale)
{
    QStringList parts;
    const std::optional<DecimalMark> inFile = fileMark(rows, plan);
    const QStringList names = fieldNames(plan.kind);
    for (int field = 0; field < 4; ++field) {
        const int column = plan.columns[std::size_t(field)];
        const FieldValue value = fieldValue(plan.kind, field);
        if (column == NoColumn || value == FieldValue::Text)
            continue;
        const std::vector<Cell> cells = columnCells(rows, plan, column);
        const QString reason =
            value == FieldValue::Date
                ? orderReason(dateEvidence(cells), plan.dateOrder, locale)
                : markReason(numberEvidence(cells, value == FieldValue::Money), plan.fieldMarks[std::size_t(field)], inFile, locale,
                             value == FieldValue::Money);
        parts << names.at(field) + QStringLiteral(": ") + reason;
    }
    const std::array<QString, 2> extras{QStringLiteral("Odometer"), QStringLiteral("Cost")};
    for (std::size_t extra = 0; extra < extras.size(); ++extra) {
        const int column = plan.extraColumns[extra];
        if (column == NoColumn)
            continue;
        const bool money = extra == 1;
        parts << extras[extra] + QStringLiteral(": ")
                     + markReason(numberEvidence(columnCells(rows, plan, column), money), plan.extraMarks[extra], inFile, locale, money);
    }
    return parts.join(QStringLiteral("; "));
}

} // namespace CsvImport
