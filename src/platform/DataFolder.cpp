#include "platform/DataFolder.h"

#include <QDir>
#include <QStandardPaths>

QString DataFolder::path()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

DataFolder::Outcome DataFolder::enter()
{
    Outcome outcome;
    outcome.path = path();
    if (outcome.path.isEmpty())
        return outcome;
    outcome.ok = QDir().mkpath(outcome.path) && QDir::setCurrent(outcome.path);
    return outcome;
}
