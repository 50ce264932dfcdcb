#include "scheduling/AwayReturnRule.h"

#include <algorithm>

namespace {

// However small the threshold, an instant away is never a break.
constexpr double minimumResetSeconds = 1.0;

} // namespace

AwayReturn awayReturnRule(double workInterval, double departureCountdown, double awayDuration,
                          double fullResetThreshold)
{
    const double interval = workInterval <= 1 ? 1.0 : workInterval;
    if (awayDuration >= std::max(fullResetThreshold, minimumResetSeconds))
        return {IdleReturnOutcome::fullReset, interval};
    return {IdleReturnOutcome::resume, std::min(interval, std::max(departureCountdown, 0.0))};
}
