#pragma once

#include "core/Cancellable.h"
#include "detection/TypingLoadDetector.h"

#include <QDateTime>
#include <QObject>

#include <functional>
#include <limits>
#include <optional>

class AppNotifier;
class AppSettings;
class Clock;
class InputStateProvider;
class ReminderQueue;
class SettingsRepository;
class WellnessScheduler;

// Everything the typing health engine reads from or tells: the application hands in the
// shared services and the system's keyboard reading, a test its own on a fake clock.
struct TypingHealthEngineServices
{
    SettingsRepository &defaults;
    AppSettings &settings;
    Clock &clock;
    InputStateProvider &inputState;
    ReminderQueue &reminders;
    // Whether a call or a playback holds notices back.
    WellnessScheduler &wellness;
    // "breakDidHide" arrives here.
    AppNotifier &notifier;
    // Whether the break flow keeps typing monitoring off: the break timer is paused or the
    // user is away, or a break is on screen or fading out.
    std::function<bool()> breakFlowHolds;
    // A uniform index below the bound; empty draws from the system's random source.
    std::function<qsizetype(qsizetype)> randomIndex = {};
};

// Watches the keyboard once a second while the user works and, once sustained typing has
// added up to the threshold, queues a wrist reminder. It samples only while typing health is
// on, inside office hours, and while the break flow lets it (the timer neither held nor the
// user away, no break on screen); the break timer and office hours start and stop it.
// Main thread only.
class TypingHealthEngine : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool enabled READ enabled WRITE setEnabled NOTIFY enabledChanged)
    Q_PROPERTY(qint64 typingThresholdMinutes READ typingThresholdMinutes
                   WRITE setTypingThresholdMinutes NOTIFY typingThresholdMinutesChanged)

public:
    static constexpr double sampleSeconds = 1.0;
    // A sample after a stall, a sleep or a clock change feeds the buckets this much at most.
    static constexpr double longestSampleSeconds = 2.0;

    struct Tip
    {
        QString icon;
        QString title;
        QString subtitle;
    };
    static const QList<Tip> &tips();

    // Brings the user-defaults domain into shape before reading its own keys from it. A
    // stored threshold of 0 is mended to 5 and written back. Monitoring does not start.
    explicit TypingHealthEngine(TypingHealthEngineServices services, QObject *parent = nullptr);

    // The application's engine on the standard store, the installed keyboard reading and the
    // shared break timer; made on first use, never destroyed.
    static TypingHealthEngine &shared();

    // Restarts sampling; leaves it stopped when any condition fails.
    void startMonitoring();
    // Stops sampling and clears the load; harmless when not monitoring.
    void stopMonitoring();
    // One sample; the sampling timer's work.
    void tick();
    void resetTypingLoad();
    // Dropped while a call or playback holds notices, and outside office hours.
    void deliverTypingReminder();

    bool isMonitoring() const { return bool(m_monitorTimer); }
    bool enabled() const { return m_enabled; }
    // Stored on every assignment, then monitoring starts (true) or stops (false).
    void setEnabled(bool enabled);
    qint64 typingThresholdMinutes() const { return m_typingThresholdMinutes; }
    // Stored on every assignment; a new value clears the load gathered so far.
    void setTypingThresholdMinutes(qint64 minutes);
    const TypingLoadSnapshot &typingLoadSnapshot() const { return m_typingLoadSnapshot; }
    const TypingLoadDetector &typingDetector() const { return m_typingDetector; }

signals:
    void enabledChanged(bool enabled);
    void typingThresholdMinutesChanged(qint64 typingThresholdMinutes);
    void typingLoadSnapshotChanged();

private:
    bool mayMonitor();
    bool keyboardReadingSuits();
    void handleBreakDidHide();
    void publishSnapshot();
    double thresholdSeconds() const;

    TypingHealthEngineServices m_services;
    bool m_enabled = true;
    qint64 m_typingThresholdMinutes = 5;
    CancellableHandle m_monitorTimer;
    TypingLoadDetector m_typingDetector;
    std::optional<QDateTime> m_lastSampleAt;
    double m_previousKeyIdle = std::numeric_limits<double>::infinity();
    TypingLoadSnapshot m_typingLoadSnapshot;
    bool m_warnedAboutKeyboardReading = false;
};
