#pragma once

#include "data/FileStatus.h"
#include "model/LogEntryRequest.h"
#include "logs/LogListModel.h"

#include <QObject>

#include <array>
#include <functional>
#include <optional>

class QItemSelection;
class QLabel;
class NotesBox;
class QTabWidget;
class QTableView;
class QorButton;
class ReminderStore;

// The main window's controls of one log tab.
struct LogTabControls
{
    QTableView *grid = nullptr;          // grid(k), over the log's LogListModel
    NotesBox *notes = nullptr;           // txtField(k + 27), read-only
    QLabel *notesCaption = nullptr;      // lblField(k + 27)
    std::array<QLabel *, 3> totals{};    // the log's lblTotal captions, in order
    QorButton *add = nullptr;
    QorButton *edit = nullptr;
    QorButton *remove = nullptr;
    QorButton *print = nullptr;
    QTabWidget *tabs = nullptr;          // MainTab
};

// What the log tabs share with the main window, which owns it all.
struct LogContext
{
    QWidget *window = nullptr;           // disabled while busy, dimmed while the editor is open
    bool *addingEntry = nullptr;         // AddingEntry, set while the editor adds
    bool *editingEntry = nullptr;        // EditingEntry, set while it edits; the refill keeps the row then
    std::function<double()> rideKey;     // CurrentRideKey
    std::function<bool()> rideShown;     // CurrentRide > 0
    // Torqal.db, which keeps the entries' extras; null when it cannot be used.
    std::function<ReminderStore *()> database;
};

// One log tab of the main window: its list, notes, totals and commands. The
// grid shows the log's LogListModel, which the tab fills; the commands open
// the entry editor or delete the highlighted entry, and refill the list after
// every change.
class LogTab : public QObject
{
    Q_OBJECT

public:
    LogTab(const LogTabControls &controls, const LogContext &context, QObject *parent = nullptr);

    LogKind kind() const { return m_model.kind(); }
    const LogListModel &model() const { return m_model; }

    // Refills the list with the entries of the shown ride, keeping the row
    // position while an entry is edited, otherwise highlighting the latest.
    void refill();

    // The commands of the tab (add, edit, delete); double-clicking a row edits.
    void addEntry();
    void editEntry();
    void deleteEntry();

    // Adds an entry through the editor opened with these fields filled in,
    // whatever tab is selected, and returns the fields saved (none when the
    // user cancelled). The editor opens over `over`, a window that is itself
    // modal over the main window and dimmed it already. `save` stores the
    // entry as part of a command of the caller's (see LogEntryRequest).
    std::optional<EntryFields> addFilledEntry(const EntryFields &fields, QWidget *over,
                                              std::function<StoreResult(const LogRecord &)> save = {});

    // The print command, visible with the edit and delete commands once set.
    void setPrintCommand(std::function<void()> print);

    // The highlighted row (-1 for none), and the notes shown for it as stored.
    int currentRow() const;
    const QString &notesShown() const { return m_notesShown; }

signals:
    // The list was filled afresh (its totals may have changed).
    void refilled();

private:
    void layOutColumns();
    void followSelection(const QItemSelection &added);
    void showNotes();
    // The editor over `over`, or over the main window (dimmed around it) when null.
    std::optional<EntryFields> runEditor(LogEntryRequest request, QWidget *over = nullptr);
    void giveBackFocus(QWidget *opener) const;
    LogEntryRequest editorRequest(EntryMode mode) const;
    void showTotals();
    void showCommands();
    void report(const FileStatus &status) const;

    LogTabControls m_controls;
    LogContext m_context;
    LogListModel &m_model;
    std::function<void()> m_print;
    QString m_notesShown;
    bool m_fillingList = false;
};
