#include "history/ImportUndoCommand.h"

#include "backup/BackupGuard.h"
#include "data/DateValue.h"
#include "history/HistoryButtons.h"
#include "model/LogKindInfo.h"
#include "platform/BusyPointer.h"
#include "platform/MessageBox.h"
#include "platform/ValueFormats.h"
#include "store/ImportUndo.h"
#include "store/ReminderStore.h"

namespace ImportUndoCommand {

bool offered(const ReminderStore *database, double rideKey)
{
    std::optional<ImportNote> note;
    return database && database->isOpen() && Store::lastImportOfRide(*database, rideKey, note) && note;
}

bool run(QWidget *parent, ReminderStore &database, double rideKey)
{
    const QString title = QStringLiteral("Undo the last import");
    std::optional<ImportNote> note;
    if (const FileStatus status = Store::lastImportOfRide(database, rideKey, note); !status || !note) {
        MessageBox::tell(parent, title,
                         status ? QStringLiteral("The last import can no longer be undone: its log has changed since.")
                                : status.message(),
                         MessageBox::Icon::Warning);
        return false;
    }
    const QString question = QStringLiteral("Remove the %1 imported on %2 from the '%3' log?")
                                 .arg(HistoryButtons::entries(std::size_t(note->count)),
                                      ValueFormats::dateText(DateValue::fromDateTime(note->importedAt.date())),
                                      logKindInfo(note->log).tabCaption);
    if (MessageBox::ask(parent, title, question, MessageBox::Button::No) != MessageBox::Button::Yes
        || !backUpBefore(parent, QStringLiteral("import undo")))
        return false;
    StoreResult undone;
    {
        BusyPointer busy(parent);
        undone = Store::undoLastImport(database, note->log, rideKey);
    }
    if (!undone.done()) {
        MessageBox::tell(parent, QStringLiteral("Import not undone"),
                         undone.status.message() + QStringLiteral("\r\n\r\nNo entry was removed."), MessageBox::Icon::Critical);
        return false;
    }
    if (undone.outcome == StoreOutcome::WrittenWithWarning)
        MessageBox::tell(parent, title, undone.status.message(), MessageBox::Icon::Warning);
    return true;
}

} // namespace ImportUndoCommand
