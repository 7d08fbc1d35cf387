#include "ride/MainWindowBuilder.h"

#include "ride/MainWindowParts.h"
#include "ui/ButtonLayout.h"
#include "ui/QorButton.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace MainWindowParts;

namespace {

// The ride commands at the left, the ride's name in the middle, the
// program's commands at the right.
QHBoxLayout *commandStrip(MainWindowControls &controls, QWidget *window)
{
    controls.cmdRideAdd = command(window, QStringLiteral("cmdRideAdd"));
    controls.cmdRideEdit = command(window, QStringLiteral("cmdRideEdit"));
    controls.cmdRideDelete = command(window, QStringLiteral("cmdRideDelete"));
    controls.cmdRidePrint = command(window, QStringLiteral("cmdRidePrint"));
    controls.cmdRideSave = command(window, QStringLiteral("cmdRideSave"));
    controls.cmdRideCancel = command(window, QStringLiteral("cmdRideCancel"));
    controls.cmdRideSave->hide();
    controls.cmdRideCancel->hide();

    controls.lblRideName = caption(window, QStringLiteral("lblRideName"), QString());
    controls.lblRideName->setAlignment(Qt::AlignCenter);
    QFont nameFont = controls.lblRideName->font();
    nameFont.setPointSize(12);
    nameFont.setItalic(true);
    nameFont.setBold(true);
    controls.lblRideName->setFont(nameFont);

    controls.lblTabsNotAvailable = caption(window, QStringLiteral("lblTabsNotAvailable"),
                                           QStringLiteral("These tabs are not available while adding/editing basic info"));
    controls.lblTabsNotAvailable->setAlignment(Qt::AlignCenter);
    QPalette warning = controls.lblTabsNotAvailable->palette();
    warning.setColor(QPalette::WindowText, QColor(255, 255, 0));
    controls.lblTabsNotAvailable->setPalette(warning);
    controls.lblTabsNotAvailable->hide();

    auto *middle = new QVBoxLayout;
    middle->setSpacing(0);
    middle->addWidget(controls.lblRideName);
    middle->addWidget(controls.lblTabsNotAvailable);

    controls.cmdEmailFriend = command(window, QStringLiteral("cmdEmailFriend"));
    controls.cmdFadeStatus = command(window, QStringLiteral("cmdFadeStatus"));
    controls.cmdHelp = command(window, QStringLiteral("cmdHelp"));
    controls.cmdQuit = command(window, QStringLiteral("cmdQuit"));

    auto *strip = new QHBoxLayout;
    strip->setSpacing(4);
    for (QorButton *button : {controls.cmdRideAdd, controls.cmdRideEdit, controls.cmdRideDelete, controls.cmdRidePrint,
                              controls.cmdRideSave, controls.cmdRideCancel})
        strip->addWidget(button);
    strip->addSpacing(8);
    strip->addLayout(middle, 1);
    strip->addSpacing(8);
    for (QorButton *button : {controls.cmdEmailFriend, controls.cmdFadeStatus, controls.cmdHelp, controls.cmdQuit})
        strip->addWidget(button);
    return strip;
}

QTabWidget *mainTab(MainWindowControls &controls, QWidget *window)
{
    auto *tabs = new QTabWidget(window);
    tabs->setObjectName(QStringLiteral("MainTab"));
    tabs->setAccessibleName(QStringLiteral("Pages of the ride"));
    tabs->setDocumentMode(false);
    tabs->tabBar()->setExpanding(true);
    // Light steel tabs with dark captions stand out from the dark pages.
    QPalette tabPalette = tabs->tabBar()->palette();
    tabPalette.setColor(QPalette::Window, QColor(206, 212, 222));
    tabPalette.setColor(QPalette::Button, QColor(206, 212, 222));
    tabPalette.setColor(QPalette::WindowText, QColor(16, 24, 40));
    tabPalette.setColor(QPalette::ButtonText, QColor(16, 24, 40));
    tabs->tabBar()->setPalette(tabPalette);
    tabs->addTab(rideTab(controls), QStringLiteral("The 'Ride'"));
    tabs->addTab(boughtSoldTab(controls), QStringLiteral("Bought/Sold"));
    tabs->addTab(miscNotesTab(controls), QStringLiteral("Misc Info/Notes"));
    for (LogKind kind : AllLogKinds)
        tabs->addTab(logTab(controls, kind), logKindInfo(kind).tabCaption);
    controls.MainTab = tabs;
    return tabs;
}

} // namespace

MainWindowControls BuildMainWindow(QWidget *window)
{
    MainWindowControls controls;
    auto *layout = new QVBoxLayout(window);
    layout->setContentsMargins(8, 6, 8, 8);
    layout->setSpacing(6);
    layout->addLayout(commandStrip(controls, window));
    layout->addWidget(mainTab(controls, window), 1);

    QString error;
    if (!LoadButtonLayout(window, QStringLiteral("frmMain"), &error))
        qWarning("%s", qPrintable(error));
    // The stored layouts carry no captions; the window sets its own.
    controls.cmdSelectRide->setCaption(QStringLiteral("Select a\nRide to View..."));
    return controls;
}
