#include "onboarding/OnboardingState.h"

namespace {

// Stores the value and says whether it was a change worth announcing.
template <typename T>
bool assign(T &field, const T &value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

} // namespace

void OnboardingState::setSelectedInterval(int minutes)
{
    if (assign(m_selectedInterval, minutes))
        emit selectedIntervalChanged(minutes);
}

void OnboardingState::setSelectedDuration(int seconds)
{
    if (assign(m_selectedDuration, seconds))
        emit selectedDurationChanged(seconds);
}

void OnboardingState::setSelectedEnforcement(const QString &enforcement)
{
    if (assign(m_selectedEnforcement, enforcement))
        emit selectedEnforcementChanged(enforcement);
}

void OnboardingState::setLongBreaksEnabled(bool enabled)
{
    if (assign(m_longBreaksEnabled, enabled))
        emit longBreaksEnabledChanged(enabled);
}

void OnboardingState::setLongBreakFrequency(int shortBreaks)
{
    if (assign(m_longBreakFrequency, shortBreaks))
        emit longBreakFrequencyChanged(shortBreaks);
}

void OnboardingState::setLongBreakDuration(int seconds)
{
    if (assign(m_longBreakDuration, seconds))
        emit longBreakDurationChanged(seconds);
}

void OnboardingState::setSelectedSensitivity(const QString &sensitivity)
{
    if (assign(m_selectedSensitivity, sensitivity))
        emit selectedSensitivityChanged(sensitivity);
}

void OnboardingState::setLaunchAtLogin(bool launch)
{
    if (assign(m_launchAtLogin, launch))
        emit launchAtLoginChanged(launch);
}

void OnboardingState::setPauseDuringMeetings(bool pause)
{
    if (assign(m_pauseDuringMeetings, pause))
        emit pauseDuringMeetingsChanged(pause);
}

QString OnboardingState::longBreaksCaption() const
{
    if (!m_longBreaksEnabled)
        return QStringLiteral("Currently turned off");
    return QStringLiteral("Optional, after %1 short breaks").arg(m_longBreakFrequency);
}

QString OnboardingState::durationCaption() const
{
    if (!m_longBreaksEnabled)
        return QStringLiteral("Available when long breaks are on");
    // The value is in seconds while the caption speaks of whole minutes.
    return QStringLiteral("%1 minutes away from the screen").arg(m_longBreakDuration / 60);
}

QString OnboardingState::enforcementDescription() const
{
    if (m_selectedEnforcement == QLatin1String("Balanced"))
        return QStringLiteral("A measured middle ground with limited daily deferrals.");
    if (m_selectedEnforcement == QLatin1String("Hardcore"))
        return QStringLiteral("Breaks stay on screen until they are complete.");
    return QStringLiteral("Skip or snooze whenever your day needs flexibility.");
}

QString OnboardingState::sensitivityDescription() const
{
    if (m_selectedSensitivity == QLatin1String("Normal"))
        return QStringLiteral("Wait while you are actively typing.");
    if (m_selectedSensitivity == QLatin1String("Persistent"))
        return QStringLiteral("Begin as soon as the focus timer ends.");
    return QStringLiteral("Wait for five quiet seconds before stepping in.");
}
