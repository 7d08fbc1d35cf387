#pragma once

#include "logs/LogTab.h"
#include "platform/Currency.h"
#include "ride/MainWindowControls.h"
#include "ride/RideState.h"

#include <QObject>

#include <array>
#include <functional>
#include <memory>

// The four log tabs of the main window, each a LogTab over the window's own
// grid, notes box, total captions and commands, reading the shown ride and
// the AddingEntry/EditingEntry flags from the window's state.
//
// The window comes on screen with its four log pages empty; completePages
// then makes their controls and tabs, right after the window's first paint.
// Whatever uses a log tab before that (a log page chosen, the ride report
// or the history asking for every list) completes the pages first, through
// the same step: no log control is touched before it exists.
//
// When another ride is shown, only a list in view is refilled at once; each
// other list is refilled when its tab comes into view, or when everything is
// asked for (the ride report). So showing a ride with long logs costs no more
// than the lists the user looks at.
class MainWindowLogs
{
public:
    MainWindowLogs(QWidget *window, MainWindowControls &ui, RideState &state);
    ~MainWindowLogs();

    // Makes the controls of the four log pages and their tabs, with the
    // commands' hover texts and print menus; does nothing the second time.
    void completePages();

    // Called after every refill of a list (its totals may have changed).
    void setRefilled(std::function<void(LogKind)> refilled) { m_refilled = std::move(refilled); }
    // Called after the user changed the program's currency from `before`.
    void setCurrencyChanged(std::function<void(const Currency &before)> changed) { m_currencyChanged = std::move(changed); }
    // Torqal.db, which keeps the entries' extras (null when it cannot be used).
    void setDatabase(std::function<ReminderStore *()> database) { m_context.database = std::move(database); }

    // Another ride is shown (or none): the lists follow it as said above.
    void rideChanged();
    // Refills the lists that have not followed the shown ride yet.
    void fillStale();
    // Refills one list if it has not followed the shown ride yet.
    void fillIfStale(LogKind kind);

    // Refill one list with the entries of the shown ride.
    void ListMaintLog() { tab(LogKind::Maintenance).refill(); }
    void ListGoodyLog() { tab(LogKind::Goodies).refill(); }
    void ListTripLog() { tab(LogKind::Trips).refill(); }
    void ListGasLog() { tab(LogKind::Gas).refill(); }
    // The four, in that order, as showing a ride does.
    void refillAll();
    // "Units...": the ride's units and the currency, the lists refilled when
    // either changes.
    void changeUnits();

    // Log kind's tab, its page complete.
    LogTab &tab(LogKind kind);

private:
    void fillTabInView();

    QWidget *m_window;
    MainWindowControls &m_ui;
    RideModel &m_shown; // the logs the lists show
    LogContext m_context;
    std::array<std::unique_ptr<LogTab>, 4> m_tabs;
    std::array<bool, 4> m_stale{};
    bool m_pagesComplete = false;
    std::function<void(LogKind)> m_refilled;
    std::function<void(const Currency &)> m_currencyChanged;
    QObject m_connections; // ends the tab connection with these logs
};
