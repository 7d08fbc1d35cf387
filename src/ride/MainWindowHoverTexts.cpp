#include "ride/MainWindowHoverTexts.h"

#include "platform/Identity.h"
#include "ui/QorButton.h"

#include <array>

namespace {

// Each command draws itself as it comes into view; a hover text changes
// nothing of its look, so none is drawn again here.
void set(QorButton *button, const QString &text)
{
    button->setToolTip(text);
}

QString printEntryText(const char *logName)
{
    return QStringLiteral(" Print the highlighted '") + QLatin1String(logName)
         + QStringLiteral("' entry (including notes, if any) ");
}

} // namespace

void SetMainWindowHoverTexts(const MainWindowControls &controls)
{
    const QString shownRide = QStringLiteral(" the 'ride' now being displayed ");
    set(controls.cmdSelectRide, QStringLiteral(" Choose a ride to view "));
    set(controls.cmdRideAdd, QStringLiteral(" Enter a new 'ride' to your database "));
    set(controls.cmdRideEdit, QStringLiteral(" Edit the information on") + shownRide);
    set(controls.cmdRideDelete, QStringLiteral(" Permanently remove") + shownRide);
    set(controls.cmdRidePrint, QStringLiteral(" Print the information on") + shownRide);
    set(controls.cmdRideHistory, QStringLiteral(" Charts, summary and export for this 'ride' "));
    set(controls.cmdPicAddEdit[1], QStringLiteral(" Add a picture of your ride "));
    set(controls.cmdPicAddEdit[2], QStringLiteral(" Change this picture "));
    set(controls.cmdPicDelete, QStringLiteral(" Remove this Picture "));
    set(controls.cmdLargerPic, QStringLiteral(" See/Print a larger picture "));

    set(controls.cmdBackup, QStringLiteral(" Back up all your rides, logs, reminders and pictures into one file "));
    set(controls.cmdRestore, QStringLiteral(" Restore your records from a backup file "));
    set(controls.cmdHelp, QStringLiteral(" Click here to read the manual "));
    set(controls.cmdQuit, QStringLiteral(" Ready to exit ") + ApplicationTitle + QStringLiteral("? "));
    set(controls.cmdEmailFriend, QStringLiteral(" Tell a friend about ") + ApplicationTitle + QStringLiteral("! "));
}

void SetLogCommandHoverTexts(const MainWindowControls &controls)
{
    struct LogTexts
    {
        const char *add, *edit, *remove, *printName;
    };
    static constexpr std::array<LogTexts, 5> Logs = {{
        {},
        {" Add a new maintenance or repair entry ", " Edit the highlighted maintenance log ",
         " Delete the highlighted maintenance log ", "Maint/Repair"},
        {" Add a new goody to your list ", " Edit the highlighted goody ", " Delete the highlighted goody from your list ",
         "Goody"},
        {" Add a new trip to your list ", " Edit the highlighted trip ", " Delete the highlighted trip from your list ",
         "Trip"},
        {" Add a new gasoline entry to your list ", " Edit the highlighted gasoline entry ",
         " Delete the highlighted gasoline entry from your list ", "gasoline"},
    }};
    for (std::size_t k = 1; k <= 4; ++k) {
        set(controls.cmdLogAdd[k], QLatin1String(Logs[k].add));
        set(controls.cmdLogEdit[k], QLatin1String(Logs[k].edit));
        set(controls.cmdLogDelete[k], QLatin1String(Logs[k].remove));
        set(controls.cmdLogPrint[k], printEntryText(Logs[k].printName));
    }
}

QString FadeStatusHoverText(bool fadeActive)
{
    return (fadeActive ? QStringLiteral(" Disable") : QStringLiteral(" Enable")) + QStringLiteral(" form fade effects ");
}
