#include "DueCommand.h"

#include "history/Csv.h"
#include "ReminderReading.h"
#include "RideFacts.h"

#include "reminders/DueDate.h"

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
    if (!isFolder(folder, errors))
        return 2;
    const QDir dir(folder);
    RideFacts rides;
    QString error;
    if (!readRides(dir, rides, error)) {
        errors << "torqal-data: " << error << "\n";
        return 2;
    }
    const ReminderReading reading = readReminders(dir);
    if (reading.verdict != ReminderReading::Verdict::Read && reading.verdict != ReminderReading::Verdict::Missing) {
        errors << "torqal-data: " << reading.problem << "\n";
        return 2;
    }
    if (!readRideMiles(dir, reading, rides, error)) {
        errors << "torqal-data: " << error << "\n";
        return 2;
    }

    const DueDate::Lead lead{withinDays, DueDate::Lead{}.miles};
    std::vector<DueRow> rows;
    for (const Reminder &reminder : reading.reminders) {
        const auto ride = rides.find(reminder.rideKey);
        if (ride == rides.end())
            continue;
        const DueDate::Standing standing = DueDate::standing(reminder, today, ride->second.miles(), lead);
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

Verb dueVerb()
{
    const QCommandLineOption within(QStringLiteral("within"),
                                    QStringLiteral("List what falls due within DAYS days from today (0 to 36500; %1 "
                                                   "unless given) as well as what is overdue.")
                                        .arg(DueDate::Lead{}.days),
                                    QStringLiteral("DAYS"));
    CommandLine::Usage usage;
    usage.command = QStringLiteral("torqal-data due");
    usage.summary = QStringLiteral("Lists the reminders that are overdue or fall due soon, as CSV.");
    usage.description = QStringLiteral(
        "Reads the reminders database Torqal.db beside the data files and prints a header row, then one row per "
        "reminder that is overdue, or due within DAYS days or %1 miles: the ride, the description, the due date "
        "(yyyy-mm-dd), the due miles and the standing (\"overdue by 3 days\", \"due in 12 days / 340 miles\"), "
        "ride by ride in the order of the ride file. Reminders of rides no longer on file are left out "
        "(\"torqal-data check\" names them). Nothing is changed.\n\n"
        "A ride's miles are its odometer now, as Torqal counts them: its latest odometer reading plus the miles of the "
        "fill-ups since; else the reading when it was bought plus every fill-up's miles; else the gasoline log's "
        "total miles.\n\n"
        "A change to the reminders that a crash cut short is read as undone, as Torqal will undo it when it next opens "
        "the database.\n\n"
        "Exit status: 0 whether or not anything is due, so that a scheduled job can mail the output; 2 when the "
        "folder, a data file or the reminders database cannot be read (also while another program is changing the "
        "database, or when it is damaged).")
                            .arg(DueDate::Lead{}.miles);
    usage.options = {within};
    usage.arguments = {folderArgument()};
    usage.offersVersion = false;
    return {usage, [usage, within](const QCommandLineParser &parser, QTextStream &out, QTextStream &errors) {
                int days = DueDate::Lead{}.days;
                if (parser.isSet(within)) {
                    bool number = false;
                    days = parser.value(within).toInt(&number);
                    if (!number || days < 0 || days > 36500)
                        return CommandLine::refuse(usage, QStringLiteral("--within takes a whole number of days from 0 to 36500, not '%1'").arg(parser.value(within)), errors);
                }
                return dueCommand(folderOf(parser), days, QDate::currentDate(), out, errors);
            }};
}
