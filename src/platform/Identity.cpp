#include "platform/Identity.h"

#include "Version.h"

#include <QCoreApplication>

QString ApplicationVersion()
{
    return QStringLiteral("%1.%2.%3").arg(TorqalVersionMajor).arg(TorqalVersionMinor).arg(TorqalVersionRevision);
}

void SetApplicationIdentity()
{
    QCoreApplication::setApplicationName(ApplicationTitle);
    QCoreApplication::setApplicationVersion(ApplicationVersion());
}
