#pragma once

#include "scheduling/IdleReturnOutcome.h"

// Where the countdown goes when the user comes back, and why.
struct AwayReturn
{
    IdleReturnOutcome outcome = IdleReturnOutcome::none;
    double nextRemaining = 0;

    bool operator==(const AwayReturn &) const = default;
};

// An absence at least as long as the full-reset threshold counts as a break taken: the whole
// interval starts again. A shorter one continues from the countdown at departure, never
// beyond a full interval. All values are seconds; a work interval of one second or less
// counts as one, so a return never leaves nothing to count down.
AwayReturn awayReturnRule(double workInterval, double departureCountdown, double awayDuration,
                          double fullResetThreshold);
