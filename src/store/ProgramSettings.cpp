#include "store/ProgramSettings.h"

#include "store/ReminderSchema.h"
#include "store/ReminderStore.h"
#include "store/SqlFailure.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

#include <map>

namespace {

const QString Table = QStringLiteral("program_setting");
const QString SymbolName = QStringLiteral("currency_symbol");
const QString SideName = QStringLiteral("currency_side");
const QString SpacedName = QStringLiteral("currency_spaced");
const QString After = QStringLiteral("after");
const QString Yes = QStringLiteral("yes");

FileStatus readSettings(QSqlDatabase &database, const QString &fileName, std::map<QString, QString> &settings)
{
    settings.clear();
    bool holds = false;
    if (FileStatus status = ReminderSchema::holdsTable(database, fileName, Table, holds); !status || !holds)
        return status;
    QSqlQuery query(database);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT name, value FROM program_setting")))
        return sqlFailure(fileName, QStringLiteral("read ") + fileName, query.lastError());
    while (query.next())
        settings[query.value(0).toString()] = query.value(1).toString();
    return {};
}

FileStatus putSetting(QSqlDatabase &database, const QString &fileName, const QString &name, const QString &value)
{
    QSqlQuery query(database);
    query.prepare(QStringLiteral("INSERT OR REPLACE INTO program_setting (name, value) VALUES (?, ?)"));
    query.addBindValue(name);
    query.addBindValue(value);
    if (!query.exec())
        return sqlFailure(fileName, QStringLiteral("store the currency in ") + fileName, query.lastError());
    return {};
}

} // namespace

namespace ProgramSettingsTable {

QStringList tables()
{
    return {QStringLiteral("CREATE TABLE IF NOT EXISTS program_setting (name TEXT PRIMARY KEY, value TEXT NOT NULL)")};
}

} // namespace ProgramSettingsTable

namespace Store {

FileStatus readCurrency(const ReminderStore &database, std::optional<Currency> &currency)
{
    currency.reset();
    std::map<QString, QString> settings;
    if (FileStatus status = database.read([&](QSqlDatabase &db) { return readSettings(db, database.path(), settings); });
        !status)
        return status;
    const auto symbol = settings.find(SymbolName);
    if (symbol == settings.end() || !Currency::isSymbol(symbol->second))
        return {};
    Currency stored;
    stored.symbol = symbol->second;
    stored.side = settings[SideName] == After ? Currency::Side::After : Currency::Side::Before;
    stored.spaced = settings[SpacedName] == Yes;
    currency = stored;
    return {};
}

Currency currencyOf(const ReminderStore &database, const QLocale &locale)
{
    std::optional<Currency> stored;
    (void)readCurrency(database, stored);
    return stored.value_or(Currency::ofLocale(locale));
}

FileStatus putCurrency(ReminderStore &database, const Currency &currency)
{
    return database.change(QStringLiteral("store the currency"), 0, [&](QSqlDatabase &db) {
        const QString &file = database.path();
        FileStatus status = putSetting(db, file, SymbolName, currency.symbol);
        if (status)
            status = putSetting(db, file, SideName, currency.side == Currency::Side::After ? After : QStringLiteral("before"));
        if (status)
            status = putSetting(db, file, SpacedName, currency.spaced ? Yes : QStringLiteral("no"));
        return status;
    });
}

} // namespace Store
