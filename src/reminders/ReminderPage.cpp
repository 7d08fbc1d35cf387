#include "reminders/ReminderPage.h"

#include "platform/Clock.h"
#include "platform/LineBreaks.h"
#include "platform/MessageBox.h"
#include "ui/ModalRun.h"
#include "reminders/ReminderEditor.h"
#include "reminders/ReminderForm.h"
#include "reminders/ReminderService.h"
#include "reminders/ReminderParts.h"
#include "ui/QorButton.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

int urgency(DueDate::State state)
{
    switch (state) {
    case DueDate::State::Overdue: return 0;
    case DueDate::State::Due: return 1;
    case DueDate::State::Later: return 2;
    case DueDate::State::Finished: break;
    }
    return 3;
}

// Most urgent first: overdue, due, later, done; then by the due date (those
// due by miles alone after), then by the miles left.
bool moreUrgent(const DueDate::Standing &a, const DueDate::Standing &b)
{
    const QDate noDate(9999, 12, 31);
    const QDate aDate = a.point.date.isValid() ? a.point.date : noDate;
    const QDate bDate = b.point.date.isValid() ? b.point.date : noDate;
    const qint64 aMiles = a.point.miles ? a.milesLeft : std::numeric_limits<qint64>::max();
    const qint64 bMiles = b.point.miles ? b.milesLeft : std::numeric_limits<qint64>::max();
    return std::tuple(urgency(a.state), aDate, aMiles) < std::tuple(urgency(b.state), bDate, bMiles);
}

QString milesCaptionText(const ReminderRide &ride)
{
    if (ride.odometerRead)
        return QStringLiteral("Odometer now: %1").arg(DueDate::milesText(ride.miles));
    return QStringLiteral("Miles known for this ride: %1 (the sum of its gasoline log's miles)")
        .arg(QLocale().toString(ride.miles));
}

} // namespace

ReminderPage::ReminderPage(ReminderStore &store, ReminderRide ride, RecordMaintenance recordMaintenance, QWidget *parent)
    : QWidget(parent), m_store(store), m_ride(std::move(ride)), m_recordMaintenance(std::move(recordMaintenance))
{
    setObjectName(QStringLiteral("ReminderPage"));
    buildControls();
    reload();
}

void ReminderPage::buildControls()
{
    m_miles = new QLabel(milesCaptionText(m_ride), this);
    m_miles->setObjectName(QStringLiteral("lblRideMiles"));

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("lstReminders"));
    m_list->setAccessibleName(QStringLiteral("Reminders"));
    m_list->setHeaderLabels({QStringLiteral("Reminder"), QStringLiteral("Due date"), QStringLiteral("Due miles"),
                             QStringLiteral("Standing")});
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_list->header()->setStretchLastSection(false);
    for (int column = 1; column < 4; ++column)
        m_list->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    m_list->installEventFilter(this);
    connect(m_list, &QTreeWidget::currentItemChanged, this, &ReminderPage::showCommands);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &ReminderPage::cmdEdit_Click);

    using ReminderParts::command;
    m_add = command(this, QStringLiteral("cmdReminderAdd"), QStringLiteral("Add a reminder"),
                    QStringLiteral(" Add a new reminder for this ride "));
    m_edit = command(this, QStringLiteral("cmdReminderEdit"), QStringLiteral("Edit the reminder"),
                     QStringLiteral(" Edit the highlighted reminder "));
    m_delete = command(this, QStringLiteral("cmdReminderDelete"), QStringLiteral("Delete the reminder"),
                       QStringLiteral(" Delete the highlighted reminder "));
    m_done = command(this, QStringLiteral("cmdReminderDone"), QStringLiteral("Done: record it in the maintenance log"),
                     QStringLiteral(" Record it as done in the maintenance log "));
    ReminderParts::loadCommandLooks(this, QStringLiteral("ReminderPage"));
    connect(m_add, &QorButton::Click, this, &ReminderPage::cmdAdd_Click);
    connect(m_edit, &QorButton::Click, this, &ReminderPage::cmdEdit_Click);
    connect(m_delete, &QorButton::Click, this, &ReminderPage::cmdDelete_Click);
    connect(m_done, &QorButton::Click, this, &ReminderPage::cmdDone_Click);

    auto *commands = new QHBoxLayout;
    for (QorButton *button : {m_add, m_edit, m_delete, m_done})
        commands->addWidget(button);
    commands->addStretch(1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_miles);
    layout->addWidget(m_list, 1);
    layout->addLayout(commands);
}

void ReminderPage::reload()
{
    const qint64 highlighted = current() ? current()->id : 0;
    QList<Reminder> reminders;
    if (const FileStatus status = m_store.remindersOf(m_ride.key, reminders); !status)
        ReminderService::report(this, status);

    const QDate today = Clock::now().date();
    std::vector<std::pair<DueDate::Standing, Reminder>> rows;
    for (const Reminder &reminder : reminders)
        rows.emplace_back(DueDate::standing(reminder, today, m_ride.miles), reminder);
    std::stable_sort(rows.begin(), rows.end(), [](const auto &a, const auto &b) { return moreUrgent(a.first, b.first); });

    m_list->clear();
    m_reminders.clear();
    for (const auto &[standing, reminder] : rows) {
        const QString miles = standing.point.miles ? QLocale().toString(*standing.point.miles) : QString();
        auto *item = new QTreeWidgetItem(m_list, {reminder.description, ReminderForm::textOf(standing.point.date), miles,
                                                  DueDate::standingText(reminder, standing)});
        item->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
        if (standing.state == DueDate::State::Overdue || standing.state == DueDate::State::Due) {
            QFont font = item->font(3);
            font.setBold(true);
            item->setFont(3, font);
        }
        m_reminders << reminder;
        if (reminder.id == highlighted)
            m_list->setCurrentItem(item);
    }
    if (!m_list->currentItem() && m_list->topLevelItemCount() > 0)
        m_list->setCurrentItem(m_list->topLevelItem(0));
    showCommands();
}

void ReminderPage::setRideMiles(qint64 miles, bool odometerRead)
{
    m_ride.miles = miles;
    m_ride.odometerRead = odometerRead;
    m_miles->setText(milesCaptionText(m_ride));
    reload();
}

const Reminder *ReminderPage::current() const
{
    const int row = m_list ? m_list->indexOfTopLevelItem(m_list->currentItem()) : -1;
    return row >= 0 && row < m_reminders.size() ? &m_reminders[row] : nullptr;
}

void ReminderPage::showCommands()
{
    const Reminder *reminder = current();
    m_edit->setVisible(reminder);
    m_delete->setVisible(reminder);
    m_done->setVisible(reminder && !reminder->finished());
}

void ReminderPage::store(const FileStatus &status, qint64 highlight)
{
    if (!status)
        ReminderService::report(this, status);
    reload();
    for (int row = 0; row < m_reminders.size(); ++row) {
        if (m_reminders[row].id == highlight)
            m_list->setCurrentItem(m_list->topLevelItem(row));
    }
    emit changed();
}

void ReminderPage::cmdAdd_Click()
{
    Reminder base;
    base.rideKey = m_ride.key;
    ReminderEditor editor(ReminderForm::newFields(Clock::now().date(), m_ride.miles), base, m_ride.label, m_ride.odometerRead,
                          [this](Reminder &added) { return m_store.add(added); }, this);
    if (RunModal(editor) == QDialog::Accepted)
        store(FileStatus(), editor.reminder().id);
}

void ReminderPage::cmdEdit_Click()
{
    const Reminder *reminder = current();
    if (!reminder)
        return;
    ReminderEditor editor(ReminderForm::fieldsOf(*reminder), *reminder, m_ride.label, m_ride.odometerRead,
                          [this](Reminder &changed) { return m_store.update(changed); }, this);
    if (RunModal(editor) == QDialog::Accepted)
        store(FileStatus(), editor.reminder().id);
}

void ReminderPage::cmdDelete_Click()
{
    const Reminder *reminder = current();
    if (!reminder)
        return;
    const QString question = QStringLiteral("Are you SURE you want to delete the reminder") + CrLf + CrLf
                             + QStringLiteral("   ") + reminder->description + CrLf + CrLf
                             + QStringLiteral("of ") + m_ride.label + QLatin1Char('?');
    if (MessageBox::ask(this, QStringLiteral(" Confirm Deletion"), question, MessageBox::Button::No) != MessageBox::Button::Yes)
        return;
    store(m_store.remove(reminder->id), 0);
}

void ReminderPage::cmdDone_Click()
{
    const Reminder *reminder = current();
    if (!reminder || reminder->finished() || !m_recordMaintenance)
        return;
    const qint64 id = reminder->id;
    if (m_recordMaintenance(*reminder, m_ride.miles, window()))
        store({}, id);
}

bool ReminderPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Delete) {
            cmdDelete_Click();
            return true;
        }
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            cmdEdit_Click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
