#include "platform/LinkOpener.h"

#include <QDesktopServices>
#include <QUrl>

bool LinkOpener::open(const QString &target)
{
    if (Script *script = Script::active()) {
        script->opened.append(target);
        return !script->failing;
    }
    // Tolerant parsing keeps the %0D%0A line breaks that are already encoded
    // and encodes the blanks the address may contain.
    const QUrl url(target, QUrl::TolerantMode);
    return url.isValid() && QDesktopServices::openUrl(url);
}
