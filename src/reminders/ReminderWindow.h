#pragma once

#include "reminders/ReminderPage.h"

#include <QDialog>

class QorButton;

// "Reminders of <ride>": the ride's reminder page in a modal window of its
// own, with a Close command.
class ReminderWindow : public QDialog
{
    Q_OBJECT

public:
    ReminderWindow(ReminderStore &store, const ReminderRide &ride, ReminderPage::RecordMaintenance recordMaintenance,
                   QWidget *parent = nullptr);

    ReminderPage *page() const { return m_page; }
    QorButton *closeButton() const { return m_close; }

private:
    ReminderPage *m_page;
    QorButton *m_close;
};
