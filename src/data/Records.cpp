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

bool IsKillMarker(const char *field, int width)
{
    // The marker is plain ASCII, which every byte of the code page stands
    // for as itself.
    int first = 0;
    int end = width;
    while (first < end && field[first] == ' ')
        ++first;
    while (end > first && field[end - 1] == ' ')
        --end;
    static const QByteArray marker = KillMarker.toLatin1();
    return QByteArrayView(field + first, end - first) == marker;
}
