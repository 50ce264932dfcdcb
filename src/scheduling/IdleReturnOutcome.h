#pragma once

#include <QString>

// What coming back after an absence does to the interval: nothing (no absence was
// tracked), continue where it stood, or start it afresh.
enum class IdleReturnOutcome { none, resume, fullReset };

// "none", "resume" or "full reset", as the log writes them.
QString idleReturnOutcomeLogName(IdleReturnOutcome outcome);
