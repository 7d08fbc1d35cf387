#include "platform/DataFolder.h"

#include <QDir>
#include <QStandardPaths>

namespace {

QString &chosenFolder()
{
    static QString folder;
    return folder;
}

} // namespace

QString DataFolder::usualPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString DataFolder::path()
{
    return isUsual() ? usualPath() : chosenFolder();
}

void DataFolder::choose(const QString &folder)
{
    chosenFolder() = folder.isEmpty() ? QString() : QDir::cleanPath(QDir(folder).absolutePath());
}

bool DataFolder::isUsual()
{
    return chosenFolder().isEmpty();
}

DataFolder::Outcome DataFolder::enter()
{
    Outcome outcome;
    outcome.path = path();
    if (outcome.path.isEmpty())
        return outcome;
    outcome.ok = (!isUsual() || QDir().mkpath(outcome.path)) && QDir::setCurrent(outcome.path);
    return outcome;
}
