// torqal-data: looks into Torqal's data files, for people who want to read or
// rescue them. It only reads; it never changes a file.

#include "CheckCommand.h"
#include "DumpCommand.h"

#include <QStringList>
#include <QTextStream>

#include <cstdio>

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QTextStream out(stdout);
    QTextStream errors(stderr);
    int result = 2;
    if (arguments.size() == 2 && arguments[0] == QLatin1String("dump"))
        result = dumpCommand(arguments[1], out, errors);
    else if (!arguments.isEmpty() && arguments.size() <= 2 && arguments[0] == QLatin1String("check"))
        result = checkCommand(arguments.value(1, QStringLiteral(".")), out, errors);
    else
        errors << "usage: torqal-data dump FILE | torqal-data check [FOLDER]\n";
    out.flush();
    errors.flush();
    return result;
}
