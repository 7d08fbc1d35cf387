#pragma once

#include <QList>
#include <QString>

// The numbers of what a finding is about, for one line of a report:
// "record 7" or "records 2, 3, 5" (at most ten, then "...").
QString numberList(const QList<qint64> &numbers, const QString &one = QStringLiteral("record"),
                   const QString &many = QStringLiteral("records"));
