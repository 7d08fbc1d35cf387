#include "store/RideOdometer.h"

#include "data/Saturating.h"

void RideOdometer::add(LogKind kind, const LogEntry &entry, const EntryExtras &extras)
{
    if (entry.marked)
        return;
    if (extras.odometer) {
        const Reading reading{entry.dateSort, *extras.odometer};
        if (!m_latest || *m_latest < reading)
            m_latest = reading;
    }
    if (kind == LogKind::Gas) {
        qint64 &day = m_fillUpMiles[entry.dateSort];
        day = saturatingAdd(day, entry.miles);
    }
}

RideOdometer::Base RideOdometer::base(std::optional<qint64> bought) const
{
    return m_latest ? Base::Readings : bought ? Base::Bought : Base::LoggedMiles;
}

qint64 RideOdometer::now(std::optional<qint64> bought) const
{
    qint64 odometer = m_latest ? m_latest->odometer : bought.value_or(0);
    const auto after = m_latest ? m_fillUpMiles.upper_bound(m_latest->dateSort) : m_fillUpMiles.begin();
    for (auto day = after; day != m_fillUpMiles.end(); ++day)
        odometer = saturatingAdd(odometer, day->second);
    return odometer;
}
