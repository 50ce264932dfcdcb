#include "core/WallClockMoment.h"

#include <QTimeZone>

namespace {

int offsetAt(qint64 secondsSinceEpoch, const QDateTime &reference)
{
    QDateTime moment = reference;
    moment.setSecsSinceEpoch(secondsSinceEpoch);
    return moment.offsetFromUtc();
}

// The first second in [from, to) whose UTC offset is no longer `offset`, or `to`. Zones
// change their offset at most once a day in practice, which lets a bisection find it.
qint64 endOfOffset(qint64 from, qint64 to, int offset, const QDateTime &reference)
{
    if (offsetAt(to - 1, reference) == offset)
        return to;
    qint64 same = from;
    qint64 changed = to - 1;
    while (changed - same > 1) {
        const qint64 middle = same + (changed - same) / 2;
        if (offsetAt(middle, reference) == offset)
            same = middle;
        else
            changed = middle;
    }
    return changed;
}

} // namespace

QDateTime startOfDayLike(const QDate &day, const QDateTime &reference)
{
    switch (reference.timeSpec()) {
    case Qt::TimeZone: return day.startOfDay(reference.timeZone());
    case Qt::OffsetFromUTC: return day.startOfDay(Qt::OffsetFromUTC, reference.offsetFromUtc());
    default: return day.startOfDay(reference.timeSpec());
    }
}

// Qt gives an invalid QDateTime for a local time in a gap and the later of two repeated
// ones, so the day is walked instead: through its stretches of constant UTC offset in order,
// the first stretch that shows the time gives the earlier of two repeated moments, and a
// stretch that begins after the time (the clocks jumped over it) gives its own first moment.
std::optional<QDateTime> wallClockMoment(const QDate &day, QTime time, const QDateTime &reference)
{
    if (!time.isValid())
        return std::nullopt;
    const QDateTime dayStart = startOfDayLike(day, reference);
    const QDateTime nextDayStart = startOfDayLike(day.addDays(1), reference);
    if (!dayStart.isValid() || !nextDayStart.isValid())
        return std::nullopt;
    const qint64 asIfUtc = QDateTime(day, time, Qt::UTC).toSecsSinceEpoch();
    const qint64 dayEnd = nextDayStart.toSecsSinceEpoch();
    qint64 stretchStart = dayStart.toSecsSinceEpoch();
    while (stretchStart < dayEnd) {
        const int offset = offsetAt(stretchStart, reference);
        const qint64 stretchEnd = endOfOffset(stretchStart, dayEnd, offset, reference);
        const qint64 candidate = asIfUtc - offset;
        if (candidate < stretchEnd) {
            QDateTime moment = reference;
            moment.setSecsSinceEpoch(qMax(candidate, stretchStart));
            return moment;
        }
        stretchStart = stretchEnd;
    }
    return std::nullopt;
}
