#pragma once

#include <QDateTime>

#include <optional>

// Turning a calendar day and a time shown on the wall clock into a moment, in the time zone
// of a reference moment. Local times are not one-to-one with moments: on the day the clocks
// go forward some times never occur, and on the day they go back some occur twice. Both
// office hours and planned breaks want the same answer for those, so it lives here once.

// The first moment of the day in the reference's zone; invalid when the zone has none.
QDateTime startOfDayLike(const QDate &day, const QDateTime &reference);

// The moment the day shows that time. A time the clocks jump over gives the first moment
// after the jump (the next time that exists); a time shown twice gives its first occurrence.
// Nothing when the zone gives the day no moments at all.
std::optional<QDateTime> wallClockMoment(const QDate &day, QTime time, const QDateTime &reference);
