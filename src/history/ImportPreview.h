#pragma once

#include "history/ImportReading.h"

#include <QAbstractTableModel>

#include <memory>

// Every entry of a reading as the log will list it once stored, with a last
// column saying what is special about it: an entry already in the log
// (skipped, or imported again when the user includes such rows), or values
// that look wrong and why. Such rows are also coloured, and the same words
// are their tooltip and their accessible description, so that the colour is
// never the only sign.
class ImportPreview : public QAbstractTableModel
{
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    static constexpr int MarkColumn = 4;

    void show(std::shared_ptr<const ImportReading::Outcome> outcome);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // "Already in the log: skipped", "Looks wrong: the date ... is after
    // today", or nothing.
    QString markOf(std::size_t entry) const;

private:
    std::shared_ptr<const ImportReading::Outcome> outcome_;
};
