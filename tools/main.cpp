// torqal-data: looks into Torqal's data files, for people who want to read or
// rescue them. It only reads; it never changes a file.

#include "CheckCommand.h"
#include "DueCommand.h"
#include "DumpCommand.h"

#include "reminders/DueDate.h"

#include <QCoreApplication>
#include <QDate>
#include <QStringList>
#include <QTextStream>

#include <cstdio>

namespace {

// The DAYS of `due FOLDER --within DAYS`: a whole number of days from 0 to
// 36500 (a hundred years); -1 for anything else.
int withinDays(const QStringList &arguments)
{
    if (arguments.size() == 2)
        return DueDate::Lead{}.days;
    bool number = false;
    const int days = arguments.size() == 4 && arguments[2] == QLatin1String("--within") ? arguments[3].toInt(&number) : -1;
    return number && days >= 0 && days <= 36500 ? days : -1;
}

} // namespace

int main(int argc, char *argv[])
{
    // The reminders database is read through Qt's SQL plug-in, which needs an application object.
    QCoreApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();

    QTextStream out(stdout);
    QTextStream errors(stderr);
    int result = 2;
    if (arguments.size() == 2 && arguments[0] == QLatin1String("dump"))
        result = dumpCommand(arguments[1], out, errors);
    else if (!arguments.isEmpty() && arguments.size() <= 2 && arguments[0] == QLatin1String("check"))
        result = checkCommand(arguments.value(1, QStringLiteral(".")), out, errors);
    else if (arguments.size() >= 2 && arguments[0] == QLatin1String("due") && withinDays(arguments) >= 0)
        result = dueCommand(arguments[1], withinDays(arguments), QDate::currentDate(), out, errors);
    else
        errors << "usage: torqal-data dump FILE | torqal-data check [FOLDER] | torqal-data due FOLDER [--within DAYS]\n";
    out.flush();
    errors.flush();
    return result;
}
