#include "core/DayStat.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <limits>

namespace {

const QString routineKey = QStringLiteral("routineBreaksCompleted");

// A counter as stored: absent or null is 0; a whole number (even written as 3.0 or 1e3)
// is taken, negative ones as 0; anything else makes the record unusable.
std::optional<qint64> decodeCounter(const QJsonValue &value)
{
    if (value.isUndefined() || value.isNull())
        return 0;
    if (!value.isDouble())
        return std::nullopt;
    const qint64 whole = value.toInteger(0);
    if (whole == 0 && value.toDouble() != 0.0)
        return std::nullopt; // a fraction, or beyond the 64-bit range
    return std::max<qint64>(whole, 0);
}

// JSON text of a string, quotes and escapes included.
QByteArray quoted(const QString &text)
{
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

} // namespace

const QList<DayStatCounter> &dayStatCounters()
{
    static const QList<DayStatCounter> counters = {
        {"breaksCompleted", &DayStat::breaksCompleted},
        {"routineBreaksCompleted", &DayStat::routineBreaksCompleted},
        {"manualBreaksCompleted", &DayStat::manualBreaksCompleted},
        {"plannedBreaksCompleted", &DayStat::plannedBreaksCompleted},
        {"breaksEndedEarly", &DayStat::breaksEndedEarly},
        {"breaksSkipped", &DayStat::breaksSkipped},
        {"breaksAutoSkipped", &DayStat::breaksAutoSkipped},
        {"breaksSnoozed", &DayStat::breaksSnoozed},
        {"breaksInterrupted", &DayStat::breaksInterrupted},
        {"longBreaksTaken", &DayStat::longBreaksTaken},
        {"idleBreaks", &DayStat::idleBreaks},
        {"totalBreakSeconds", &DayStat::totalBreakSeconds},
        {"idleBreakSeconds", &DayStat::idleBreakSeconds},
        {"postureRemindersShown", &DayStat::postureRemindersShown},
        {"typingRemindersShown", &DayStat::typingRemindersShown},
        {"blinkRemindersShown", &DayStat::blinkRemindersShown},
        {"breakHeadsUpsShown", &DayStat::breakHeadsUpsShown},
    };
    return counters;
}

qint64 saturatingCounterAdd(qint64 left, qint64 right)
{
    qint64 sum = 0;
    if (!__builtin_add_overflow(left, right, &sum))
        return sum;
    return right > 0 ? std::numeric_limits<qint64>::max() : std::numeric_limits<qint64>::min();
}

void dayStatAddCounters(DayStat &into, const DayStat &from)
{
    for (const DayStatCounter &counter : dayStatCounters())
        into.*counter.field = saturatingCounterAdd(into.*counter.field, from.*counter.field);
}

std::optional<DayStat> DayStat::fromJson(const QJsonValue &value)
{
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject object = value.toObject();
    const QJsonValue date = object.value(QLatin1String("date"));
    if (!date.isString())
        return std::nullopt;

    DayStat day;
    day.date = date.toString();
    for (const DayStatCounter &counter : dayStatCounters()) {
        const std::optional<qint64> decoded =
            decodeCounter(object.value(QLatin1String(counter.key)));
        if (!decoded)
            return std::nullopt;
        day.*counter.field = *decoded;
    }
    const QJsonValue routine = object.value(routineKey);
    if (routine.isUndefined() || routine.isNull()) {
        // All three are non-negative here, so neither subtraction can overflow.
        const qint64 notManual = day.breaksCompleted - day.manualBreaksCompleted;
        day.routineBreaksCompleted =
            notManual > day.plannedBreaksCompleted ? notManual - day.plannedBreaksCompleted : 0;
    }
    return day;
}

QByteArray DayStat::toJson() const
{
    QByteArray json = "{\"date\":" + quoted(date);
    for (const DayStatCounter &counter : dayStatCounters()) {
        json += ",\"";
        json += counter.key;
        json += "\":";
        json += QByteArray::number(this->*counter.field);
    }
    json += '}';
    return json;
}

std::optional<QList<DayStat>> decodeDayStats(const QByteArray &json, QString *error)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        if (error)
            *error = QStringLiteral("not JSON: ") + parseError.errorString();
        return std::nullopt;
    }
    if (!document.isArray()) {
        if (error)
            *error = QStringLiteral("not a JSON array");
        return std::nullopt;
    }
    const QJsonArray array = document.array();
    QList<DayStat> days;
    days.reserve(array.size());
    for (qsizetype index = 0; index < array.size(); ++index) {
        std::optional<DayStat> day = DayStat::fromJson(array.at(index));
        if (!day) {
            if (error)
                *error = QStringLiteral("unusable record at index %1").arg(index);
            return std::nullopt;
        }
        days.append(std::move(*day));
    }
    return days;
}

QByteArray encodeDayStats(const QList<DayStat> &days)
{
    QByteArray json = "[";
    for (qsizetype index = 0; index < days.size(); ++index) {
        if (index > 0)
            json += ',';
        json += days.at(index).toJson();
    }
    json += ']';
    return json;
}
