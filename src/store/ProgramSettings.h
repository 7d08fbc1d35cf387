#pragma once

#include "data/FileStatus.h"
#include "platform/Currency.h"

#include <QStringList>

#include <optional>

class QSqlDatabase;
class ReminderStore;

// The settings of the whole program that belong with its data rather than
// with the desktop: the currency the amounts are in. They live in Torqal.db
// as rows of a name and a text value; a setting without its row has its
// default (the currency of the desktop's locale), as in a file an older
// Torqal wrote.
namespace ProgramSettingsTable {

// The table's statements, an addition to the database's layout.
QStringList tables();

} // namespace ProgramSettingsTable

namespace Store {

// The stored currency; none when it was never chosen, or when what is
// stored is no currency this program can write (a symbol it would not read
// back), so that the default applies. A file without the table holds none.
FileStatus readCurrency(const ReminderStore &database, std::optional<Currency> &currency);
// The currency amounts are written in: the stored one, else the locale's
// (also when the file cannot be read: the reminders' service tells why).
Currency currencyOf(const ReminderStore &database, const QLocale &locale = QLocale());
// Stores the currency in one transaction.
FileStatus putCurrency(ReminderStore &database, const Currency &currency);

} // namespace Store
