#pragma once

#include "ride/MainWindowControls.h"
#include "ride/MainWindowLogs.h"
#include "ride/RideCommands.h"
#include "ride/RideReminders.h"
#include "ride/RideState.h"

#include <QWidget>

#include <functional>
#include <memory>

// The main window: one ride at a time on seven tabs, with the program's
// commands. It lives from the end of the start-up until the program ends,
// which happens only through the quit command or the close box, both asking
// first.
class frmMain : public QWidget
{
    Q_OBJECT

public:
    // The load step: controls, fade set-up, size, caption, background.
    explicit frmMain(QWidget *parent = nullptr);

    const MainWindowControls &controls() const { return ui; }

    // The application state, for the whole run.
    RideState &state() { return m_state; }
    RideCommands &rides() { return *m_rides; }
    MainWindowLogs &logs() { return *m_logs; }
    RideReminders &reminders() { return *m_reminders; }

    // Shows the manual at a topic, modally over owner: the manual window
    // unless a test put its own opener in place (an empty one restores it).
    using ManualOpener = std::function<void(QWidget *owner, int topic)>;
    static void setManualOpener(ManualOpener opener);

    void cmdHelp_Click();
    void cmdFadeStatus_Click();
    void cmdFadeStatus_MouseMove();
    void cmdQuit_Click();
    void cmdEmailFriend_Click();
    // The history window of the shown ride, with its "Reminders" page; the
    // notice under the ride's name opens it on that page.
    void cmdRideHistory_Click(bool remindersFirst = false);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void setUpFade();
    void fitToContent();
    void completePages();
    void activateFirstTime();
    void takeStoredCurrency();
    void askToQuit();
    void endProgram();

    MainWindowControls ui;
    RideState m_state;
    std::unique_ptr<MainWindowLogs> m_logs;
    std::unique_ptr<RideCommands> m_rides;
    std::unique_ptr<RideReminders> m_reminders;
    bool activated = false;
    bool m_onScreen = false; // the first display is on screen
    bool ending = false;
};
