#include "platform/Links.h"

#include "platform/Identity.h"
#include "platform/LinkOpener.h"
#include "platform/MessageBox.h"

#include <QPointer>
#include <QWidget>

QString LinkTarget(int mode, const QString &text)
{
    switch (mode) {
    case LinkMode::Email: return QStringLiteral("mailto:") + (text.isEmpty() ? Maker::EmailAddress : text);
    case LinkMode::Web: return QStringLiteral("http://") + (text.isEmpty() ? Maker::WebAddress : text);
    default: return {};
    }
}

void OpenLink(int mode, QWidget *owner, const QString &text)
{
    const auto tell = [owner = QPointer<QWidget>(owner)] {
        MessageBox::tell(owner, QStringLiteral("Error"), QStringLiteral("Could not establish an internet connection!"),
                         MessageBox::Icon::Critical);
    };
    const QString target = LinkTarget(mode, text);
    if (target.isEmpty())
        tell();
    else
        LinkOpener::open(target, tell);
}

QString TellAFriendText()
{
    const QString paragraphBreak = QStringLiteral("%0D%0A%0D%0A");
    return QStringLiteral("?subject=") + QStringLiteral("'") + ApplicationTitle
         + QStringLiteral("' Vehicle Management program from ") + Maker::Name + QStringLiteral("&body=")
         + QStringLiteral("I wanted to tell you about a vehicle management program from ") + Maker::Name
         + QStringLiteral(" called '") + ApplicationTitle
         + QStringLiteral("' that is really good, and I thought you might want to know about it.") + paragraphBreak
         + QStringLiteral("You can download and install it for free at ") + Maker::Name
         + QStringLiteral("'s web site (") + Maker::WebAddress + QStringLiteral("). The direct download link is")
         + paragraphBreak + QStringLiteral("http://") + Maker::WebAddress + Maker::DownloadPath + paragraphBreak
         + QStringLiteral("Check it out if you want and let me know what you think about it.");
}
