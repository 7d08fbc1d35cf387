#pragma once

#include "reminders/DueDate.h"
#include "store/ReminderStore.h"

#include <QDate>
#include <QWidget>

#include <functional>
#include <optional>

class QLabel;
class QTreeWidget;
class QorButton;

// The ride a reminders list is about: its key, its name and the miles the
// program knows of it (see RideMiles), read off its odometer or summed from
// its gasoline log.
struct ReminderRide
{
    double key = 0;
    QString label;
    qint64 miles = 0;
    bool odometerRead = false;
};

// The reminders of one ride as a page: the ride's miles, the list with the
// standing of each, most urgent first, and the commands add, edit, delete and
// done. A page of its own, so that any window can hold it.
class ReminderPage : public QWidget
{
    Q_OBJECT

public:
    // Marks a reminder done with the maintenance entry that records it:
    // opens the entry editor over the page's window, filled with the
    // description and today's date, and stores the entry and the reminder's
    // new standing (the entry's date, the ride's miles) as one command.
    // False when the user cancelled.
    using RecordMaintenance = std::function<bool(const Reminder &reminder, qint64 rideMiles, QWidget *over)>;

    ReminderPage(ReminderStore &store, ReminderRide ride, RecordMaintenance recordMaintenance, QWidget *parent = nullptr);

    // Rereads the ride's reminders (the highlighted one stays highlighted).
    void reload();
    // The ride's miles changed (entries imported into its logs): the
    // caption, the standings and Done count from the new figure.
    void setRideMiles(qint64 miles, bool odometerRead);

    void cmdAdd_Click();
    void cmdEdit_Click();
    void cmdDelete_Click();
    void cmdDone_Click();

    // The controls, for the tests.
    QTreeWidget *list() const { return m_list; }
    QLabel *milesCaption() const { return m_miles; }
    QorButton *addButton() const { return m_add; }
    QorButton *editButton() const { return m_edit; }
    QorButton *deleteButton() const { return m_delete; }
    QorButton *doneButton() const { return m_done; }

signals:
    // A reminder was added, changed or deleted.
    void changed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void showCommands();
    const Reminder *current() const;
    void store(const FileStatus &status, qint64 highlight);

    ReminderStore &m_store;
    ReminderRide m_ride;
    RecordMaintenance m_recordMaintenance;
    QList<Reminder> m_reminders; // in the order of the list's rows
    QLabel *m_miles = nullptr;
    QTreeWidget *m_list = nullptr;
    QorButton *m_add = nullptr;
    QorButton *m_edit = nullptr;
    QorButton *m_delete = nullptr;
    QorButton *m_done = nullptr;
};
