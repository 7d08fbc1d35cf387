#include "app/StartTexts.h"

#include "help/HelpTexts.h"
#include "platform/Identity.h"
#include "platform/LineBreaks.h"

#include <QStringList>

namespace StartTexts {

namespace {
constexpr int OverviewTextId = 1000;
constexpr int NarrowestWidth = 800;
} // namespace

QString versionText(int major, int minor, int revision)
{
    return QStringLiteral("Version w%1.%2.%3").arg(major).arg(minor).arg(revision);
}

QString description()
{
    return QStringLiteral("Vehicle Information/ Inventory Management");
}

QString overview()
{
    return QStringLiteral("Welcome from ") + Maker::Name + QStringLiteral("! Are you a new user? ")
         + QStringLiteral("If so, then let's take a moment for a quick overview.") + CrLf + CrLf
         + helpText(OverviewTextId);
}

bool screenTooNarrow(QSize screenPixels)
{
    return screenPixels.width() < NarrowestWidth;
}

QString screenResolutionTitle()
{
    return QStringLiteral("Screen Resolution Issue");
}

QString displaySettings(const QString &desktop)
{
    // XDG_CURRENT_DESKTOP lists the desktop's names, most specific first.
    struct Place
    {
        const char *desktop;
        const char *settings;
    };
    static const Place places[] = {
        {"GNOME", "Settings, then Displays,"},
        {"Unity", "Settings, then Displays,"},
        {"KDE", "System Settings, then Display and Monitor,"},
        {"XFCE", "Settings Manager, then Display,"},
        {"X-Cinnamon", "System Settings, then Display,"},
        {"MATE", "Control Center, then Displays,"},
        {"LXQt", "LXQt Configuration Center, then Monitor Settings,"},
    };
    for (const QString &name : desktop.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        for (const Place &place : places) {
            if (name.compare(QLatin1String(place.desktop), Qt::CaseInsensitive) == 0)
                return QLatin1String(place.settings);
        }
    }
    return QStringLiteral("your desktop's display settings,");
}

QString screenResolutionMessage(QSize screenPixels, const QString &desktop)
{
    const QStringList lines = {
        ApplicationTitle + QStringLiteral(" is designed for use on a"),
        QStringLiteral("screen resolution of at least 800x600. "),
        QString(),
        ApplicationTitle + QStringLiteral(" will not display correctly on"),
        QStringLiteral("your current screen resolution (%1x%2).").arg(screenPixels.width()).arg(screenPixels.height()),
        QString(),
        QStringLiteral("You can adjust your screen resolution in"),
        displaySettings(desktop),
        QStringLiteral("and then select and accept at least"),
        QStringLiteral("800x600 as the resolution, or a smaller"),
        QStringLiteral("scale if the desktop enlarges everything."),
    };
    return lines.join(CrLf);
}

} // namespace StartTexts
