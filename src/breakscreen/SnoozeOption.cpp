#include "breakscreen/SnoozeOption.h"

namespace {

constexpr qint64 kShortestSnoozeSeconds = 30;

} // namespace

const QList<SnoozeOption> &snoozeOptions()
{
    static const QList<SnoozeOption> options = {
        {QStringLiteral("30 sec"), 0}, {QStringLiteral("1 min"), 1},
        {QStringLiteral("2 min"), 2},  {QStringLiteral("5 min"), 5},
        {QStringLiteral("10 min"), 10}, {QStringLiteral("15 min"), 15},
        {QStringLiteral("20 min"), 20},
    };
    return options;
}

qint64 snoozeDelaySeconds(int value)
{
    return value == 0 ? kShortestSnoozeSeconds : qint64(value) * 60;
}
