#include "settings_ui/panes/behavior/ReminderSensitivity.h"

namespace {

struct SensitivityFacts
{
    const char *rawValue;
    const char *symbol;
    NamedColor colour;
    const char *subtitle;
    const char *explanation;
};

const std::array<SensitivityFacts, 3> facts = {{
    {"Gentle", "leaf.fill", NamedColor::green, "Show breaks after keyboard and pointer activity stop",
     "Waits until keyboard and pointer are both idle."},
    {"Normal", "bell.fill", NamedColor::blue, "Show breaks after typing stops",
     "Waits for a typing pause. Ignores pointer."},
    {"Persistent", "bell.badge.fill", NamedColor::orange, "Show breaks immediately",
     "Break appears immediately. No waiting."},
}};

const SensitivityFacts &factsOf(ReminderSensitivity sensitivity)
{
    return facts.at(std::size_t(sensitivity));
}

} // namespace

QString reminderSensitivityRawValue(ReminderSensitivity sensitivity)
{
    return QString::fromLatin1(factsOf(sensitivity).rawValue);
}

std::optional<ReminderSensitivity> reminderSensitivityFromRawValue(const QString &raw)
{
    for (ReminderSensitivity sensitivity : allReminderSensitivities()) {
        if (raw == QLatin1String(factsOf(sensitivity).rawValue))
            return sensitivity;
    }
    return std::nullopt;
}

ReminderSensitivity reminderSensitivityFromStored(const QString &stored)
{
    return reminderSensitivityFromRawValue(stored).value_or(ReminderSensitivity::gentle);
}

const std::array<ReminderSensitivity, 3> &allReminderSensitivities()
{
    static constexpr std::array<ReminderSensitivity, 3> all = {
        ReminderSensitivity::gentle, ReminderSensitivity::normal, ReminderSensitivity::persistent};
    return all;
}

QString reminderSensitivitySymbol(ReminderSensitivity sensitivity)
{
    return QString::fromLatin1(factsOf(sensitivity).symbol);
}

NamedColor reminderSensitivityColour(ReminderSensitivity sensitivity)
{
    return factsOf(sensitivity).colour;
}

QString reminderSensitivitySubtitle(ReminderSensitivity sensitivity)
{
    return QString::fromLatin1(factsOf(sensitivity).subtitle);
}

QString reminderSensitivityExplanation(ReminderSensitivity sensitivity)
{
    return QString::fromLatin1(factsOf(sensitivity).explanation);
}
