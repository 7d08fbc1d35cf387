#include "ride/MainWindowLogs.h"

#include "model/RideFields.h"
#include "platform/ValueFormats.h"
#include "ride/MainWindowBuilder.h"
#include "ride/MainWindowHoverTexts.h"
#include "ride/PrintCommands.h"
#include "ride/RideUnitsWindow.h"
#include "store/LogScan.h"

#include "ui/NotesBox.h"
#include "ui/QorButton.h"

#include <QPushButton>
#include <QTabWidget>
#include <QTableView>

#include <utility>

MainWindowLogs::MainWindowLogs(QWidget *window, MainWindowControls &ui, RideState &state)
    : m_window(window), m_ui(ui), m_shown(state.Shown)
{
    m_context.window = window;
    m_context.addingEntry = &state.AddingEntry;
    m_context.editingEntry = &state.EditingEntry;
    m_context.rideKey = [&state] { return state.CurrentRideKey; };
    m_context.rideShown = [&state] { return state.CurrentRide > 0; };
    QObject::connect(m_ui.MainTab, &QTabWidget::currentChanged, &m_connections, [this] { fillTabInView(); });
}

MainWindowLogs::~MainWindowLogs() = default;

void MainWindowLogs::changeUnits()
{
    ReminderStore *database = m_context.rideShown() && m_context.database ? m_context.database() : nullptr;
    if (!database)
        return; // the reminders' service has said why Torqal.db cannot be used
    const double rideKey = m_context.rideKey();
    const bool hasEntries =
        !Store::scanLog(LogKind::Trips, rideKey).value.empty() || !Store::scanLog(LogKind::Gas, rideKey).value.empty();
    const Currency before = ValueFormats::currency();
    const RideUnitsChanges changes = ChangeRideUnits(m_window, *database, rideKey, hasEntries);
    if (changes.units || changes.currency)
        refillAll();
    if (changes.currency && m_currencyChanged)
        m_currencyChanged(before);
}

void MainWindowLogs::completePages()
{
    if (std::exchange(m_pagesComplete, true))
        return;
    BuildLogPages(m_ui, m_shown);
    SetLogCommandHoverTexts(m_ui);
    QObject::connect(m_ui.cmdRideUnits, &QPushButton::clicked, &m_connections, [this] { changeUnits(); });
    QWidget *window = m_window;
    const MainWindowControls &ui = m_ui;
    for (LogKind kind : AllLogKinds) {
        const auto k = std::size_t(logIndex(kind));
        LogTabControls controls;
        controls.grid = ui.grid[k];
        const auto notes = std::size_t(RideFields::logNotesBox(logIndex(kind)));
        controls.notes = qobject_cast<NotesBox *>(ui.txtField[notes]);
        controls.notesCaption = ui.lblField[notes];
        const std::array<int, 3> &totals = logKindInfo(kind).totalCaptions;
        for (std::size_t i = 0; i < totals.size(); ++i)
            controls.totals[i] = totals[i] > 0 ? ui.lblTotal[std::size_t(totals[i])] : nullptr;
        controls.add = ui.cmdLogAdd[k];
        controls.edit = ui.cmdLogEdit[k];
        controls.remove = ui.cmdLogDelete[k];
        controls.print = ui.cmdLogPrint[k];
        controls.tabs = ui.MainTab;
        auto tab = std::make_unique<LogTab>(controls, m_context);
        // The highlighted row, -1 for none.
        const auto highlighted = [grid = ui.grid[k]] { return grid->currentIndex().isValid() ? grid->currentIndex().row() : -1; };
        tab->setPrintCommand([this, window, highlighted, kind] { PrintLogEntry(window, m_shown, kind, highlighted()); });
        OfferPrintDialog(ui.cmdLogPrint[k], [this, window, highlighted, kind] {
            PrintLogEntry(window, m_shown, kind, highlighted(), PrintCommand::PrintTo);
        });
        QObject::connect(tab.get(), &LogTab::refilled, &m_connections, [this, kind] {
            if (m_refilled)
                m_refilled(kind);
        });
        m_tabs[k - 1] = std::move(tab);
    }
}

LogTab &MainWindowLogs::tab(LogKind kind)
{
    completePages();
    return *m_tabs[std::size_t(logIndex(kind) - 1)];
}

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
    LogTab &shown = tab(kind);
    if (std::exchange(m_stale[std::size_t(logIndex(kind) - 1)], false))
        shown.refill();
}

// A log page that comes into view is complete, its list following the ride.
void MainWindowLogs::fillTabInView()
{
    const int k = m_ui.MainTab->currentIndex() - LogTabOffset;
    if (k >= 1 && k <= 4)
        fillIfStale(AllLogKinds[std::size_t(k - 1)]);
}
