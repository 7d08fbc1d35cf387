#pragma once

#include <QList>
#include <QString>

#include "platform/TestSeam.h"

// Hands a mailto: or http:// address to the desktop, which opens it with the
// user's default program.
class LinkOpener
{
public:
    // False when nothing could open the address.
    static bool open(const QString &target);

    // Test seam. While a Script exists nothing is opened: every target is
    // recorded exactly as given, and open() reports the scripted outcome.
    class Script : public TestSeam<Script>
    {
    public:
        void setFailing(bool fail) { failing = fail; }
        const QList<QString> &targets() const { return opened; }

    private:
        friend class LinkOpener;
        QList<QString> opened;
        bool failing = false;
    };
};
