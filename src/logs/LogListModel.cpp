#include "logs/LogListModel.h"


LogListModel::LogListModel(LogListing &listing, QObject *parent) : QAbstractTableModel(parent), m_listing(listing) {}

FileStatus LogListModel::refill(double rideKey, const ReminderStore *database)
{
    beginResetModel();
    const FileStatus status = m_listing.read(rideKey, database);
    endResetModel();
    return status;
}

QString LogListModel::columnTitle(int column) const
{
    return m_listing.columnTitle(column);
}

int LogListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : entryCount();
}

int LogListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 3;
}

QVariant LogListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const LogEntry &shown = entry(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return m_listing.cell(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(
            Qt::Alignment(logKindInfo(kind()).columns[std::size_t(index.column())].alignment | Qt::AlignVCenter));
    case Qt::ToolTipRole:
        if (index.column() == 1)
            return QStringLiteral(" Double-click to edit this entry ");
        return {};
    case RecordNumberRole:
        return shown.recordNumber;
    case DateSortRole:
        return dateSortText(shown.dateSort);
    default:
        return {};
    }
}

QVariant LogListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= 3)
        return {};
    const LogColumn &column = logKindInfo(kind()).columns[std::size_t(section)];
    if (role == Qt::DisplayRole)
        return m_listing.columnTitle(section);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(column.alignment | Qt::AlignVCenter));
    return {};
}
