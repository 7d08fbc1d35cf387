#include "ride/MainWindowParts.h"

#include "platform/Twips.h"
#include "ui/QorButton.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include <array>

namespace MainWindowParts {

namespace {

struct Column
{
    const char *header;
    Qt::Alignment alignment;
    int widthTwips; // 0: as wide as the header text
};

struct LogLook
{
    const char *name;  // cmd<name>Add, cmd<name>Edit, ...
    const char *intro; // lbl(k)
    std::array<Column, 3> columns;
    std::array<int, 3> totals; // lblTotal indices; 0 for none
};

const std::array<LogLook, 5> Logs = {{
    {},
    {"Maint",
     "Keep a log of your maintenance, repair, and upkeep expenses here...",
     {{{"Date", Qt::AlignLeft, 1150}, {"Brief Description", Qt::AlignLeft, 5600}, {"Cost", Qt::AlignRight, 1100}}},
     {1, 0, 0}},
    {"Goody",
     "Keep a log of your accessories, aftermarket goodies, and add-ons here...",
     {{{"Date", Qt::AlignLeft, 1150}, {"Brief Description", Qt::AlignLeft, 5600}, {"Cost", Qt::AlignRight, 1100}}},
     {2, 0, 0}},
    {"Trip",
     "Keep a log of your trips, rallies, memorable rides, and so on...",
     {{{"Date", Qt::AlignLeft, 1150}, {"Brief Description", Qt::AlignLeft, 5900}, {"Miles", Qt::AlignLeft, 700}}},
     {3, 0, 0}},
    {"Gas",
     "Keep a log of your gasoline consumption, mileage, and so on...",
     {{{"Date", Qt::AlignLeft, 1150}, {"Gallons", Qt::AlignRight, 775}, {"Miles     mpg", Qt::AlignRight, 0}}},
     {4, 5, 6}},
}};

// The list grid(k): one header row over five columns, of which the last two
// (record number and date sort key) are data for the program, never shown.
QTableView *logGrid(int k, QWidget *parent)
{
    auto *model = new QStandardItemModel(0, 5, parent);
    const LogLook &look = Logs[std::size_t(k)];
    for (int column = 0; column < 3; ++column) {
        const Column &shown = look.columns[std::size_t(column)];
        model->setHeaderData(column, Qt::Horizontal, QString::fromUtf8(shown.header));
        model->setHeaderData(column, Qt::Horizontal, QVariant::fromValue(shown.alignment | Qt::AlignVCenter),
                             Qt::TextAlignmentRole);
    }
    model->setHeaderData(3, Qt::Horizontal, QStringLiteral("RecNum"));
    model->setHeaderData(4, Qt::Horizontal, QStringLiteral("DateSort"));

    auto *grid = new QTableView(parent);
    grid->setObjectName(indexed("grid", k));
    grid->setModel(model);
    grid->verticalHeader()->hide();
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setAlternatingRowColors(true);
    grid->setWordWrap(false);
    grid->horizontalHeader()->setHighlightSections(false);
    grid->horizontalHeader()->setStretchLastSection(true);
    for (int column = 0; column < 3; ++column) {
        const int width = look.columns[std::size_t(column)].widthTwips;
        if (width > 0)
            grid->setColumnWidth(column, Twips::x(width));
        else
            grid->resizeColumnToContents(column);
    }
    grid->setColumnHidden(3, true);
    grid->setColumnHidden(4, true);
    return grid;
}

} // namespace

QWidget *logTab(MainWindowControls &controls, int k)
{
    const LogLook &look = Logs[std::size_t(k)];
    QWidget *tab = page(indexed("tabLog", k));

    controls.lbl[std::size_t(k)] = caption(tab, indexed("lbl", k), QString::fromUtf8(look.intro));
    QFont introFont = controls.lbl[std::size_t(k)]->font();
    introFont.setItalic(true);
    introFont.setBold(true);
    controls.lbl[std::size_t(k)]->setFont(introFont);

    controls.grid[std::size_t(k)] = logGrid(k, tab);

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

    auto *list = new QHBoxLayout;
    list->addWidget(controls.grid[std::size_t(k)], 1);
    list->addLayout(commands);

    auto *totals = new QHBoxLayout;
    totals->addStrut(QFontMetrics(tab->font()).height() + 4); // keeps its height while the totals are hidden
    totals->addStretch();
    for (int index : look.totals) {
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

    const int notes = 27 + k;
    makeField(controls, notes, tab);
    controls.txtField[std::size_t(notes)]->setFixedHeight(84);

    auto *layout = new QVBoxLayout(tab);
    layout->setContentsMargins(10, 8, 10, 10);
    layout->setSpacing(4);
    layout->addWidget(controls.lbl[std::size_t(k)]);
    layout->addLayout(list, 1);
    layout->addLayout(totals);
    layout->addWidget(controls.lblField[std::size_t(notes)]);
    layout->addWidget(controls.txtField[std::size_t(notes)]);
    return tab;
}

} // namespace MainWindowParts
