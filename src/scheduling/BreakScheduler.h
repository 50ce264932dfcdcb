#pragma once

#include "core/Cancellable.h"
#include "core/Logger.h"
#include "core/PauseReason.h"
#include "menubar/ReminderSuppressionReason.h"
#include "scheduling/ActiveBreakContext.h"
#include "scheduling/AwayReturnRule.h"
#include "scheduling/AwaySession.h"
#include "scheduling/BreakDismissalOutcome.h"
#include "scheduling/BreakSchedulerServices.h"

#include <QDateTime>
#include <QObject>

#include <functional>
#include <optional>

class QScreen;

// The break timer: counts the work interval down once a second, decides what happens when a
// break falls due, hands breaks to the break screen and turns their outcomes into the next
// interval. It also keeps the reasons that hold it paused and passes them on to the other
// runtime services, holds the countdown while the user is away (idle, locked, asleep) and
// notes when a display was unplugged. One instance serves the application; main thread only.
class BreakScheduler : public QObject
{
    Q_OBJECT
    Q_PROPERTY(double timeRemaining READ timeRemaining NOTIFY timeRemainingChanged)
    Q_PROPERTY(QString countdownText READ countdownText NOTIFY timeRemainingChanged)
    Q_PROPERTY(bool isRunning READ isRunning NOTIFY isRunningChanged)
    Q_PROPERTY(bool isPaused READ isPaused NOTIFY isPausedChanged)
    Q_PROPERTY(std::optional<PauseReason> currentPauseReason READ currentPauseReason
                   NOTIFY currentPauseReasonChanged)
    Q_PROPERTY(PauseReasonSet pauseReasons READ pauseReasons NOTIFY pauseReasonsChanged)
    Q_PROPERTY(QString statusMessage READ statusMessage NOTIFY statusMessageChanged)
    Q_PROPERTY(bool isDelayingBreak READ isDelayingBreak NOTIFY isDelayingBreakChanged)
    Q_PROPERTY(bool isScreenLocked READ isScreenLocked NOTIFY isScreenLockedChanged)
    Q_PROPERTY(bool isSystemIdle READ isSystemIdle NOTIFY isSystemIdleChanged)
    Q_PROPERTY(bool isWaitingForActivity READ isWaitingForActivity
                   NOTIFY isWaitingForActivityChanged)

public:
    using BreakPresenter = std::function<bool(bool isLong)>;

    // The longest a due break is held back while the user is busy, in seconds.
    static constexpr double deliveryMaxDelay = 120.0;
    // Idle seconds below which the user counts as present.
    static constexpr double idleCandidateThreshold = 0.75;

    // Creation neither starts the tick nor logs. It follows the login session and the
    // screens from then on, and takes the post-break idle baseline whenever a break closes.
    explicit BreakScheduler(BreakSchedulerServices services, QObject *parent = nullptr);

    // The application's timer on the shared services and the installed system readings;
    // made on first use and never destroyed.
    static BreakScheduler &shared();

    // A fresh work interval; also the restart after every break outcome.
    void start();
    // Applies a changed interval at once.
    void resetTimer();
    // Ends the tick and any wait for activity; pause reasons stay.
    void stop();
    // Several reasons can hold the timer; it runs again only when the last one is released.
    void pause(PauseReason reason);
    void resume(PauseReason reason);
    // Releases every reason without starting the timer; the caller starts it.
    void clearPauseReasons();
    std::optional<PauseReason> primaryPauseReason() const;

    // The break taken from the menu or a hot key; true when it is on screen.
    bool takeBreakNow();
    // A planned break handed over by the planned-break scheduler; true when it is on screen.
    bool presentPlannedBreak(const QString &name, qint64 durationSeconds);
    // The break screen reports how the break on screen ended.
    void handleBreakDismissal(const BreakDismissalOutcome &outcome);

    // Sleep stops the tick and counts as the user being away; wake restarts the tick when
    // the settings ask for it and it ran before.
    void systemWillSleep();
    void systemDidWake();
    // The login session became inactive (locked, switched away) or active again.
    void sessionDidResignActive();
    void sessionDidBecomeActive();
    // The screens changed: a drop in their number is remembered for the auto-skip.
    void screenParametersDidChange();

    // The user's idle seconds, not counting the quiet time of a break that just closed; 0
    // without an idle reading.
    double measuredIdleSeconds();
    // Seconds away in the current absence, as far as it is known.
    double awayDuration() const;
    // Seconds away after which the interval restarts in full; never below the idle timeout.
    double fullResetThreshold() const;
    // Whether the user is at the machine now, as the due-break hold asks; false without an
    // idle reading.
    bool isUserRecentlyActive() const;

    // Shows the break panels; false when they could not be shown.
    void setBreakPresenter(BreakPresenter presenter);

    double timeRemaining() const { return m_timeRemaining; }
    // "m:ss" of the whole seconds left.
    QString countdownText() const;
    bool isRunning() const { return m_isRunning; }
    bool isPaused() const { return m_isPaused; }
    std::optional<PauseReason> currentPauseReason() const { return m_currentPauseReason; }
    const PauseReasonSet &pauseReasons() const { return m_pauseReasons; }
    const PauseReasonSet &ancillaryPauseReasons() const { return m_ancillaryPauseReasons; }
    QString statusMessage() const { return m_statusMessage; }
    // A due break is being held back while the user is busy.
    bool isDelayingBreak() const;
    double deliveryDelayAccumulated() const { return m_deliveryDelayAccumulated; }
    bool isScreenLocked() const { return m_isScreenLocked; }
    bool isSystemIdle() const { return m_isSystemIdle; }
    bool isSystemSleeping() const { return m_isSystemSleeping; }
    bool wasRunningBeforeSleep() const { return m_wasRunningBeforeSleep; }
    bool isWaitingForActivity() const { return m_isWaitingForActivity; }
    bool headsUpSent() const { return m_headsUpSent; }
    int maxScreenCountThisSession() const { return m_maxScreenCountThisSession; }
    std::optional<QDateTime> lastDisplayDisconnectTime() const { return m_lastDisplayDisconnectTime; }
    std::optional<QDateTime> meetingPauseStartedAt() const { return m_meetingPauseStartedAt; }
    const std::optional<ActiveBreakContext> &activeBreakContext() const { return m_activeBreakContext; }
    const std::optional<AwaySession> &awaySession() const { return m_awaySession; }
    double syntheticIdleBaseline() const { return m_syntheticIdleBaseline; }
    double lastObservedIdleDuration() const { return m_lastObservedIdleDuration; }

signals:
    void timeRemainingChanged(double timeRemaining);
    void isRunningChanged(bool isRunning);
    void isPausedChanged(bool isPaused);
    void currentPauseReasonChanged();
    void pauseReasonsChanged();
    void statusMessageChanged(const QString &statusMessage);
    void isDelayingBreakChanged(bool isDelayingBreak);
    void isScreenLockedChanged(bool isScreenLocked);
    void isSystemIdleChanged(bool isSystemIdle);
    void isWaitingForActivityChanged(bool isWaitingForActivity);

private:
    // The tick (BreakScheduler.cpp)
    void scheduleTick();
    void cancelTick();
    void tick();
    void countDownOneSecond();
    bool withinOfficeHours() const;

    // Pause and resume (BreakSchedulerPause.cpp)
    void passOnPause(PauseReason reason);
    void releasePassedOnPause(PauseReason reason);
    void continueAfterLastResume(PauseReason reason);
    void applyMeetingRecovery();
    void rebaselineIdle();
    void holdForPauseReasons();

    // Due breaks (BreakSchedulerDue.cpp)
    void evaluateDueBreak();
    LogFields dueEvaluationFields();
    bool holdDueBreak();
    void presentDueBreak();
    std::optional<QString> autoSkipReason() const;
    bool presentBreak(qint64 durationSeconds, bool isLong, BreakStatisticsSource source,
                      const std::optional<QString> &scheduledName);
    void updateLongBreakCadence(bool isLong);
    void takeBackLongBreakCadence(const ActiveBreakContext &snoozed);
    void showHeadsUp(qint64 secondsLeft);

    // Outcomes (BreakSchedulerOutcome.cpp)
    void handleCompleted(const BreakDismissalOutcome::Completed &completed,
                         const std::optional<ActiveBreakContext> &context);
    void handleSnoozed(const BreakDismissalOutcome::Snoozed &snoozed,
                       const std::optional<ActiveBreakContext> &context);
    void handleSkipped(const std::optional<ActiveBreakContext> &context);
    void handleInterrupted(const std::optional<ActiveBreakContext> &context);
    void rearmAfterSnooze(double seconds);
    void waitForUserActivity();
    void checkForUserActivity();
    void cancelActivityMonitor();
    void startPostBreakCooldown();

    // Idle and away (BreakSchedulerIdle.cpp)
    bool processIdleStep();
    bool processForcedAbsenceStep();
    void beginIdleForLockOrSleep();
    void beginAwaySession(double idleSeconds);
    void idleStarted(double idleSeconds);
    void idleCompleted(IdleReturnOutcome outcome, double awaySeconds, double nextRemaining);
    AwayReturn resolveAwayReturn(double awaySeconds) const;
    void cancelIdleTracking();
    void clearIdleState();
    void resumeServicesAfterIdle();
    void showWelcomeBack(IdleReturnOutcome outcome, double nextRemaining);
    double idleTimeoutSeconds() const;
    bool isAbsenceForced() const;
    std::optional<double> rawIdleSeconds() const;
    void setPostBreakIdleBaseline();

    // Session, screens, sleep and wake (BreakSchedulerSystem.cpp)
    void installLifecycleObservers();
    void watchScreen(QScreen *screen);
    void queueScreenCheck();
    int screenCount() const;

    // Property writes: each compares first and notifies only on a real change.
    void setTimeRemaining(double seconds);
    void setIsRunning(bool running);
    void setIsPaused(bool paused);
    void setCurrentPauseReason(std::optional<PauseReason> reason);
    void setStatusMessage(const QString &message);
    void setDeliveryDelayAccumulated(double seconds);
    void setIsSystemIdle(bool idle);
    void setIsScreenLocked(bool locked);
    void setIsWaitingForActivity(bool waiting);
    bool insertPauseReason(PauseReason reason);
    void removePauseReason(PauseReason reason);
    void notifyIfDelayingChanged(bool wasDelaying);

    static void logEvent(LogLevel level, const QString &event, const LogFields &fields = {});

    BreakSchedulerServices m_services;
    BreakPresenter m_breakPresenter;

    double m_timeRemaining = 0;
    bool m_isRunning = false;
    bool m_isPaused = false;
    std::optional<PauseReason> m_currentPauseReason;
    CancellableHandle m_timer;
    double m_deliveryDelayAccumulated = 0;
    // The short-break count before the break on screen advanced it; none for a planned break.
    std::optional<qint64> m_shortBreaksSinceLongBeforeBreak;
    bool m_isScreenLocked = false;
    QString m_statusMessage;
    int m_maxScreenCountThisSession = 0;
    std::optional<QDateTime> m_lastDisplayDisconnectTime;
    double m_syntheticIdleBaseline = 0;
    double m_lastObservedIdleDuration = 0;
    std::optional<AwaySession> m_awaySession;
    bool m_isSystemSleeping = false;
    bool m_wasRunningBeforeSleep = false;
    PauseReasonSet m_pauseReasons;
    PauseReasonSet m_ancillaryPauseReasons;
    CancellableHandle m_activityWaitMonitor;
    bool m_isWaitingForActivity = false;
    CancellableHandle m_postBreakCooldown;
    std::optional<QDateTime> m_meetingPauseStartedAt;
    std::optional<ActiveBreakContext> m_activeBreakContext;
    // Of the active break, on the clock's monotonic reading; bounds the seconds it may record.
    qint64 m_breakPresentedAtMs = 0;
    bool m_isSystemIdle = false;
    bool m_headsUpSent = false;
};
