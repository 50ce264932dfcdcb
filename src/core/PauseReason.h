#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

// Why the break timer or the reminders are held. The raw value of each case is its name.
enum class PauseReason { officeHours, meeting, media, sleep, idle, displaySleep, manual };

// Every case in declaration order.
const QList<PauseReason> &allPauseReasons();

QString pauseReasonLogName(PauseReason reason);
// A missing reason is written "unknown".
QString pauseReasonLogName(std::optional<PauseReason> reason);
// Exactly the seven case names; anything else gives no value.
std::optional<PauseReason> pauseReasonFromRawValue(const QString &raw);

// A set of reasons that always iterates in declaration order, so that log fields built from
// it read the same whatever order the reasons came in.
class PauseReasonSet
{
public:
    PauseReasonSet() = default;
    PauseReasonSet(std::initializer_list<PauseReason> reasons);

    // Each returns whether the set changed.
    bool insert(PauseReason reason);
    bool remove(PauseReason reason);
    void clear() { m_bits = 0; }

    bool contains(PauseReason reason) const { return m_bits & bit(reason); }
    bool isEmpty() const { return m_bits == 0; }
    int size() const;
    QList<PauseReason> values() const;

    bool operator==(const PauseReasonSet &other) const = default;

private:
    static std::uint8_t bit(PauseReason reason) { return std::uint8_t(1u << int(reason)); }
    std::uint8_t m_bits = 0;
};

// The log name of each reason of the set, in declaration order.
QStringList pauseReasonLogNames(const PauseReasonSet &reasons);
