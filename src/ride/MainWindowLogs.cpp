#include "ride/MainWindowLogs.h"

#include "ride/PrintCommands.h"

#include "ui/NotesBox.h"
#include "ui/QorButton.h"

#include <QTabWidget>

#include <utility>

MainWindowLogs::MainWindowLogs(QWidget *window, const MainWindowControls &ui, RideState &state)
    : m_mainTab(ui.MainTab)
{
    LogContext context;
    context.window = window;
    context.addingEntry = &state.AddingEntry;
    context.editingEntry = &state.EditingEntry;
    context.rideKey = [&state] { return state.CurrentRideKey; };
    context.rideShown = [&state] { return state.CurrentRide > 0; };

    for (LogKind kind : AllLogKinds) {
        const auto k = std::size_t(logIndex(kind));
        LogTabControls controls;
        controls.grid = ui.grid[k];
        controls.notes = qobject_cast<NotesBox *>(ui.txtField[k + 27]);
        controls.notesCaption = ui.lblField[k + 27];
        const std::array<int, 3> &totals = logKindInfo(kind).totalCaptions;
        for (std::size_t i = 0; i < totals.size(); ++i)
            controls.totals[i] = totals[i] > 0 ? ui.lblTotal[std::size_t(totals[i])] : nullptr;
        controls.add = ui.cmdLogAdd[k];
        controls.edit = ui.cmdLogEdit[k];
        controls.remove = ui.cmdLogDelete[k];
        controls.print = ui.cmdLogPrint[k];
        controls.tabs = ui.MainTab;
        m_tabs[k - 1] = std::make_unique<LogTab>(controls, context);
        m_tabs[k - 1]->setPrintCommand([window, &ui, kind] { PrintHighlightedLogEntry(window, ui, kind); });
        OfferPrintDialog(ui.cmdLogPrint[k],
                         [window, &ui, kind] { PrintHighlightedLogEntry(window, ui, kind, PrintCommand::PrintTo); });
    }
    QObject::connect(m_mainTab, &QTabWidget::currentChanged, &m_connections, [this] { fillTabInView(); });
}

MainWindowLogs::~MainWindowLogs() = default;

void MainWindowLogs::refillAll()
{
    m_stale.fill(false);
    ListMaintLog();
    ListGoodyLog();
    ListTripLog();
    ListGasLog();
}

void MainWindowLogs::rideChanged()
{
    m_stale.fill(true);
    fillTabInView();
}

void MainWindowLogs::fillStale()
{
    for (LogKind kind : AllLogKinds)
        fillIfStale(kind);
}

void MainWindowLogs::fillIfStale(LogKind kind)
{
    if (std::exchange(m_stale[std::size_t(logIndex(kind) - 1)], false))
        tab(kind).refill();
}

// Log k is on tab k + 2.
void MainWindowLogs::fillTabInView()
{
    const int k = m_mainTab->currentIndex() - 2;
    if (k >= 1 && k <= 4 && std::exchange(m_stale[std::size_t(k - 1)], false))
        m_tabs[std::size_t(k - 1)]->refill();
}
