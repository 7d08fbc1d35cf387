#include "ride/RidesMenu.h"

#include "store/RideLabels.h"
#include "store/RideRead.h"
#include "ui/ListMenu.h"
#include "ui/QorButton.h"

#include <QAbstractListModel>
#include <QCursor>
#include <QLabel>

// The items of the menu: the ride count, and the labels once read. The rows
// of the model are the items shown (item 0 is left out with two or more
// rides); they are empty until the labels have been read.
class RidesMenuItems : public QAbstractListModel
{
public:
    using QAbstractListModel::QAbstractListModel;

    int rideCount() const { return m_rides; }
    bool labelsRead() const { return m_labelsRead; }
    int itemCount() const { return m_rides >= 2 ? m_rides + 3 : m_rides + 1; }
    int firstShownItem() const { return m_rides >= 2 ? 1 : 0; }
    bool isSeparator(int item) const { return item == 0 || (m_rides >= 2 && item == m_rides + 1); }

    QString caption(int item) const
    {
        if (isSeparator(item))
            return QStringLiteral("-");
        if (item == m_rides + 2)
            return QStringLiteral("Exit this Menu");
        return m_labels.value(item - 1);
    }

    void setRideCount(int rides)
    {
        beginResetModel();
        m_rides = rides;
        m_labels.clear();
        m_labelsRead = false;
        endResetModel();
    }

    void setLabels(const QStringList &labels)
    {
        beginResetModel();
        m_labels = labels;
        m_labelsRead = true;
        endResetModel();
    }

    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() || !m_labelsRead ? 0 : itemCount() - firstShownItem();
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        const int item = index.row() + firstShownItem();
        if (role == Qt::DisplayRole)
            return isSeparator(item) ? QString() : caption(item);
        if (role == Qt::AccessibleDescriptionRole && isSeparator(item))
            return QStringLiteral("separator");
        return {};
    }

    Qt::ItemFlags flags(const QModelIndex &index) const override
    {
        if (isSeparator(index.row() + firstShownItem()))
            return Qt::NoItemFlags;
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    }

private:
    int m_rides = 0;
    QStringList m_labels; // of rides 1 to m_rides
    bool m_labelsRead = false;
};

RidesMenu::RidesMenu(const RideWindow &window, std::function<void(qint16)> showRide)
    : QObject(window.window), rw(window), m_showRide(std::move(showRide)), m_items(new RidesMenuItems(this)),
      menuListRidesMenu(new ListMenu(window.window))
{
    menuListRidesMenu->setObjectName(QStringLiteral("menuListRidesMenu"));
    menuListRidesMenu->setModel(m_items);
    connect(menuListRidesMenu, &ListMenu::triggered, this,
            [this](int row) { menuListRides_Click(row + m_items->firstShownItem()); });
    connect(rw.ui.cmdSelectRide, &QorButton::Click, this, &RidesMenu::cmdSelectRide_Click);
    rw.ui.cmdSelectRide->setOpensMenu(true);
}

RidesMenu::~RidesMenu() = default;

void RidesMenu::BuildRidesMenu()
{
    const StoreRead<int> rides = Store::countRides();
    rw.takeRideCount(rides.recordCount);
    if (!rides.status)
        rw.reportFailure(rides.status);
    const int n = rides.recordCount >= 0 ? rw.state.RideCount : 0;
    m_items->setRideCount(n);

    QFont font = rw.ui.lbl[0]->font();
    font.setBold(false);
    rw.ui.lbl[0]->setFont(font);
    rw.ui.lbl[0]->setText(RideLabels::RidesOnFileCaption(n));
    rw.ui.cmdSelectRide->setVisible(n >= 2);
}

// Only the name fields are read: the menu needs nothing else.
void RidesMenu::readLabels()
{
    if (m_items->labelsRead())
        return;
    StoreRead<QStringList> labels = Store::readRideLabels();
    // Should the file have changed its length since it was counted, the
    // menu keeps the count: missing rides keep their place with an empty
    // label.
    labels.value.resize(m_items->rideCount());
    m_items->setLabels(labels.value);
    if (!labels.status)
        rw.reportFailure(labels.status);
}

int RidesMenu::itemCount() const
{
    return m_items->itemCount();
}

bool RidesMenu::isItemVisible(int index) const
{
    return index >= m_items->firstShownItem() && index < m_items->itemCount();
}

QString RidesMenu::caption(int index)
{
    readLabels();
    return m_items->caption(index);
}

void RidesMenu::cmdSelectRide_Click()
{
    readLabels();
    menuListRidesMenu->popup(QCursor::pos());
}

void RidesMenu::menuListRides_Click(int index)
{
    if (index == rw.state.CurrentRide)
        return;
    if (index >= 1 && index < m_items->itemCount() - 2) {
        rw.state.CurrentRide = qint16(index);
        m_showRide(rw.state.CurrentRide);
    }
}
