// The yardstick of the start-up benchmark: a bare Qt program, built with the
// same flags as Torqal, that shows one main window with a seven-page tab
// widget of Torqal's main window size and nothing else.

#include <QApplication>
#include <QMainWindow>
#include <QTabWidget>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    auto *tabs = new QTabWidget;
    for (int page = 1; page <= 7; ++page)
        tabs->addTab(new QWidget, QStringLiteral("Page %1").arg(page));
    window.setCentralWidget(tabs);
    window.resize(658, 451);
    window.show();
    return QApplication::exec();
}
