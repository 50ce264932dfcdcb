#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// The built-in table of 200 break messages the break screen can draw from: short ASCII
// sentences of 11 to 37 characters, each ending with a full stop, no two alike. Fixed for
// the life of the program.
const QStringList &breakMessages();

// A uniformly chosen element, or "Take a moment." when there is nothing to choose from.
QString randomBreakMessage(const QStringList &messages);

// The same element all day and the next one the following day, so a preview does not
// flicker between openings. The index is the day's ordinal in the proleptic Gregorian
// calendar (0001-01-01 is day 1) modulo the count. `today` is the caller's local date from
// its Clock. An invalid date counts as day 0; an empty list gives "Take a moment.".
QString messageOfTheDay(const QStringList &messages, const QDate &today);
