#include "DueCommand.h"

#include "Csv.h"
#include "RideFacts.h"

#include "reminders/DueDate.h"
#include "reminders/ReminderStore.h"

#include <QFileInfo>

#include <algorithm>

namespace {

struct DueRow
{
    int rideOrder;
    qint64 id;
    QString line;
};

QString dueRow(const RideFact &ride, const Reminder &reminder, const DueDate::Standing &standing)
{
    CsvRow row;
    row.add(ride.label);
    row.add(reminder.description);
    row.add(standing.point.date.isValid() ? standing.point.date.toString(Qt::ISODate) : QString());
    row.add(standing.point.miles ? QString::number(*standing.point.miles) : QString());
    row.add(DueDate::standingText(reminder, standing));
    return row.line();
}

} // namespace

int dueCommand(const QString &folder, int withinDays, QDate today, QTextStream &out, QTextStream &errors)
{
    if (!QFileInfo(folder).isDir()) {
        errors << "torqal-data: " << folder << ": no such folder\n";
        return 2;
    }
    const QDir dir(folder);
    RideFacts rides;
    QString error;
    if (!readRideFacts(dir, rides, error)) {
        errors << "torqal-data: " << error << "\n";
        return 2;
    }
    const ReminderStore store(dir.filePath(ReminderStore::FileName), ReminderStore::Access::ReadOnly);
    QList<Reminder> reminders;
    if (const FileStatus status = store.allReminders(reminders); !status) {
        errors << "torqal-data: " << status.message() << "\n";
        return 2;
    }

    const DueDate::Lead lead{withinDays, DueDate::Lead{}.miles};
    std::vector<DueRow> rows;
    for (const Reminder &reminder : reminders) {
        const auto ride = rides.find(reminder.rideKey);
        if (ride == rides.end())
            continue;
        const DueDate::Standing standing = DueDate::standing(reminder, today, ride->second.miles, lead);
        if (standing.state == DueDate::State::Due || standing.state == DueDate::State::Overdue)
            rows.push_back({ride->second.order, reminder.id, dueRow(ride->second, reminder, standing)});
    }
    std::sort(rows.begin(), rows.end(), [](const DueRow &a, const DueRow &b) {
        return std::tie(a.rideOrder, a.id) < std::tie(b.rideOrder, b.id);
    });

    CsvRow header;
    for (const char *title : {"ride", "description", "due date", "due miles", "state"})
        header.add(QString::fromLatin1(title));
    out << header.line();
    for (const DueRow &row : rows)
        out << row.line;
    return 0;
}
