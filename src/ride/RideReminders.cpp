#include "ride/RideReminders.h"

#include "data/DateValue.h"
#include "history/HistoryWindow.h"
#include "platform/Clock.h"
#include "platform/Identity.h"
#include "platform/LineBreaks.h"
#include "platform/MessageBox.h"
#include "platform/Settings.h"
#include "reminders/OverdueWindow.h"
#include "reminders/ReminderForm.h"
#include "ride/MainWindowLogs.h"
#include "ride/ModalDimming.h"
#include "model/RideMiles.h"
#include "store/ReminderChanges.h"
#include "store/RideLabels.h"
#include "store/RideRead.h"
#include "ui/ModalRun.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <map>

namespace {

// The notice's text colour: orange when something is overdue, yellow when
// something is due, the captions' white otherwise.
void setNoticeLook(QPushButton *notice, int due, int overdue)
{
    const char *colour = overdue > 0 ? "#FF9C40" : due > 0 ? "#FFFF00" : "#FFFFFF";
    notice->setStyleSheet(QStringLiteral("QPushButton { color: %1; border: none; background: transparent; "
                                         "text-decoration: underline; font-weight: %2; }"
                                         "QPushButton:focus { border: 1px dotted %1; }")
                              .arg(QLatin1String(colour), due > 0 ? QStringLiteral("bold") : QStringLiteral("normal")));
}

} // namespace

RideReminders::RideReminders(const RideWindow &window, MainWindowLogs &logs, const QString &databasePath)
    : QObject(window.window), rw(window), m_logs(logs), m_databasePath(databasePath), m_service(databasePath)
{
}

void RideReminders::closeDatabase()
{
    m_service = ReminderService(m_databasePath);
}

StoreRead<ReminderRide> RideReminders::shownRide(const ReminderStore &store) const
{
    // The gasoline list follows the shown ride first, should it not have yet.
    m_logs.fillIfStale(LogKind::Gas);
    const RideModel &shown = rw.state.Shown;
    const StoreRead<RideMiles> miles = milesOfRide(&store, shown.record.RideKey, shown.log(LogKind::Gas));
    StoreRead<ReminderRide> ride;
    ride.status = miles.status;
    ride.value = {shown.record.RideKey, RideLabels::DisplayName(shown.record), miles.value.miles, miles.value.fromReadings};
    return ride;
}

void RideReminders::refreshNotice()
{
    QPushButton *notice = rw.ui.cmdReminders;
    ReminderStore *store = rw.state.CurrentRide > 0 ? m_service.openedStore() : nullptr;
    QList<Reminder> reminders;
    if (!store || !store->remindersOf(rw.state.CurrentRideKey, reminders)) {
        notice->hide();
        return;
    }
    // A notice that cannot count the ride's miles is left out; the
    // reminders page says why.
    const StoreRead<ReminderRide> ride = shownRide(*store);
    if (!ride.status) {
        notice->hide();
        return;
    }
    const QDate today = Clock::now().date();
    int due = 0;
    int overdue = 0;
    for (const Reminder &reminder : reminders) {
        const DueDate::State state = DueDate::standing(reminder, today, ride.value.miles).state;
        due += state == DueDate::State::Due || state == DueDate::State::Overdue;
        overdue += state == DueDate::State::Overdue;
    }
    const QString text = DueDate::noticeText(due, overdue);
    notice->setText(text.isEmpty() ? QStringLiteral("Reminders...") : text);
    setNoticeLook(notice, due, overdue);
    notice->show();
}

void RideReminders::addPage(HistoryWindow &window, bool show)
{
    if (rw.state.CurrentRide < 1)
        return;
    ReminderStore *store = m_service.store(rw.window);
    if (!store)
        return;
    const StoreRead<ReminderRide> ride = shownRide(*store);
    if (!ride.status) {
        rw.reportFailure(ride.status);
        return;
    }
    auto *page = new ReminderPage(*store, ride.value, [this, store, &window](const Reminder &reminder, qint64 rideMiles, QWidget *over) {
        const bool done = recordDone(*store, reminder, rideMiles, over);
        if (done)
            window.logsChanged();
        return done;
    });
    connect(&window, &HistoryWindow::historyRead, page, [page](const RideHistory &history) {
        const RideMiles miles = milesOf(history);
        page->setRideMiles(miles.miles, miles.fromReadings);
    });
    window.addPage(page, QStringLiteral("Reminders"));
    if (show)
        window.showPage(page);
}

bool RideReminders::recordDone(ReminderStore &store, const Reminder &reminder, qint64 rideMiles, QWidget *over)
{
    const EntryFields filled{ReminderForm::textOf(Clock::now().date()), reminder.description, QString(), QString()};
    // The entry and the reminder's new standing are stored as one command.
    const auto saveBoth = [&](const LogRecord &entry) {
        const ExpenseRecord &expense = std::get<ExpenseRecord>(entry);
        Reminder done = reminder;
        done.lastDoneDate = DateValue::toDateTime(expense.EntryDate).date();
        done.lastDoneMiles = ReminderForm::milesInRange(rideMiles);
        return Store::recordReminderDone(store, expense, done);
    };
    return m_logs.tab(LogKind::Maintenance).addFilledEntry(filled, over, saveBoth).has_value();
}

void RideReminders::start()
{
    ReminderStore *store = m_service.store(rw.window);
    if (!store)
        return;
    refreshNotice();
    if (Settings::value(Settings::OverdueAtStartKey) != Settings::NoShow)
        showOverdueAtStart(*store);
}

void RideReminders::showOverdueAtStart(ReminderStore &store)
{
    QList<Reminder> reminders;
    if (const FileStatus status = store.allReminders(reminders); !status) {
        ReminderService::report(rw.window, status);
        return;
    }
    if (reminders.isEmpty())
        return;

    // Each ride's place in the ride file and its name in the rides menu.
    const StoreRead<std::vector<RideListing>> listings = Store::readRideListings();
    rw.takeRideCount(listings.recordCount);
    StoreRead<std::map<double, qint64>> read;
    if (listings.status)
        read = milesOfEveryRide(&store);
    if (!listings.status || !read.status) {
        rw.reportFailure(listings.status ? read.status : listings.status);
        return;
    }
    std::map<double, std::pair<int, QString>> rides;
    for (std::size_t i = 0; i < listings.value.size(); ++i)
        rides.try_emplace(listings.value[i].rideKey, int(i) + 1, listings.value[i].label);
    std::map<double, qint64> miles = std::move(read.value);

    const QDate today = Clock::now().date();
    std::vector<std::pair<int, OverdueWindow::Row>> overdue;
    for (const Reminder &reminder : reminders) {
        const auto ride = rides.find(reminder.rideKey);
        if (ride == rides.end())
            continue;
        const DueDate::Standing standing = DueDate::standing(reminder, today, miles[reminder.rideKey]);
        if (standing.state == DueDate::State::Overdue) {
            overdue.emplace_back(ride->second.first,
                                 OverdueWindow::Row{ride->second.second, reminder.description,
                                                    DueDate::standingText(reminder, standing), ride->second.first});
        }
    }
    if (overdue.empty())
        return;
    std::stable_sort(overdue.begin(), overdue.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    QList<OverdueWindow::Row> rows;
    for (const auto &[order, row] : overdue)
        rows << row;
    OverdueWindow window(rows, rw.window);
    DimAround(rw.window, [&] { RunModal(window); });
    if (window.dontShowAtStart())
        Settings::setValue(Settings::OverdueAtStartKey, Settings::NoShow);
    if (window.rideToOpen() > 0 && m_openRide)
        m_openRide(window.rideToOpen());
}

ReminderStore *RideReminders::store()
{
    return m_service.store(rw.window);
}
