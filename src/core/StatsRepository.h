#pragma once

#include "core/DayStat.h"

#include <QList>

// Where the statistics history is kept. Failures are handled (logged) inside: the caller's
// history in memory is the truth, and the next save writes it again.
class StatsRepository
{
public:
    virtual ~StatsRepository() = default;

    virtual QList<DayStat> load() = 0;
    // Replaces what is stored by the given list; false when it could not be stored.
    virtual bool save(const QList<DayStat> &days) = 0;
    virtual void clear() = 0;
};
