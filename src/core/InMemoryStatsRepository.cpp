#include "core/InMemoryStatsRepository.h"

InMemoryStatsRepository::InMemoryStatsRepository(QList<DayStat> days)
    : m_days(std::move(days))
{
}

QList<DayStat> InMemoryStatsRepository::load()
{
    return m_days;
}

StatsRepository::SaveResult InMemoryStatsRepository::save(const QList<DayStat> &days)
{
    m_days = days;
    return {};
}

StatsRepository::ClearResult InMemoryStatsRepository::clear()
{
    m_days.clear();
    return {};
}
