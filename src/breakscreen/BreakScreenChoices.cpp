#include "breakscreen/BreakScreenChoices.h"

#include <array>

namespace {

template <typename Choice, std::size_t N>
using RawValueTable = std::array<std::pair<Choice, const char *>, N>;

constexpr RawValueTable<BreakScreenMessage, 8> messageValues = {{
    {BreakScreenMessage::catchQuickRest, "Catch a quick rest"},
    {BreakScreenMessage::restYourEyes, "Rest Your Eyes"},
    {BreakScreenMessage::lumenPause, "Lumen Pause"},
    {BreakScreenMessage::deepBreath, "Take a Deep Breath"},
    {BreakScreenMessage::stretch, "Stretch a Moment"},
    {BreakScreenMessage::hydration, "Hydration Time"},
    {BreakScreenMessage::random, "Random"},
    {BreakScreenMessage::custom, "Custom"},
}};

constexpr RawValueTable<BreakCountdown, 4> countdownValues = {{
    {BreakCountdown::timer, "Timer"},
    {BreakCountdown::ring, "Ring"},
    {BreakCountdown::bar, "Bar"},
    {BreakCountdown::hidden, "Hidden"},
}};

constexpr RawValueTable<BreakBG, 4> backgroundValues = {{
    {BreakBG::blur, "Blur"},
    {BreakBG::nature, "Nature"},
    {BreakBG::dark, "Dark"},
    {BreakBG::gradient, "Gradient"},
}};

constexpr RawValueTable<EscBehavior, 2> escapeValues = {{
    {EscBehavior::doubleEsc, "Double Esc"},
    {EscBehavior::disabled, "Disabled"},
}};

template <typename Choice, std::size_t N>
QString rawValueIn(const RawValueTable<Choice, N> &table, Choice choice)
{
    for (const auto &[value, raw] : table) {
        if (value == choice)
            return QLatin1String(raw);
    }
    return QString();
}

template <typename Choice, std::size_t N>
std::optional<Choice> parseIn(const RawValueTable<Choice, N> &table, const QString &raw)
{
    for (const auto &[value, text] : table) {
        if (raw == QLatin1String(text))
            return value;
    }
    return std::nullopt;
}

template <typename Choice, std::size_t N>
QList<Choice> casesIn(const RawValueTable<Choice, N> &table)
{
    QList<Choice> cases;
    for (const auto &entry : table)
        cases.append(entry.first);
    return cases;
}

} // namespace

QString rawValue(BreakScreenMessage message)
{
    return rawValueIn(messageValues, message);
}

QString rawValue(BreakCountdown countdown)
{
    return rawValueIn(countdownValues, countdown);
}

QString rawValue(BreakBG background)
{
    return rawValueIn(backgroundValues, background);
}

QString rawValue(EscBehavior behavior)
{
    return rawValueIn(escapeValues, behavior);
}

std::optional<BreakScreenMessage> breakScreenMessageFromRawValue(const QString &raw)
{
    return parseIn(messageValues, raw);
}

std::optional<BreakCountdown> breakCountdownFromRawValue(const QString &raw)
{
    return parseIn(countdownValues, raw);
}

std::optional<BreakBG> breakBGFromRawValue(const QString &raw)
{
    return parseIn(backgroundValues, raw);
}

std::optional<EscBehavior> escBehaviorFromRawValue(const QString &raw)
{
    return parseIn(escapeValues, raw);
}

const QList<BreakScreenMessage> &allBreakScreenMessages()
{
    static const QList<BreakScreenMessage> cases = casesIn(messageValues);
    return cases;
}

const QList<BreakCountdown> &allBreakCountdowns()
{
    static const QList<BreakCountdown> cases = casesIn(countdownValues);
    return cases;
}

const QList<BreakBG> &allBreakBGs()
{
    static const QList<BreakBG> cases = casesIn(backgroundValues);
    return cases;
}

const QList<EscBehavior> &allEscBehaviors()
{
    static const QList<EscBehavior> cases = casesIn(escapeValues);
    return cases;
}
