#pragma once

#include "core/PauseReason.h"

#include <QObject>

#include <optional>

class AppSettings;
class Clock;
class SettingsRepository;

// Runs the wellness side of the runtime: its reminders, and the detection of calls and media
// playback that pause breaks and notices. For now it keeps the runtime flag, its own pause
// reasons and the office-hours flag; detection and the reminders' clock come later, so no
// meeting or playback ever holds breaks yet. Main thread only.
class WellnessScheduler : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool isRuntimeStarted READ isRuntimeStarted NOTIFY isRuntimeStartedChanged)

public:
    // Brings the user-defaults domain into shape before reading its own keys from it.
    WellnessScheduler(SettingsRepository &defaults, AppSettings &settings, Clock &clock,
                      QObject *parent = nullptr);

    // The application's scheduler on the standard store; made on first use, never destroyed.
    static WellnessScheduler &shared();

    void startRuntime();
    // Also runs its steps when the runtime was not started.
    void stopRuntime();
    // Repeating a reason is harmless but logged again.
    void pause(PauseReason reason);
    // A reason not held is ignored silently.
    void resume(PauseReason reason);
    void setOfficeHoursActive(bool active);

    bool isRuntimeStarted() const { return m_isRuntimeStarted; }
    bool officeHoursActive() const { return m_officeHoursActive; }
    const PauseReasonSet &pauseReasons() const { return m_pauseReasons; }
    std::optional<PauseReason> currentPauseReason() const { return m_currentPauseReason; }

    bool breaksPausedByMeeting() const { return false; }
    bool breaksPausedByMedia() const { return false; }
    bool notificationsPausedByMeeting() const { return false; }
    bool notificationsPausedByMedia() const { return false; }

signals:
    void isRuntimeStartedChanged(bool isRuntimeStarted);

private:
    std::optional<PauseReason> primaryPauseReason() const;
    QString sortedReasonNames() const;
    void setRuntimeStarted(bool started);

    SettingsRepository &m_defaults;
    AppSettings &m_settings;
    Clock &m_clock;
    bool m_isRuntimeStarted = false;
    bool m_officeHoursActive = true;
    PauseReasonSet m_pauseReasons;
    std::optional<PauseReason> m_currentPauseReason;
};
