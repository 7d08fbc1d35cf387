#include "data/Records.h"

QStringView trimmedField(QStringView fieldText)
{
    qsizetype first = 0;
    qsizetype end = fieldText.size();
    while (first < end && fieldText[first] == u' ')
        ++first;
    while (end > first && fieldText[end - 1] == u' ')
        --end;
    return fieldText.sliced(first, end - first);
}

bool IsKillMarker(QStringView fieldText)
{
    return trimmedField(fieldText) == KillMarker;
}
