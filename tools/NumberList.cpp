#include "NumberList.h"

#include <QStringList>

#include <algorithm>

namespace {

// At most this many numbers are listed per finding.
constexpr int ListedNumbers = 10;

} // namespace

QString numberList(const QList<qint64> &numbers, const QString &one, const QString &many)
{
    QStringList shown;
    for (qint64 number : numbers.first(std::min<qsizetype>(numbers.size(), ListedNumbers)))
        shown << QString::number(number);
    QString list = shown.join(QStringLiteral(", "));
    if (numbers.size() > ListedNumbers)
        list += QStringLiteral(", ...");
    return QStringLiteral("%1 %2").arg(numbers.size() == 1 ? one : many, list);
}
