#include "app/StartUp.h"
#include "platform/SingleInstance.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    ConfigureApplication();
    SingleInstance instance;
    if (!StartProgram(instance))
        return 1;
    return QApplication::exec();
}
