#pragma once

#include "store/RideExtras.h"
#include "store/RideHistory.h"
#include "platform/ValueFormats.h"

#include <QDate>
#include <QList>
#include <QLocale>
#include <QString>

#include <array>
#include <optional>

// The summary page of a ride's history: what it cost and how it ran.
struct HistorySummary
{
    using Money = ValueFormats::Money;

    Money pricePaid = 0;   // apart from the running costs
    Money maintenance = 0; // every cost of the log, as its total adds them
    Money goodies = 0;
    std::optional<Money> fuel; // the costs of the fill-ups that have one; none when none has
    Money runningCosts = 0;    // maintenance + goodies + fuel
    bool sold = false;     // a selling date or a price sold is on file
    Money priceSold = 0;
    // paid + running costs - sold: what owning the ride cost once it is
    // sold, what it has cost so far before.
    Money netCost = 0;
    qint64 milesLogged = 0; // the gasoline log's total miles
    // The running costs / miles logged, from 1 mile on.
    std::optional<Money> costPerMile;
    // The fill-ups' costs / the miles of the fill-ups that have one, from 1
    // mile on: fill-ups without a cost neither add to it nor thin it out.
    std::optional<Money> fuelCostPerMile;
    std::optional<double> overallMpg; // over the fill-ups that count (see FuelEconomy)
    std::optional<double> bestMpg;    // of the fill-ups the chart shows
    std::optional<double> worstMpg;

    // The latest entry of each log (maintenance, goodies, trips, gasoline):
    // the last one its list shows.
    struct Latest
    {
        QDate date;
        QString text; // the description; for a fill-up its gallons and miles
    };
    std::array<std::optional<Latest>, 4> latest;
    RideExtras units; // the ride's: the distances and figures above are in them
};

HistorySummary summarise(const RideHistory &history);

// The summary as lines of a label and its value in the program's own formats
// ($1,234.50, 28.6, 03/15/2009): the figures first, then the latest entries.
// The price sold appears only for a ride that was sold, and the net cost is
// then its cost of owning; the fuel cost per mile only where a fill-up has a
// cost. A figure that cannot be given says why instead.
struct SummaryLine
{
    QString label;
    QString value;

    bool operator==(const SummaryLine &) const = default;
};
QList<SummaryLine> summaryLines(const HistorySummary &summary, const QLocale &locale = QLocale());
