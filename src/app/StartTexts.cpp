#include "app/StartTexts.h"

#include "help/HelpTexts.h"
#include "platform/Identity.h"

#include <QStringList>

namespace StartTexts {

namespace {
const QString CrLf = QStringLiteral("\r\n");
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

QString screenResolutionMessage(QSize screenPixels)
{
    const QStringList lines = {
        ApplicationTitle + QStringLiteral(" is designed for use on a"),
        QStringLiteral("screen resolution of at least 800x600. "),
        QString(),
        ApplicationTitle + QStringLiteral(" will not display correctly on"),
        QStringLiteral("your current screen resolution (%1x%2).").arg(screenPixels.width()).arg(screenPixels.height()),
        QString(),
        QStringLiteral("You can adjust your screen resolution by"),
        QStringLiteral("right-clicking anywhere on your desktop,"),
        QStringLiteral("select <Properties>, then <Settings>,"),
        QStringLiteral("and then select and accept at least"),
        QStringLiteral("800x600 as your 'Screen Area'."),
    };
    return lines.join(CrLf);
}

} // namespace StartTexts
