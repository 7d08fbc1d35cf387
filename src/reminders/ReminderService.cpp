#include "reminders/ReminderService.h"

#include "platform/Identity.h"
#include "platform/LineBreaks.h"
#include "platform/MessageBox.h"
#include "store/ReminderChanges.h"

ReminderStore *ReminderService::store(QWidget *parent)
{
    if (!m_store) {
        m_store = std::make_unique<ReminderStore>(m_path);
        // A command cut short may have left work in it.
        if (m_store->isOpen())
            (void)Store::finishCutShortChanges(*m_store);
        else {
            MessageBox::tell(parent, ApplicationTitle,
                             QStringLiteral("Your reminders, and the odometer readings and costs of your entries, cannot be used this time:") + CrLf + CrLf
                                 + m_store->status().message() + QLatin1Char('.') + CrLf + CrLf
                                 + QStringLiteral("Everything else works as before, and the file is left as it is."),
                             MessageBox::Icon::Warning);
        }
    }
    return m_store->isOpen() ? m_store.get() : nullptr;
}

void ReminderService::report(QWidget *parent, const FileStatus &status)
{
    MessageBox::tell(parent, ApplicationTitle, status.message() + QLatin1Char('.'), MessageBox::Icon::Critical);
}
