#pragma once

#include "data/FileStatus.h"
#include "reminders/ReminderForm.h"

#include <QDialog>

#include <functional>

class QLineEdit;
class QRadioButton;
class QorButton;

// Adds or edits one reminder of a ride in a modal window: what is to be done,
// and when: once (on a date, at miles, or whichever comes first) or
// repeating (every so many months and/or miles from when it was last done).
// Save checks the input, stores the reminder and closes; should storing
// fail, a message says why and the window stays open with what was typed,
// to save again or cancel. Cancel closes.
class ReminderEditor : public QDialog
{
    Q_OBJECT

public:
    // Stores the reminder as typed (setting the id of a new one).
    using Store = std::function<FileStatus(Reminder &reminder)>;

    // base: the reminder edited, or a new one with its ride set;
    // odometerRead: whether the ride's miles are read off its odometer (see
    // RideMiles), as the window's note says.
    ReminderEditor(const ReminderForm::Fields &fields, Reminder base, const QString &rideLabel, bool odometerRead,
                   Store store, QWidget *parent = nullptr);

    // After Save: the reminder as stored.
    const Reminder &reminder() const { return m_reminder; }

    void cmdSave_Click();

    // The controls, for the tests.
    QLineEdit *field(ReminderForm::Field field) const;
    QRadioButton *onceChoice() const { return m_once; }
    QRadioButton *repeatingChoice() const { return m_repeating; }
    QorButton *saveButton() const { return m_save; }
    QorButton *cancelButton() const { return m_cancel; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void showChoice();
    ReminderForm::Fields fields() const;

    Reminder m_reminder;
    Store m_store;
    std::array<QLineEdit *, ReminderForm::FieldCount> m_fields{};
    QRadioButton *m_once = nullptr;
    QRadioButton *m_repeating = nullptr;
    QorButton *m_save = nullptr;
    QorButton *m_cancel = nullptr;
};
