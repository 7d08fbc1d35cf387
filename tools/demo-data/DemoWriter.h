#pragma once

#include <QDate>
#include <QString>

// Fills a data folder with the demo rides (DemoRides.h): the five data files
// written through the data store, the reminders database, and the rides'
// pictures as PNG files in its "Pictures" folder, whose full paths the rides
// keep. Creates the folder when missing. Refuses a folder that already holds
// a data file or a reminders database, so that nobody's records are ever
// mixed with the demo's.
// Returns an empty text on success, otherwise what went wrong.
QString writeDemoData(const QString &dataFolder, QDate today);
