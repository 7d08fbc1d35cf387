#include "data/Records.h"

namespace {

QStringView withoutBlanks(QStringView text)
{
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && text[first] == u' ')
        ++first;
    while (end > first && text[end - 1] == u' ')
        --end;
    return text.sliced(first, end - first);
}

} // namespace

QString trimmedField(QStringView fieldText)
{
    return withoutBlanks(fieldText).toString();
}

bool IsKillMarker(QStringView fieldText)
{
    return withoutBlanks(fieldText) == KillMarker;
}
