#pragma once

#include "history/ImportWindow.h"

#include <QTest>

// Lets the import window's reading or writing end, as its worker reports it
// through the event loop; false when it has not ended within a minute (a
// busy machine).
inline bool importSettled(const ImportWindow &window)
{
    return QTest::qWaitFor([&] { return !window.busy(); }, 60000);
}
