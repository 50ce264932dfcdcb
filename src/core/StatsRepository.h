#pragma once

#include "core/DayStat.h"

#include <QList>
#include <QString>

// Where the statistics history is kept. Failures are handled (logged) inside: the caller's
// history in memory is the truth, and the next save writes it again.
class StatsRepository
{
public:
    virtual ~StatsRepository() = default;

    virtual QList<DayStat> load() = 0;
    // What a save did: whether the list is stored now and, when it is not, why, in words fit
    // to show the user.
    struct SaveResult
    {
        bool saved = true;
        QString reason;
    };

    // Replaces what is stored by the given list.
    virtual SaveResult save(const QList<DayStat> &days) = 0;
    // What a clear left behind. The history counts as gone when nothing holds it any more,
    // whether the file went or was emptied in place; when it is still stored, `reason` says
    // why, in words fit to show the user.
    struct ClearResult
    {
        bool historyGone = true;
        QString reason;
    };

    virtual ClearResult clear() = 0;
};
