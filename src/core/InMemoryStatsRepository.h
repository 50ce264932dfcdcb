#pragma once

#include "core/StatsRepository.h"

// Keeps the history for the life of the process only: the store uses it under the test
// host, so that tests never touch the user's statistics.
class InMemoryStatsRepository : public StatsRepository
{
public:
    explicit InMemoryStatsRepository(QList<DayStat> days = {});

    QList<DayStat> load() override;
    SaveResult save(const QList<DayStat> &days) override;
    ClearResult clear() override;

    const QList<DayStat> &days() const { return m_days; }

private:
    QList<DayStat> m_days;
};
