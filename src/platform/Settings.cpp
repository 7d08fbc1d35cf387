#include "platform/Settings.h"

#include "platform/DataFolder.h"

#include <QSettings>
#include <QUrl>

namespace {

const QString Section = QStringLiteral("Defaults");
const QString ApplicationName = QStringLiteral("Torqal");

// The last ride viewed is a record number of one data folder's ride file:
// for a folder other than the usual one it is kept in a section of that
// folder's own, so that neither folder's choice disturbs the other's.
QString sectionOf(const QString &key)
{
    if (key != Settings::LastRideViewedKey || DataFolder::isUsual())
        return Section;
    return QStringLiteral("Data Folder ") + QString::fromLatin1(QUrl::toPercentEncoding(DataFolder::path()));
}

} // namespace

std::unique_ptr<QSettings> &Settings::instance()
{
    static std::unique_ptr<QSettings> settings;
    return settings;
}

QSettings &Settings::store()
{
    auto &settings = instance();
    if (!settings)
        settings = std::make_unique<QSettings>(ApplicationName, ApplicationName);
    return *settings;
}

void Settings::useFile(const QString &path)
{
    if (path.isEmpty())
        instance().reset();
    else
        instance() = std::make_unique<QSettings>(path, QSettings::IniFormat);
}

QString Settings::value(const QString &key, const QString &defaultValue)
{
    QSettings &settings = store();
    settings.beginGroup(sectionOf(key));
    QString text = settings.value(key, defaultValue).toString();
    settings.endGroup();
    return text;
}

void Settings::setValue(const QString &key, const QString &value)
{
    QSettings &settings = store();
    settings.beginGroup(sectionOf(key));
    // Writing the store locks it, writes it anew and flushes it to disk: a
    // value kept as it stands (the ride shown at every start) is not written.
    const bool unchanged = settings.contains(key) && settings.value(key).toString() == value;
    if (!unchanged)
        settings.setValue(key, value);
    settings.endGroup();
    if (!unchanged)
        settings.sync();
}

bool Settings::fadeStatus()
{
    const QString text = value(FadeStatusKey).trimmed();
    if (text.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0)
        return true;
    bool isNumber = false;
    const int number = text.toInt(&isNumber);
    return isNumber && number != 0;
}

void Settings::setFadeStatus(bool on)
{
    setValue(FadeStatusKey, booleanText(on));
}
