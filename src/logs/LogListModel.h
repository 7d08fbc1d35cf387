#pragma once

#include "data/FileStatus.h"
#include "model/LogRows.h"
#include "model/LogTotals.h"

#include <QAbstractTableModel>

#include <vector>

// One log's list of the shown ride: the rows its grid shows, in date order,
// with their totals. The grid shows the three visible columns; the record
// number and the date sort key of each row travel as data of their own
// (RecordNumberRole, DateSortRole on any cell of the row, or the accessors),
// never as columns. The description column (the gallons for gasoline) of
// every row carries the hint that a double-click edits the entry. The entry
// editor and the printouts read rows, titles and captions from here.
class LogListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Role { RecordNumberRole = Qt::UserRole + 1, DateSortRole };

    explicit LogListModel(LogKind kind, QObject *parent = nullptr);

    LogKind kind() const { return m_kind; }

    // Reads the log's entries of the ride from its file (see Store::scanLog).
    FileStatus refill(double rideKey);

    int entryCount() const { return int(m_entries.size()); }
    const LogEntry &entry(int row) const { return m_entries[std::size_t(row)]; }
    LogRow row(int row) const { return logRow(m_kind, entry(row)); }
    int recordNumber(int row) const { return entry(row).recordNumber; }
    QString columnTitle(int column) const;
    const LogTotals &totals() const { return m_totals; }
    QList<TotalCaption> totalCaptions() const { return ::totalCaptions(m_kind, m_totals); }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    LogKind m_kind;
    std::vector<LogEntry> m_entries; // in date order
    LogTotals m_totals;              // over the entries
};
