#include "reminders/ReminderWindow.h"

#include "reminders/ReminderParts.h"
#include "ui/QorButton.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

ReminderWindow::ReminderWindow(ReminderStore &store, const ReminderRide &ride,
                               ReminderPage::RecordMaintenance recordMaintenance, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_page(new ReminderPage(store, ride, std::move(recordMaintenance), this)),
      m_close(ReminderParts::command(this, QStringLiteral("cmdClose"), QStringLiteral("Close"),
                                     QStringLiteral(" Close the reminders ")))
{
    ReminderParts::setUpWindow(this, QStringLiteral("ReminderWindow"), QStringLiteral(" Reminders of ") + ride.label);
    resize(720, 420);
    ReminderParts::loadCommandLooks(this, QStringLiteral("ReminderWindow"));
    connect(m_close, &QorButton::Click, this, &QDialog::accept);

    auto *bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(m_close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_page, 1);
    layout->addLayout(bottom);
}
