#pragma once

#include "menubar/HUDNotificationRequest.h"
#include "menubar/ReminderSuppressionReason.h"

#include <QObject>

#include <optional>
#include <set>

class AppSettings;
class Clock;
class HUDPresenter;

// The one gatekeeper between everything that wants to show a notice and the floating HUD:
// it decides which notice may appear or replace the one on screen, and keeps quiet while a
// suppression reason is in force. Main thread only.
class ReminderQueue : public QObject
{
    Q_OBJECT

public:
    ReminderQueue(AppSettings &settings, Clock &clock, HUDPresenter &hud, QObject *parent = nullptr);

    // The application's queue on the shared settings and HUD; made on first use, never destroyed.
    static ReminderQueue &shared();

    // Repeating a reason, or ending one not in force, is harmless.
    void beginSuppression(ReminderSuppressionReason reason);
    void endSuppression(ReminderSuppressionReason reason);

    // Each returns whether the notice is on screen.
    bool showBreakHeadsUp(const QString &title, const QString &subtitle, int secondsLeft);
    bool showPlannedBreakHeadsUp(const QString &title, const QString &subtitle, int secondsLeft);
    bool showWelcomeBack(HUDStyle style, const QString &title, const QString &subtitle);
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
    HUDNotificationRequest countdownRequest(HUDNotificationCategory category,
                                            HUDPresentationKind kind, const QString &title,
                                            const QString &subtitle, int secondsLeft) const;
    bool showCountdown(const HUDNotificationRequest &request);
    bool present(const HUDNotificationRequest &request);
    void handleDismissal(const QUuid &id);

    AppSettings &m_settings;
    Clock &m_clock;
    HUDPresenter &m_hud;
    std::set<ReminderSuppressionReason> m_suppressionReasons;
    std::optional<HUDNotificationRequest> m_activeRequest;
};
