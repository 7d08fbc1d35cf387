#include "history/ImportPreview.h"

#include "model/LogRows.h"

#include <QColor>

namespace {

// Pale enough for black text to stay readable on them.
const QColor SkippedColour(0xE0, 0xE0, 0xE0);
const QColor SuspiciousColour(0xFF, 0xE0, 0x99);

template<class Record>
QStringList cellsOf(LogKind kind, const Record &record)
{
    const LogRow row = logRow(kind, logEntry(record, 0));
    return {row.cells[0], row.cells[1], row.cells[2], record.Notes.simplified()};
}

} // namespace

void ImportPreview::show(std::shared_ptr<const ImportReading::Outcome> outcome)
{
    beginResetModel();
    outcome_ = std::move(outcome);
    endResetModel();
}

int ImportPreview::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() || !outcome_ ? 0 : int(outcome_->entries.count());
}

int ImportPreview::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : MarkColumn + 1;
}

QString ImportPreview::markOf(std::size_t entry) const
{
    if (outcome_->duplicates[entry])
        return outcome_->skipDuplicates ? QStringLiteral("Already in the log: skipped")
                                        : QStringLiteral("Already in the log: imported again");
    if (!outcome_->suspicions[entry].isEmpty())
        return QStringLiteral("Looks wrong: ") + outcome_->suspicions[entry];
    return {};
}

QVariant ImportPreview::data(const QModelIndex &index, int role) const
{
    if (!outcome_ || !index.isValid())
        return {};
    const auto entry = std::size_t(index.row());
    switch (role) {
    case Qt::DisplayRole: {
        if (index.column() == MarkColumn)
            return markOf(entry);
        const CsvImport::Entries &entries = outcome_->entries;
        const LogKind kind = outcome_->plan.kind;
        const QStringList cells = kind == LogKind::Gas     ? cellsOf(kind, entries.gas[entry])
                                  : kind == LogKind::Trips ? cellsOf(kind, entries.trips[entry])
                                                           : cellsOf(kind, entries.expenses[entry]);
        return cells.at(index.column());
    }
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole: {
        const QString mark = markOf(entry);
        return mark.isEmpty() ? QVariant() : QVariant(mark);
    }
    case Qt::BackgroundRole:
        if (outcome_->skipped(entry))
            return SkippedColour;
        if (!outcome_->suspicions[entry].isEmpty())
            return SuspiciousColour;
        return {};
    case Qt::ForegroundRole:
        if (outcome_->skipped(entry) || !outcome_->suspicions[entry].isEmpty())
            return QColor(Qt::black);
        return {};
    default:
        return {};
    }
}

QVariant ImportPreview::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return outcome_ ? QVariant(QStringLiteral("Line %1").arg(outcome_->entries.lines[std::size_t(section)])) : QVariant();
    if (section == MarkColumn)
        return QStringLiteral("Marked");
    return CsvImport::fieldNames(outcome_ ? outcome_->plan.kind : LogKind::Maintenance).value(section);
}
