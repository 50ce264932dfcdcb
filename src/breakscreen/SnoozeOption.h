#pragma once

#include <QList>
#include <QString>

// One entry of the break overlay's snooze menu. `value` counts minutes, except that 0
// stands for thirty seconds: the menu reports the value, the overlay turns it into a delay.
struct SnoozeOption
{
    QString label;
    int value = 0;
};

// The main half of the snooze control always snoozes this long.
inline constexpr qint64 defaultSnoozeDelaySeconds = 300;

// The menu's entries in display order, each value once.
const QList<SnoozeOption> &snoozeOptions();
// 30 for the value 0, else the value in minutes as seconds.
qint64 snoozeDelaySeconds(int value);
