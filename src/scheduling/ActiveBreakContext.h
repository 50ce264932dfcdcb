#pragma once

#include "core/StatisticsKinds.h"

#include <QString>

// The break handed to the break screen, kept until its outcome arrives.
struct ActiveBreakContext
{
    qint64 durationSeconds = 0;
    bool isLong = false;
    BreakStatisticsSource source = BreakStatisticsSource::routine;

    bool operator==(const ActiveBreakContext &other) const = default;
};

// "routine", "manual" or "planned", as log fields write the source of a break.
QString breakSourceLogName(BreakStatisticsSource source);
