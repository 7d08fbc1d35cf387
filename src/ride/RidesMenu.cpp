#include "ride/RidesMenu.h"

#include "ride/RideLabels.h"
#include "ui/QorButton.h"

#include <QCursor>
#include <QLabel>
#include <QMenu>

RidesMenu::RidesMenu(const RideWindow &window, std::function<void(qint16)> showRide)
    : QObject(window.window), rw(window), m_showRide(std::move(showRide)),
      menuListRidesMenu(new QMenu(window.window))
{
    menuListRidesMenu->setObjectName(QStringLiteral("menuListRidesMenu"));
    addItem(QStringLiteral("-"));
    connect(rw.ui.cmdSelectRide, &QorButton::Click, this, &RidesMenu::cmdSelectRide_Click);
}

QAction *RidesMenu::addItem(const QString &caption)
{
    QAction *item = nullptr;
    if (caption == QLatin1String("-")) {
        item = menuListRidesMenu->addSeparator();
    } else {
        // An ampersand in a ride's name is shown as it is, not as an access key.
        QString shown = caption;
        shown.replace(QLatin1Char('&'), QLatin1String("&&"));
        item = menuListRidesMenu->addAction(shown);
    }
    const int index = int(menuListRides.size());
    item->setObjectName(QStringLiteral("menuListRides(%1)").arg(index));
    connect(item, &QAction::triggered, this, [this, index] { menuListRides_Click(index); });
    menuListRides.append(item);
    return item;
}

void RidesMenu::BuildRidesMenu()
{
    menuListRides[0]->setVisible(true);
    while (menuListRides.size() > 1)
        delete menuListRides.takeLast();

    FileStatus status = OpenRecordFile(rw.files.rides);
    rw.takeRideCount();
    // Only the name fields are decoded: the menu needs nothing else.
    if (status)
        status = ForEachRecord(rw.files.rides,
                               {&RideRecord::Year, &RideRecord::Make, &RideRecord::Model, &RideRecord::RideName},
                               [this](int, const RideRecord &ride) { addItem(RideLabels::MenuLabel(ride)); });
    const FileStatus closed = CloseRecordFile(rw.files.rides);
    rw.takeRideCount();
    if (!status || !closed)
        rw.reportFailure(status ? closed : status);

    const int n = int(menuListRides.size()) - 1;
    QFont font = rw.ui.lbl[0]->font();
    font.setBold(false);
    rw.ui.lbl[0]->setFont(font);
    rw.ui.lbl[0]->setText(RideLabels::RidesOnFileCaption(n));
    if (n < 2) {
        rw.ui.cmdSelectRide->hide();
        return;
    }
    rw.ui.cmdSelectRide->show();
    addItem(QStringLiteral("-"));
    addItem(QStringLiteral("Exit this Menu"));
    menuListRides[0]->setVisible(false);
}

void RidesMenu::cmdSelectRide_Click()
{
    menuListRidesMenu->exec(QCursor::pos());
}

void RidesMenu::menuListRides_Click(int index)
{
    if (index == rw.state.CurrentRide)
        return;
    if (index >= 1 && index < int(menuListRides.size()) - 2) {
        rw.state.CurrentRide = qint16(index);
        m_showRide(rw.state.CurrentRide);
    }
}
