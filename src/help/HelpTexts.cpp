#include "help/HelpTexts.h"

#include "Version.h"
#include "platform/Identity.h"

#include "platform/DataFolder.h"
#include "platform/LineBreaks.h"

#include <QDir>
#include <QFile>

// Q_INIT_RESOURCE has to be used outside any namespace; the texts live in a
// static library, so their resource is registered on first use.
static void registerHelpResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(help);
        return true;
    }();
    Q_UNUSED(registered);
}

namespace {

// The data folder as a reader finds it: under the home folder written with
// "~", elsewhere in full.
QString dataFolderForReaders()
{
    const QString folder = QDir::cleanPath(DataFolder::path());
    const QString home = QDir::cleanPath(QDir::homePath());
    if (folder.startsWith(home + QLatin1Char('/')))
        return QStringLiteral("~") + folder.mid(home.size());
    return QDir::toNativeSeparators(folder);
}

} // namespace

QString helpText(int helpId)
{
    registerHelpResources();
    QFile file(QStringLiteral(":/help/%1.txt").arg(helpId));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(file.readAll());
    text.remove(QLatin1Char('\r'));
    while (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    text.replace(QLatin1Char('\n'), CrLf);
    text.replace(QStringLiteral("{DataFolder}"), dataFolderForReaders());
    return text;
}

QString aboutText()
{
    return ApplicationTitle + CrLf
         + QStringLiteral("Version w%1.%2.%3").arg(TorqalVersionMajor).arg(TorqalVersionMinor).arg(TorqalVersionRevision)
         + CrLf + CrLf + QStringLiteral("Vehicle Information/ Inventory Management") + CrLf + CrLf;
}

QString manualTilePath()
{
    registerHelpResources();
    return QStringLiteral(":/help/ManualTile.jpg");
}
