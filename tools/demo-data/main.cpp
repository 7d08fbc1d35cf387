// torqal-demo-data: fills a data folder with a few demo rides and their logs,
// for trying the program out (`make demo`).
//   torqal-demo-data DATA_FOLDER

#include "DemoWriter.h"

#include <QCoreApplication>
#include <QDate>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QTextStream errors(stderr);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.size() != 1) {
        errors << "usage: torqal-demo-data DATA_FOLDER\n";
        return 2;
    }
    const QString problem = writeDemoData(arguments[0], QDate::currentDate());
    if (!problem.isEmpty()) {
        errors << "torqal-demo-data: " << problem << "\n";
        return 1;
    }
    return 0;
}
