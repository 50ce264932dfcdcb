#include "core/PauseReason.h"

#include <array>
#include <bit>

namespace {

constexpr std::array<std::pair<PauseReason, const char *>, 7> rawValues = {{
    {PauseReason::officeHours, "officeHours"},
    {PauseReason::meeting, "meeting"},
    {PauseReason::media, "media"},
    {PauseReason::sleep, "sleep"},
    {PauseReason::idle, "idle"},
    {PauseReason::displaySleep, "displaySleep"},
    {PauseReason::manual, "manual"},
}};

} // namespace

const QList<PauseReason> &allPauseReasons()
{
    static const QList<PauseReason> reasons = [] {
        QList<PauseReason> list;
        for (const auto &[reason, raw] : rawValues)
            list.append(reason);
        return list;
    }();
    return reasons;
}

QString pauseReasonLogName(PauseReason reason)
{
    return QLatin1String(rawValues[std::size_t(reason)].second);
}

QString pauseReasonLogName(std::optional<PauseReason> reason)
{
    return reason ? pauseReasonLogName(*reason) : QStringLiteral("unknown");
}

std::optional<PauseReason> pauseReasonFromRawValue(const QString &raw)
{
    for (const auto &[reason, text] : rawValues) {
        if (raw == QLatin1String(text))
            return reason;
    }
    return std::nullopt;
}

PauseReasonSet::PauseReasonSet(std::initializer_list<PauseReason> reasons)
{
    for (PauseReason reason : reasons)
        insert(reason);
}

bool PauseReasonSet::insert(PauseReason reason)
{
    const std::uint8_t before = m_bits;
    m_bits |= bit(reason);
    return m_bits != before;
}

bool PauseReasonSet::remove(PauseReason reason)
{
    const std::uint8_t before = m_bits;
    m_bits &= std::uint8_t(~bit(reason));
    return m_bits != before;
}

int PauseReasonSet::size() const
{
    return std::popcount(m_bits);
}

QList<PauseReason> PauseReasonSet::values() const
{
    QList<PauseReason> result;
    for (PauseReason reason : allPauseReasons()) {
        if (contains(reason))
            result.append(reason);
    }
    return result;
}

QStringList pauseReasonLogNames(const PauseReasonSet &reasons)
{
    QStringList names;
    for (PauseReason reason : reasons.values())
        names.append(pauseReasonLogName(reason));
    return names;
}
