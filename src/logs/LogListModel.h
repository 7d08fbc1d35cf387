#pragma once

#include "data/FileStatus.h"
#include "model/LogListing.h"

#include <QAbstractTableModel>

#include <vector>

// One log's list of the shown ride, as the grid shows it: the log held by
// the model of the ride (LogListing), whose rows are in date order with
// their totals. The grid shows the three visible columns; the record number
// and the date sort key of each row travel as data of their own
// (RecordNumberRole, DateSortRole on any cell of the row, or the accessors),
// never as columns. The description column (the gallons for gasoline) of
// every row carries the hint that a double-click edits the entry.
class LogListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Role { RecordNumberRole = Qt::UserRole + 1, DateSortRole };

    // Shows `listing`, which outlives the list.
    explicit LogListModel(LogListing &listing, QObject *parent = nullptr);

    LogKind kind() const { return m_listing.kind; }
    const LogListing &listing() const { return m_listing; }

    // Reads the log's entries of the ride from its file (see Store::scanLog),
    // with their extras from `database` when given.
    FileStatus refill(double rideKey, const ReminderStore *database = nullptr);

    int entryCount() const { return m_listing.count(); }
    const LogEntry &entry(int row) const { return m_listing.entries[std::size_t(row)]; }
    LogRow row(int row) const { return m_listing.row(row); }
    int recordNumber(int row) const { return entry(row).recordNumber; }
    QString columnTitle(int column) const;
    const LogTotals &totals() const { return m_listing.totals; }
    QList<TotalCaption> totalCaptions() const { return m_listing.totalCaptions(); }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    LogListing &m_listing;
};
