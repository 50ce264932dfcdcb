#include "scheduling/IdleReturnOutcome.h"

QString idleReturnOutcomeLogName(IdleReturnOutcome outcome)
{
    switch (outcome) {
    case IdleReturnOutcome::none:
        break;
    case IdleReturnOutcome::resume:
        return QStringLiteral("resume");
    case IdleReturnOutcome::fullReset:
        return QStringLiteral("full reset");
    }
    return QStringLiteral("none");
}
