#pragma once

#include <QPageLayout>
#include <QString>

// The paper of the print queue, with the printer's own unprintable edges as
// the margins and nothing more: positions count from the corner of what the
// printer can print. Asks the print service.
QPageLayout PrinterPaper(const QString &printer);
