#pragma once

#include <QDateTime>

// One period in which the user is away from the machine, fixed when it begins: what the
// interval stood at, and how long an absence must last to restart it in full.
struct AwaySession
{
    QDateTime startedAt;             // when input stopped
    double departureCountdown = 0;   // seconds left in the interval at that moment
    double workInterval = 1;         // the full interval, at least one second
    double fullResetThreshold = 0;   // seconds away after which the interval restarts in full
};
