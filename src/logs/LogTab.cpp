#include "logs/LogTab.h"

#include "model/LogEntryForm.h"
#include "logs/frmLogEntry.h"
#include "platform/BusyPointer.h"
#include "platform/Identity.h"
#include "platform/MessageBox.h"
#include "platform/Twips.h"
#include "store/EntryCommands.h"
#include "store/LogEntryDelete.h"
#include "store/LogScan.h"
#include "ui/NotesBox.h"
#include "ui/QorButton.h"
#include "ui/WindowFade.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QScopeGuard>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>

namespace {

LogListModel &listOf(QTableView *grid)
{
    auto *list = qobject_cast<LogListModel *>(grid->model());
    Q_ASSERT(list);
    return *list;
}

} // namespace

LogTab::LogTab(const LogTabControls &controls, const LogContext &context, QObject *parent)
    : QObject(parent), m_controls(controls), m_context(context), m_model(listOf(controls.grid))
{
    QTableView *grid = m_controls.grid;
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    layOutColumns();

    connect(grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
        if (!m_fillingList)
            showNotes();
    });
    connect(grid->selectionModel(), &QItemSelectionModel::selectionChanged, this, &LogTab::followSelection);
    connect(grid, &QAbstractItemView::doubleClicked, this, [this] {
        if (m_model.entryCount() > 0)
            editEntry();
    });
    connect(m_controls.add, &QorButton::Click, this, &LogTab::addEntry);
    connect(m_controls.edit, &QorButton::Click, this, &LogTab::editEntry);
    connect(m_controls.remove, &QorButton::Click, this, &LogTab::deleteEntry);
    connect(m_controls.print, &QorButton::Click, this, [this] {
        if (m_print)
            m_print();
    });
}

// The widths of the log's layout; the description column (for gasoline the
// miles column) takes the rest of the grid's width.
void LogTab::layOutColumns()
{
    QHeaderView *header = m_controls.grid->horizontalHeader();
    const int stretched = kind() == LogKind::Gas ? 2 : 1;
    header->setStretchLastSection(false);
    for (int column = 0; column < 3; ++column) {
        const int twips = logKindInfo(kind()).columns[std::size_t(column)].widthTwips;
        header->setSectionResizeMode(column, column == stretched ? QHeaderView::Stretch : QHeaderView::Interactive);
        m_controls.grid->setColumnWidth(column, twips > 0 ? Twips::x(twips) : header->sectionSizeHint(column));
    }
}

int LogTab::currentRow() const
{
    const QModelIndex current = m_controls.grid->currentIndex();
    return current.isValid() ? current.row() : -1;
}

// The highlighted row and the current row are one: the row the commands act
// on and whose notes are shown. Whatever selects a row (a click, the keyboard,
// assistive technology) makes it current and the only one highlighted; a
// selection left empty while the list has entries takes the current row
// again (later, since clearing often comes just before a new selection).
void LogTab::followSelection(const QItemSelection &added)
{
    if (m_fillingList)
        return;
    QItemSelectionModel *selection = m_controls.grid->selectionModel();
    if (!added.isEmpty()) {
        const int row = added.indexes().first().row();
        if (row != currentRow())
            selection->setCurrentIndex(m_model.index(row, 0),
                                       QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        return;
    }
    if (selection->hasSelection())
        return;
    QTimer::singleShot(0, this, [this, selection] {
        if (const int current = currentRow(); current >= 0 && !selection->hasSelection())
            selection->select(m_model.index(current, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    });
}

void LogTab::refill()
{
    FileStatus status;
    {
        BusyPointer busy(m_context.window);
        QTableView *grid = m_controls.grid;
        const bool keepPosition = *m_context.editingEntry;
        const int keptRow = currentRow();
        const int keptTop = grid->verticalScrollBar()->value();

        m_fillingList = true;
        m_controls.notes->clear();
        m_notesShown.clear();
        status = m_model.refill(m_context.rideKey(), m_context.database ? m_context.database() : nullptr);
        layOutColumns();
        grid->doItemsLayout();

        const int count = m_model.entryCount();
        if (count > 0) {
            const int row = keepPosition && keptRow >= 0 ? std::min(keptRow, count - 1) : count - 1;
            const QModelIndex index = m_model.index(row, 0);
            grid->setCurrentIndex(index);
            if (keepPosition && keptRow >= 0)
                grid->verticalScrollBar()->setValue(keptTop);
            else
                grid->scrollTo(index, QAbstractItemView::PositionAtTop);
        }
        m_fillingList = false;
        if (count > 0)
            showNotes();
        showTotals();
        showCommands();
    }
    report(status);
    emit refilled();
}

void LogTab::showNotes()
{
    const int row = currentRow();
    if (row < 0)
        return;
    const StoreRead<QString> notes = Store::readLogNotes(kind(), m_model.recordNumber(row));
    m_notesShown = notes.value;
    m_controls.notes->setStoredText(notes.value);
    report(notes.status);
}

void LogTab::showTotals()
{
    const QList<TotalCaption> captions = m_model.totalCaptions();
    for (qsizetype i = 0; i < captions.size(); ++i) {
        QLabel *label = m_controls.totals[std::size_t(i)];
        // A hidden total keeps its text.
        if (captions[i].shown)
            label->setText(captions[i].text);
        label->setVisible(captions[i].shown);
    }
}

void LogTab::showCommands()
{
    const bool entries = m_model.entryCount() > 0;
    m_controls.add->setVisible(m_context.rideShown());
    m_controls.edit->setVisible(entries);
    m_controls.remove->setVisible(entries);
    m_controls.print->setVisible(entries && m_print);
}

void LogTab::setPrintCommand(std::function<void()> print)
{
    m_print = std::move(print);
    showCommands();
}

void LogTab::addEntry()
{
    runEditor(editorRequest(EntryMode::Adding));
}

void LogTab::editEntry()
{
    if (currentRow() >= 0)
        runEditor(editorRequest(EntryMode::Editing));
}

std::optional<EntryFields> LogTab::addFilledEntry(const EntryFields &fields, QWidget *over, std::function<StoreResult(const LogRecord &)> save)
{
    LogEntryRequest request = editorRequest(EntryMode::Adding);
    request.tabCaption = logKindInfo(kind()).tabCaption;
    request.prefill = fields;
    request.saveNew = std::move(save);
    return runEditor(request, over);
}

std::optional<EntryFields> LogTab::runEditor(LogEntryRequest request, QWidget *over)
{
    bool &flag = request.adding() ? *m_context.addingEntry : *m_context.editingEntry;
    flag = true;
    const auto clearFlag = qScopeGuard([&flag] { flag = false; });

    QWidget *window = m_context.window;
    const bool dim = FadesOn() && !over;
    if (dim)
        StartFade(window, 255, 204, 2, false);
    const QPointer<QWidget> opener = QApplication::focusWidget();
    EntryFields saved;
    const bool written = RunLogEntryEditor(request, over ? over : window, &saved);
    if (dim)
        StartFade(window, 204, 255, 3, false);
    if (written)
        refill();
    if (!over)
        giveBackFocus(opener);
    if (!written)
        return std::nullopt;
    return saved;
}

// Once the editor is gone the main window has the keyboard again, on the
// control that opened the editor (the page's Add when that control is gone),
// whether the entry was saved or not: refilling the list may have moved the
// focus, and a desktop may leave no window active after the editor and a
// message box over it close.
void LogTab::giveBackFocus(QWidget *opener) const
{
    QWidget *window = m_context.window->window();
    window->activateWindow();
    QWidget *target = opener && opener->window() == window && opener->isVisible() && opener->isEnabled()
                          ? opener
                          : m_controls.add;
    target->setFocus(Qt::OtherFocusReason);
}

LogEntryRequest LogTab::editorRequest(EntryMode mode) const
{
    LogEntryRequest request;
    request.kind = kind();
    request.mode = mode;
    request.rideKey = m_context.rideKey();
    request.tabCaption = m_controls.tabs->tabText(m_controls.tabs->currentIndex());
    for (int column = 0; column < 3; ++column)
        request.columnTitles[std::size_t(column)] = m_model.columnTitle(column);
    request.notesCaption = m_controls.notesCaption->text();
    request.notesLimit = logKindInfo(kind()).notesWidth;
    const int row = currentRow();
    if (mode == EntryMode::Editing && row >= 0) {
        request.cells = m_model.row(row).cells;
        request.recordNumber = m_model.recordNumber(row);
        request.notes = m_notesShown;
        request.entry = m_model.entry(row);
        request.extras = m_model.listing().extrasOf(row);
    }
    request.database = m_context.database ? m_context.database() : nullptr;
    const LogListing &listing = m_model.listing();
    for (int i = 0; i < listing.count(); ++i) {
        if (const std::optional<qint64> reading = listing.extrasOf(i).odometer;
            reading && !(mode == EntryMode::Editing && i == row))
            request.readings.push_back({listing.entry(i).dateSort, *reading});
    }
    return request;
}

void LogTab::deleteEntry()
{
    const int row = currentRow();
    if (row < 0)
        return;
    if (MessageBox::ask(m_context.window, QStringLiteral(" Confirm Deletion"),
                        QStringLiteral("Are you SURE you want to\r\ndelete the hightlighted entry?"),
                        MessageBox::Button::No) != MessageBox::Button::Yes)
        return;
    StoreResult deletion;
    {
        BusyPointer busy(m_context.window);
        ReminderStore *database = m_context.database ? m_context.database() : nullptr;
        deletion = database ? Store::deleteLogEntry(*database, kind(), m_model.recordNumber(row), m_context.rideKey())
                            : Store::deleteLogEntry(kind(), m_model.recordNumber(row), m_context.rideKey());
    }
    if (deletion.outcome == StoreOutcome::WrittenWithWarning)
        MessageBox::tell(m_context.window, ApplicationTitle, deletion.status.message(), MessageBox::Icon::Warning);
    else
        report(deletion.status);
    refill();
}

void LogTab::report(const FileStatus &status) const
{
    if (!status)
        MessageBox::tell(m_context.window, ApplicationTitle, status.message(), MessageBox::Icon::Critical);
}
