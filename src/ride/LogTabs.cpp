#include "ride/MainWindowParts.h"

#include "logs/LogListModel.h"
#include "model/LogKindInfo.h"
#include "model/RideFields.h"
#include "ui/FocusList.h"
#include "ui/QorButton.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>

namespace MainWindowParts {

namespace {

// What the main window adds to each log: the names of its commands and its
// introduction caption lbl(k).
struct LogCommands
{
    const char *name; // cmd<name>Add, cmd<name>Edit, ...
    const char *intro;
};

const std::array<LogCommands, 5> Logs = {{
    {},
    {"Maint", "Keep a log of your maintenance, repair, and upkeep expenses here..."},
    {"Goody", "Keep a log of your accessories, aftermarket goodies, and add-ons here..."},
    {"Trip", "Keep a log of your trips, rallies, memorable rides, and so on..."},
    {"Gas", "Keep a log of your gasoline consumption, mileage, and so on..."},
}};

// The list grid(k) over the log's (still empty) list; its log tab lays out
// the columns.
QTableView *logGrid(LogListing &listing, QWidget *parent)
{
    const LogKind kind = listing.kind;
    auto *grid = new FocusList(parent);
    grid->setObjectName(indexed("grid", logIndex(kind)));
    grid->setAccessibleName(logKindInfo(kind).tabCaption + QStringLiteral(" list"));
    grid->setModel(new LogListModel(listing, grid));
    grid->verticalHeader()->hide();
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Rows are chosen whole, so Tab leaves the list instead of going from cell to cell.
    grid->setTabKeyNavigation(false);
    grid->setAlternatingRowColors(true);
    grid->setWordWrap(false);
    grid->horizontalHeader()->setHighlightSections(false);
    return grid;
}

} // namespace

QWidget *emptyLogPage(LogKind kind)
{
    return page(indexed("tabLog", logIndex(kind)));
}

void buildLogPage(MainWindowControls &controls, LogListing &listing, QWidget *tab)
{
    const LogKind kind = listing.kind;
    const int k = logIndex(kind);
    const LogCommands &look = Logs[std::size_t(k)];

    controls.lbl[std::size_t(k)] = caption(tab, indexed("lbl", k), QString::fromUtf8(look.intro));
    QFont introFont = controls.lbl[std::size_t(k)]->font();
    introFont.setItalic(true);
    introFont.setBold(true);
    controls.lbl[std::size_t(k)]->setFont(introFont);

    controls.grid[std::size_t(k)] = logGrid(listing, tab);
    // The Tab key goes from the list to its notes, then to the commands.
    const int notes = RideFields::logNotesBox(k);
    makeField(controls, notes, tab);
    controls.txtField[std::size_t(notes)]->setFixedHeight(84);

    const QString name = QString::fromUtf8(look.name);
    controls.cmdLogAdd[std::size_t(k)] = command(tab, QStringLiteral("cmd%1Add").arg(name));
    controls.cmdLogEdit[std::size_t(k)] = command(tab, QStringLiteral("cmd%1Edit").arg(name));
    controls.cmdLogDelete[std::size_t(k)] = command(tab, QStringLiteral("cmd%1Delete").arg(name));
    controls.cmdLogPrint[std::size_t(k)] = command(tab, QStringLiteral("cmd%1Print").arg(name));
    auto *commands = new QVBoxLayout;
    for (QorButton *button : {controls.cmdLogAdd[std::size_t(k)], controls.cmdLogEdit[std::size_t(k)],
                              controls.cmdLogDelete[std::size_t(k)], controls.cmdLogPrint[std::size_t(k)]})
        commands->addWidget(button);
    commands->addStretch();
    if (kind == LogKind::Gas) {
        // The units the ride counts in: kilometres, litres, L/100 km.
        auto *units = new QPushButton(QStringLiteral("&Units..."), tab);
        units->setObjectName(QStringLiteral("cmdRideUnits"));
        units->setAccessibleName(QStringLiteral("Units of this ride"));
        units->setToolTip(QStringLiteral(" The distance, fuel and economy units of this ride "));
        units->setAutoDefault(true); // Enter presses it, as Space does
        controls.cmdRideUnits = units;
        commands->addWidget(units);
    }

    auto *list = new QHBoxLayout;
    list->addWidget(controls.grid[std::size_t(k)], 1);
    list->addLayout(commands);

    auto *totals = new QHBoxLayout;
    totals->addStrut(QFontMetrics(tab->font()).height() + 4); // keeps its height while the totals are hidden
    totals->addStretch();
    for (int index : logKindInfo(kind).totalCaptions) {
        if (index == 0)
            continue;
        QLabel *total = caption(tab, indexed("lblTotal", index), QString());
        QFont font = total->font();
        font.setBold(true);
        total->setFont(font);
        total->hide();
        controls.lblTotal[std::size_t(index)] = total;
        totals->addWidget(total);
    }

    auto *layout = new QVBoxLayout(tab);
    layout->setContentsMargins(10, 8, 10, 10);
    layout->setSpacing(4);
    layout->addWidget(controls.lbl[std::size_t(k)]);
    layout->addLayout(list, 1);
    layout->addLayout(totals);
    layout->addWidget(controls.lblField[std::size_t(notes)]);
    layout->addWidget(controls.txtField[std::size_t(notes)]);
}

} // namespace MainWindowParts
