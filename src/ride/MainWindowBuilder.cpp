#include "ride/MainWindowBuilder.h"

#include "model/RideModel.h"
#include "ride/MainWindowParts.h"
#include "ui/ButtonLayout.h"
#include "ui/QorButton.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

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
    controls.cmdRideHistory = command(window, QStringLiteral("cmdRideHistory"));
    controls.cmdRideSave = command(window, QStringLiteral("cmdRideSave"));
    controls.cmdRideCancel = command(window, QStringLiteral("cmdRideCancel"));
    controls.cmdRideSave->hide();
    controls.cmdRideCancel->hide();

    controls.lblRideName = caption(window, QStringLiteral("lblRideName"), QString());
    controls.lblRideName->setAlignment(Qt::AlignCenter);
    QFont nameFont = controls.lblRideName->font();
    nameFont.setPointSize(RideNameSize::Viewing);
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

    controls.cmdReminders = new QPushButton(window);
    controls.cmdReminders->setObjectName(QStringLiteral("cmdReminders"));
    // Named by its text ("2 reminders due (1 overdue)"), described by what it does.
    const QString opens = QStringLiteral("Open the reminders of this ride on the Reminders page of its history");
    controls.cmdReminders->setToolTip(u' ' + opens + u' ');
    controls.cmdReminders->setAccessibleDescription(opens);
    controls.cmdReminders->setFlat(true);
    controls.cmdReminders->setCursor(Qt::PointingHandCursor);
    // Enter presses it, as Space does (outside a dialog a push button takes
    // Enter only as an auto-default one).
    controls.cmdReminders->setAutoDefault(true);
    controls.cmdReminders->hide();

    auto *middle = new QVBoxLayout;
    middle->setSpacing(0);
    middle->addStretch();
    middle->addWidget(controls.lblRideName);
    middle->addWidget(controls.cmdReminders, 0, Qt::AlignHCenter);
    middle->addWidget(controls.lblTabsNotAvailable);
    middle->addStretch();

    controls.cmdBackup = command(window, QStringLiteral("cmdBackup"));
    controls.cmdRestore = command(window, QStringLiteral("cmdRestore"));
    controls.cmdEmailFriend = command(window, QStringLiteral("cmdEmailFriend"));
    controls.cmdFadeStatus = command(window, QStringLiteral("cmdFadeStatus"));
    controls.cmdHelp = command(window, QStringLiteral("cmdHelp"));
    controls.cmdQuit = command(window, QStringLiteral("cmdQuit"));

    auto *strip = new QHBoxLayout;
    strip->setSpacing(4);
    for (QorButton *button : {controls.cmdRideAdd, controls.cmdRideEdit, controls.cmdRideDelete, controls.cmdRidePrint,
                              controls.cmdRideHistory, controls.cmdRideSave, controls.cmdRideCancel})
        strip->addWidget(button);
    strip->addSpacing(8);
    strip->addLayout(middle, 1);
    strip->addSpacing(8);
    for (QorButton *button : {controls.cmdBackup, controls.cmdRestore, controls.cmdEmailFriend, controls.cmdFadeStatus,
                              controls.cmdHelp, controls.cmdQuit})
        strip->addWidget(button);
    // The strip keeps its height in both looks of the middle: the ride's name
    // alone, or the smaller editing caption above the line on the log tabs,
    // so that the tabs below never move.
    QFont editingFont = nameFont;
    editingFont.setPointSize(RideNameSize::Editing);
    strip->addStrut(std::max(QFontMetrics(nameFont).height(), QFontMetrics(editingFont).height()
                                                                  + controls.lblTabsNotAvailable->sizeHint().height()));
    return strip;
}

// The main window's buttons take their looks from its stored layout.
void loadStoredLayouts(const QList<QorButton *> &buttons)
{
    QString error;
    if (!LoadButtonLayoutInto(buttons, QStringLiteral("frmMain"), &error))
        qWarning("%s", qPrintable(error));
}

// Alt+1 to Alt+7 open the seven pages, each named in its tab's hover text
// (Ctrl+Tab goes from page to page as well). The keyboard then stays on the
// tab, so that Tab goes on into the page just opened. A page not open to
// choice (the logs while a ride is edited) stays closed.
void pageShortcuts(QTabWidget *tabs, QWidget *window)
{
    for (int index = 0; index < tabs->count(); ++index) {
        const QKeySequence keys(Qt::ALT | Qt::Key(Qt::Key_1 + index));
        tabs->setTabToolTip(index, QStringLiteral("%1 (%2)").arg(tabs->tabText(index),
                                                                keys.toString(QKeySequence::NativeText)));
        auto *shortcut = new QShortcut(keys, window);
        QObject::connect(shortcut, &QShortcut::activated, tabs, [tabs, index] {
            if (!tabs->isTabEnabled(index))
                return;
            tabs->setCurrentIndex(index);
            tabs->tabBar()->setFocus(Qt::ShortcutFocusReason);
        });
    }
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
    tabs->addTab(page(QStringLiteral("tabBoughtSold")), QStringLiteral("Bought/Sold"));
    tabs->addTab(page(QStringLiteral("tabMiscNotes")), QStringLiteral("Misc Info/Notes"));
    for (LogKind kind : AllLogKinds)
        tabs->addTab(emptyLogPage(kind), logKindInfo(kind).tabCaption);
    // A disabled tab cannot be chosen, however the choice comes: assistive
    // technology selects a tab without asking whether it is enabled.
    QObject::connect(tabs, &QTabWidget::currentChanged, tabs, [tabs, chosen = 0](int index) mutable {
        if (index >= 0 && !tabs->isTabEnabled(index))
            tabs->setCurrentIndex(chosen);
        else
            chosen = index;
    });
    pageShortcuts(tabs, window);
    controls.MainTab = tabs;
    return tabs;
}

} // namespace

MainWindowControls BuildMainWindow(QWidget *window)
{
    MainWindowControls controls;
    auto *content = new QWidget;
    content->setObjectName(QStringLiteral("MainContent"));
    auto *layout = new QVBoxLayout(content);
    layout->setContentsMargins(8, 6, 8, 8);
    layout->setSpacing(6);
    layout->addLayout(commandStrip(controls, window));
    layout->addWidget(mainTab(controls, window), 1);

    // On a screen smaller than the window's design the content scrolls; the
    // window's own background shows through.
    auto *scroller = new QScrollArea(window);
    scroller->setFrameShape(QFrame::NoFrame);
    // Not a stop of its own when Tab goes round the controls.
    scroller->setFocusPolicy(Qt::NoFocus);
    scroller->setWidgetResizable(true);
    scroller->viewport()->setAutoFillBackground(false);
    scroller->setWidget(content);
    auto *windowLayout = new QVBoxLayout(window);
    windowLayout->setContentsMargins(0, 0, 0, 0);
    windowLayout->addWidget(scroller);

    loadStoredLayouts(window->findChildren<QorButton *>());
    // The stored layouts carry no captions; the window sets its own.
    controls.cmdSelectRide->setCaption(QStringLiteral("Select a\nRide to View..."));
    return controls;
}

void BuildRidePages(MainWindowControls &controls)
{
    buildBoughtSoldPage(controls, controls.MainTab->widget(BoughtSoldTab));
    buildMiscNotesPage(controls, controls.MainTab->widget(MiscNotesTab));
}

void BuildLogPages(MainWindowControls &controls, RideModel &shown)
{
    QList<QorButton *> commands;
    for (LogKind kind : AllLogKinds) {
        const auto k = std::size_t(logIndex(kind));
        buildLogPage(controls, shown.log(kind), controls.MainTab->widget(logIndex(kind) + LogTabOffset));
        commands << controls.cmdLogAdd[k] << controls.cmdLogEdit[k] << controls.cmdLogDelete[k] << controls.cmdLogPrint[k];
    }
    loadStoredLayouts(commands);
}

QSize MainWindowContentSize(const QWidget *window)
{
    const auto *content = window->findChild<const QWidget *>(QStringLiteral("MainContent"));
    return content ? content->minimumSizeHint() : QSize();
}
