#pragma once

#include "core/Cancellable.h"
#include "menubar/HUDPresenter.h"

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QRect>

#include <functional>
#include <optional>

class AppSettings;
class Clock;
class FloatingWindowSupport;
class HUDContentView;
class HUDCountdownRing;
class HUDWindow;
class QLabel;
class ThemeManager;

// What the floating notice works with: settings read at each presentation, the clock of
// its countdown and auto-dismiss timers, the theme, the reminder sound, the screen under
// the pointer (none when there is no screen) and the window system's abilities.
struct FloatingHUDServices
{
    AppSettings &settings;
    Clock &clock;
    ThemeManager &theme;
    const FloatingWindowSupport &windowSupport;
    std::function<void()> playReminderSound;
    std::function<std::optional<QRect>()> screenUnderPointer;
};

// The small floating notice near the top of the screen under the pointer: a badge, one or
// two lines and, for a break countdown, a draining ring. One notice at a time: a new one
// replaces the one on screen at once. It goes away by itself after the configured time,
// when its owner closes it, or when replaced. Every presentation has its own id, and every
// timer and animation checks it before acting, so a late one never touches a newer notice.
// Main thread only.
class FloatingHUD : public QObject, public HUDPresenter
{
    Q_OBJECT

public:
    // On the shared settings, theme, sound player and window-system support.
    explicit FloatingHUD(QObject *parent = nullptr);
    explicit FloatingHUD(FloatingHUDServices services, QObject *parent = nullptr);
    ~FloatingHUD() override;

    // Made on first use and never destroyed.
    static FloatingHUD &shared();
    // The window system's abilities for the shared notice; must outlive it and be set
    // before its first use. Until set, no compositor is assumed.
    static void setSharedWindowSupport(const FloatingWindowSupport *support);

    // True when the notice is on screen; onDismiss runs when it goes away, unless another
    // notice replaced it. Refused outside office hours (unless ignored) and with no screen.
    bool present(HUDStyle style, const QString &title, const QString &subtitle, int secondsLeft,
                 HUDPresentationKind kind, bool ignoreOfficeHours,
                 std::function<void()> onDismiss) override;
    // Changes the texts, and the countdown of a notice that has one, in place; false when
    // nothing is shown (a notice fading out counts as gone).
    bool update(const QString &title, const QString &subtitle, int secondsLeft) override;
    // Closes the notice at once, without animation. The dismissal handler runs afterwards
    // when asked for and something was shown; a no-op when nothing is.
    void dismiss(bool runHandler) override;
    // Null when nothing is shown.
    QUuid presentationId() const override { return m_presentationId; }

    bool isShowing() const;
    // The notice's window on screen now; null when nothing is shown.
    HUDWindow *window() const;

    static QColor badgeTopColor(HUDStyle style);
    static QColor badgeBottomColor(HUDStyle style);

private:
    HUDContentView *buildContent(HUDStyle style, const QString &title, const QString &subtitle,
                                 int secondsLeft);
    // A new window for the content, shown sliding in on the screen.
    HUDWindow *openWindow(HUDContentView *content, const QRect &screen);
    void startCountdown(int secondsLeft);
    void scheduleCountdownTicks();
    void countdownTick(const QUuid &id);
    void refreshCountdown();
    void resetCountdownState();
    void scheduleAutoDismiss(const QUuid &id, double seconds);
    void fadeOutAndDismiss(const QUuid &id);
    void scheduleAutoDismissFor(HUDPresentationKind kind, const QUuid &id);

    FloatingHUDServices m_services;
    QPointer<HUDWindow> m_window;
    QUuid m_presentationId;
    // Counts presentations, so a fade-out can tell whether a new notice came up meanwhile.
    quint64 m_presentationCount = 0;
    CancellableHandle m_countdownTimer;
    CancellableHandle m_autoDismissTimer;
    std::function<void()> m_dismissalHandler;
    QPointer<QLabel> m_titleLabel;
    QPointer<QLabel> m_subtitleLabel;
    QPointer<QLabel> m_compactLabel;
    QPointer<HUDCountdownRing> m_countdownRing;
    // On the clock's monotonic reading, so that setting the time of day leaves the count alone.
    std::optional<qint64> m_countdownDeadlineMs;
    int m_countdownTotalSeconds = 0;
    QList<QPointer<HUDWindow>> m_fadingWindows;
};
