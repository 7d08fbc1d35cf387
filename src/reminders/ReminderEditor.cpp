#include "reminders/ReminderEditor.h"

#include "platform/Identity.h"
#include "platform/MessageBox.h"
#include "reminders/ReminderParts.h"
#include "reminders/ReminderService.h"
#include "ui/QorButton.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

using ReminderForm::Field;

namespace {

struct Box
{
    const char *name;
    const char *caption;
    int maxLength;
    int row;
    int column;
};

// The boxes in the order of ReminderForm::Field, with their places in the grid.
constexpr std::array<Box, ReminderForm::FieldCount> Boxes{{
    {"txtDescription", "&What is to be done:", ReminderForm::DescriptionLimit, 0, 0},
    {"txtOnDate", "Due &on:", 10, 2, 0},
    {"txtAtMiles", "or &at miles:", 11, 2, 2},
    {"txtEveryMonths", "&Months apart:", 5, 4, 0},
    {"txtEveryMiles", "or m&iles apart:", 11, 4, 2},
    {"txtLastDoneDate", "&Last done on:", 10, 5, 0},
    {"txtLastDoneMiles", "at mil&es:", 11, 5, 2},
}};


} // namespace

ReminderEditor::ReminderEditor(const ReminderForm::Fields &fields, Reminder base, const QString &rideLabel,
                               bool odometerRead, Store store, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_reminder(std::move(base)),
      m_store(std::move(store))
{
    ReminderParts::setUpWindow(this, QStringLiteral("ReminderEditor"),
                               (m_reminder.id ? QStringLiteral(" Editing a Reminder of ")
                                              : QStringLiteral(" Adding a Reminder for "))
                                   + rideLabel);

    auto *grid = new QGridLayout;
    for (int i = 0; i < ReminderForm::FieldCount; ++i) {
        const Box &box = Boxes[std::size_t(i)];
        auto *edit = new QLineEdit(fields.texts[std::size_t(i)], this);
        edit->setObjectName(QLatin1String(box.name));
        edit->setMaxLength(box.maxLength);
        auto *caption = new QLabel(QString::fromLatin1(box.caption), this);
        caption->setBuddy(edit);
        edit->setAccessibleName(caption->text().remove(QLatin1Char('&')).chopped(1));
        grid->addWidget(caption, box.row, box.column);
        grid->addWidget(edit, box.row, box.column + 1, 1, i == 0 ? 3 : 1);
        m_fields[std::size_t(i)] = edit;
    }
    m_once = new QRadioButton(QStringLiteral("O&nce"), this);
    m_once->setObjectName(QStringLiteral("optOnce"));
    m_repeating = new QRadioButton(QStringLiteral("&Repeating"), this);
    m_repeating->setObjectName(QStringLiteral("optRepeating"));
    auto *choice = new QButtonGroup(this);
    choice->addButton(m_once);
    choice->addButton(m_repeating);
    grid->addWidget(m_once, 1, 0);
    grid->addWidget(m_repeating, 3, 0);
    auto *note = new QLabel(odometerRead ? QStringLiteral("Whichever comes first counts. The miles are those of the "
                                                          "odometer: its latest reading and the fill-ups' miles since.")
                                         : QStringLiteral("Whichever comes first counts. The miles are those of the "
                                                          "gasoline log: the sum of its miles travelled."),
                            this);
    note->setWordWrap(true);
    grid->addWidget(note, 6, 0, 1, 4);

    m_save = ReminderParts::command(this, QStringLiteral("cmdSave"), QStringLiteral("Save"), QStringLiteral(" Save the reminder "));
    m_cancel = ReminderParts::command(this, QStringLiteral("cmdCancel"), QStringLiteral("Cancel"),
                                      QStringLiteral(" Close without saving "));
    ReminderParts::loadCommandLooks(this, QStringLiteral("ReminderEditor"));
    connect(m_save, &QorButton::Click, this, &ReminderEditor::cmdSave_Click);
    connect(m_cancel, &QorButton::Click, this, &QDialog::reject);
    auto *commands = new QHBoxLayout;
    commands->addStretch(1);
    commands->addWidget(m_save);
    commands->addWidget(m_cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(commands);

    setTabOrder(m_fields[0], m_once);
    setTabOrder(m_once, m_fields[1]);
    setTabOrder(m_fields[1], m_fields[2]);
    setTabOrder(m_fields[2], m_repeating);
    setTabOrder(m_repeating, m_fields[3]);
    for (std::size_t i = 3; i + 1 < m_fields.size(); ++i)
        setTabOrder(m_fields[i], m_fields[i + 1]);
    setTabOrder(m_fields.back(), m_save);
    setTabOrder(m_save, m_cancel);

    (fields.repeating ? m_repeating : m_once)->setChecked(true);
    connect(m_once, &QRadioButton::toggled, this, &ReminderEditor::showChoice);
    showChoice();
    m_fields[0]->setFocus();
}

QLineEdit *ReminderEditor::field(Field field) const
{
    return m_fields[std::size_t(field)];
}

// Only the boxes of the kind chosen take input.
void ReminderEditor::showChoice()
{
    const bool once = m_once->isChecked();
    for (Field onceField : {Field::OnDate, Field::AtMiles})
        field(onceField)->setEnabled(once);
    for (Field repeatingField : {Field::EveryMonths, Field::EveryMiles, Field::LastDoneDate, Field::LastDoneMiles})
        field(repeatingField)->setEnabled(!once);
}

ReminderForm::Fields ReminderEditor::fields() const
{
    ReminderForm::Fields fields;
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        fields.texts[i] = m_fields[i]->text();
    fields.repeating = m_repeating->isChecked();
    return fields;
}

void ReminderEditor::cmdSave_Click()
{
    const ReminderForm::Fields typed = fields();
    if (const auto problem = ReminderForm::check(typed)) {
        MessageBox::tell(this, ApplicationTitle, problem->message, MessageBox::Icon::Critical);
        field(problem->field)->setFocus();
        field(problem->field)->selectAll();
        return;
    }
    Reminder reminder = ReminderForm::reminderOf(typed, m_reminder);
    if (const FileStatus stored = m_store(reminder); !stored) {
        ReminderService::report(this, stored);
        return;
    }
    m_reminder = reminder;
    accept();
}

void ReminderEditor::keyPressEvent(QKeyEvent *event)
{
    // Enter saves, as the default command of the window; Escape cancels.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        cmdSave_Click();
        return;
    }
    QDialog::keyPressEvent(event);
}
