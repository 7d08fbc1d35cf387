#include "reminders/OverdueWindow.h"

#include "reminders/ReminderParts.h"
#include "ui/QorButton.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

OverdueWindow::OverdueWindow(const QList<Row> &rows, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_list(new QTreeWidget(this)),
      m_dontShow(new QCheckBox(QStringLiteral("&Don't show at start"), this)),
      m_ok(ReminderParts::command(this, QStringLiteral("cmdOK"), QStringLiteral("OK"), QString()))
{
    ReminderParts::setUpWindow(this, QStringLiteral("OverdueWindow"), QStringLiteral(" Overdue Reminders"));
    resize(640, 320);

    auto *caption = new QLabel(QStringLiteral("These reminders are overdue:"), this);
    m_list->setObjectName(QStringLiteral("lstOverdue"));
    m_list->setAccessibleName(QStringLiteral("Overdue reminders"));
    m_list->setAccessibleDescription(QStringLiteral("Enter or a double-click opens the reminders of the row's ride"));
    m_list->setToolTip(QStringLiteral(" Enter or a double-click opens the ride's reminders "));
    m_list->setHeaderLabels({QStringLiteral("Ride"), QStringLiteral("Reminder"), QStringLiteral("Standing")});
    m_list->setRootIsDecorated(false);
    m_list->setAllColumnsShowFocus(true);
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    for (const Row &row : rows) {
        auto *item = new QTreeWidgetItem(m_list, {row.ride, row.description, row.standing});
        item->setData(0, Qt::UserRole, row.rideNumber);
    }
    m_list->setCurrentItem(m_list->topLevelItem(0));
    m_dontShow->setObjectName(QStringLiteral("chkDontShow"));
    ReminderParts::loadCommandLooks(this, QStringLiteral("OverdueWindow"));
    connect(m_ok, &QorButton::Click, this, &QDialog::accept);
    // The list's Enter key and double-click.
    connect(m_list, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem *item) {
        m_rideToOpen = item->data(0, Qt::UserRole).toInt();
        accept();
    });

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_dontShow);
    bottom->addStretch(1);
    bottom->addWidget(m_ok);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(m_list, 1);
    layout->addLayout(bottom);
    m_ok->setFocus();
}

void OverdueWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // The list passes on the Enter that opened its row.
        if (m_rideToOpen == 0)
            accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool OverdueWindow::dontShowAtStart() const
{
    return m_dontShow->isChecked();
}
