#pragma once

#include "data/RecordFile.h"
#include "logs/LogTab.h"
#include "ride/MainWindowControls.h"
#include "ride/RideState.h"

#include <array>
#include <memory>

// The four log tabs of the main window, each a LogTab over the window's own
// grid, notes box, total captions and commands, reading the shown ride and
// the AddingEntry/EditingEntry flags from the window's state.
class MainWindowLogs
{
public:
    MainWindowLogs(QWidget *window, const MainWindowControls &ui, RideState &state, DataFiles &files);
    ~MainWindowLogs();

    // Refill one list with the entries of the shown ride.
    void ListMaintLog() { tab(LogKind::Maintenance).refill(); }
    void ListGoodyLog() { tab(LogKind::Goodies).refill(); }
    void ListTripLog() { tab(LogKind::Trips).refill(); }
    void ListGasLog() { tab(LogKind::Gas).refill(); }
    // The four, in that order, as showing a ride does.
    void refillAll();

    LogTab &tab(LogKind kind) { return *m_tabs[std::size_t(logIndex(kind) - 1)]; }

private:
    std::array<std::unique_ptr<LogTab>, 4> m_tabs;
};
