#pragma once

#include "logs/LogTab.h"
#include "ride/MainWindowControls.h"
#include "ride/RideState.h"

#include <QObject>

#include <array>
#include <memory>

// The four log tabs of the main window, each a LogTab over the window's own
// grid, notes box, total captions and commands, reading the shown ride and
// the AddingEntry/EditingEntry flags from the window's state.
//
// When another ride is shown, only a list in view is refilled at once; each
// other list is refilled when its tab comes into view, or when everything is
// asked for (the ride report). So showing a ride with long logs costs no more
// than the lists the user looks at.
class MainWindowLogs
{
public:
    MainWindowLogs(QWidget *window, const MainWindowControls &ui, RideState &state);
    ~MainWindowLogs();

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

    LogTab &tab(LogKind kind) { return *m_tabs[std::size_t(logIndex(kind) - 1)]; }

private:
    void fillTabInView();

    QTabWidget *m_mainTab;
    std::array<std::unique_ptr<LogTab>, 4> m_tabs;
    std::array<bool, 4> m_stale{};
    QObject m_connections; // ends the tab connection with these logs
};
