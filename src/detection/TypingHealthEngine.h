#pragma once

#include <QObject>

#include <functional>

class AppSettings;
class Clock;
class SettingsRepository;

// Watches the typing load and asks for a rest after sustained typing. For now it keeps only
// whether it monitors: it monitors while typing health is on, inside office hours, and while
// the break flow lets it (the timer neither held nor the user away, no break on screen).
// Sampling comes with the typing-load detector. Main thread only.
class TypingHealthEngine : public QObject
{
    Q_OBJECT

public:
    // Whether the break flow keeps typing monitoring off: the break timer is paused or the
    // user is away, or a break is on screen.
    using BreakFlowHolds = std::function<bool()>;

    // Brings the user-defaults domain into shape before reading its own keys from it.
    TypingHealthEngine(SettingsRepository &defaults, AppSettings &settings, Clock &clock,
                       BreakFlowHolds breakFlowHolds, QObject *parent = nullptr);

    // The application's engine, asking the shared break timer; made on first use.
    static TypingHealthEngine &shared();

    // Restarts monitoring; leaves it stopped when any condition fails.
    void startMonitoring();
    // Harmless when not monitoring.
    void stopMonitoring();

    bool isMonitoring() const { return m_isMonitoring; }
    bool isEnabled() const { return m_enabled; }
    qint64 thresholdMinutes() const { return m_thresholdMinutes; }

private:
    SettingsRepository &m_defaults;
    AppSettings &m_settings;
    Clock &m_clock;
    BreakFlowHolds m_breakFlowHolds;
    bool m_enabled = true;
    qint64 m_thresholdMinutes = 5;
    bool m_isMonitoring = false;
};
