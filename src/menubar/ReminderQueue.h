#pragma once

#include "core/Cancellable.h"
#include "menubar/HUDNotificationRequest.h"
#include "menubar/PendingReminder.h"
#include "menubar/ReminderSuppressionReason.h"

#include <QObject>

#include <optional>
#include <set>

class AppSettings;
class Clock;
class HUDPresenter;
class LocalStatisticsStore;

// The one gatekeeper between everything that wants to show a notice and the floating HUD:
// it decides which notice may appear or replace the one on screen, gathers wellness
// reminders that arrive close together into one notice, keeps quiet while a suppression
// reason is in force, and counts the wellness reminders shown. Main thread only.
class ReminderQueue : public QObject
{
    Q_OBJECT

public:
    // The batch stays open this long from its first reminder.
    static constexpr double batchWindowSeconds = 1.25;
    // After a notice goes, reminders still waiting follow this soon.
    static constexpr double afterDismissalFlushSeconds = 0.25;

    ReminderQueue(AppSettings &settings, Clock &clock, HUDPresenter &hud,
                  LocalStatisticsStore &statistics, QObject *parent = nullptr);

    // The application's queue on the shared settings, HUD and statistics; made on first
    // use, never destroyed.
    static ReminderQueue &shared();

    // Repeating a reason, or ending one not in force, is harmless.
    void beginSuppression(ReminderSuppressionReason reason);
    void endSuppression(ReminderSuppressionReason reason);

    // Each returns whether the notice is on screen.
    bool showBreakHeadsUp(const QString &title, const QString &subtitle, int secondsLeft);
    bool showPlannedBreakHeadsUp(const QString &title, const QString &subtitle, int secondsLeft);
    bool showWelcomeBack(HUDStyle style, const QString &title, const QString &subtitle);
    // Joins the wellness notice on screen, or waits for the batch to close; refused
    // reminders are not retried.
    void enqueueWellness(HUDStyle style, const QString &title, const QString &subtitle);
    // Forgets what is queued and shown; hiding the HUD is the caller's business.
    void clearAll();

    const std::set<ReminderSuppressionReason> &suppressionReasons() const { return m_suppressionReasons; }
    bool isSuppressed(ReminderSuppressionReason reason) const;
    const std::optional<HUDNotificationRequest> &activeRequest() const { return m_activeRequest; }

private:
    bool gateOpen();
    bool onlyBreakCountdownReasons() const;
    bool activeHasPriority(HUDNotificationPriority priority) const;
    bool refuse(const QString &title);
    bool showCountdown(const HUDNotificationRequest &request);
    bool present(const HUDNotificationRequest &request);
    void handleDismissal(const QUuid &id);
    void forgetActive();
    void forgetActiveIfGone();

    void queueWellness(const PendingReminder &reminder);
    bool mergeIntoActiveWellness(const PendingReminder &reminder);
    void dropPendingWellness();
    void scheduleBatchTimer(double delaySeconds = batchWindowSeconds);
    void flushWellness();
    void recordReminderShown(HUDStyle style);

    AppSettings &m_settings;
    Clock &m_clock;
    HUDPresenter &m_hud;
    LocalStatisticsStore &m_statistics;
    std::set<ReminderSuppressionReason> m_suppressionReasons;
    std::optional<HUDNotificationRequest> m_activeRequest;
    // What the HUD called the active request's presentation when it put it up.
    QUuid m_activePresentationId;
    QList<PendingReminder> m_pendingWellness; // at most one per category
    QList<PendingReminder> m_activeWellness;  // the reminders the wellness notice stands for
    CancellableHandle m_batchTimer;            // cancelled with the queue, so it never fires late
};
