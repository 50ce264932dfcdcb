#include "menubar/FloatingHUD.h"

#include "core/Clock.h"
#include "menubar/HUDCountdownRing.h"
#include "menubar/HUDWindow.h"

#include <QLabel>

#include <algorithm>

// The notice's timers and its exit: the countdown that drains the ring and the automatic
// dismissal with its fade-out.

namespace {

constexpr double kCountdownTickSeconds = 0.25;
// A zero or negative dismiss time still lets the notice be seen for a moment.
constexpr double kShortestAutoDismissSeconds = 0.1;
constexpr int kFadeOutRise = 8;
constexpr int kFadeOutMs = 300;

} // namespace

void FloatingHUD::startCountdown(int secondsLeft)
{
    m_countdownTotalSeconds = std::max(secondsLeft, 1);
    m_countdownDeadlineMs = m_services.clock.monotonicMs() + qint64(secondsLeft) * 1000;
    scheduleCountdownTicks();
}

void FloatingHUD::scheduleCountdownTicks()
{
    QPointer<FloatingHUD> self(this);
    const QUuid id = m_presentationId;
    m_countdownTimer = m_services.clock.schedule(kCountdownTickSeconds, true, [self, id] {
        if (self)
            self->countdownTick(id);
    });
}

void FloatingHUD::countdownTick(const QUuid &id)
{
    // A tick of an earlier notice: its timer was cancelled with it, and the timer running
    // now belongs to the notice on screen.
    if (m_presentationId != id)
        return;
    refreshCountdown();
    // At zero the ring rests empty showing "0"; the notice itself stays.
    if (m_countdownDeadlineMs && *m_countdownDeadlineMs <= m_services.clock.monotonicMs())
        m_countdownTimer.reset();
}

void FloatingHUD::refreshCountdown()
{
    if (!m_countdownDeadlineMs)
        return;
    const qint64 msLeft = *m_countdownDeadlineMs - m_services.clock.monotonicMs();
    const int remaining = int(std::max<qint64>(0, msLeft / 1000));
    if (!m_countdownRing)
        return;
    m_countdownRing->setSeconds(remaining);
    m_countdownRing->setFraction(double(remaining) / double(std::max(m_countdownTotalSeconds, 1)));
}

void FloatingHUD::resetCountdownState()
{
    m_titleLabel = nullptr;
    m_subtitleLabel = nullptr;
    m_compactLabel = nullptr;
    m_countdownRing = nullptr;
    m_countdownDeadlineMs.reset();
    m_countdownTotalSeconds = 0;
}

void FloatingHUD::scheduleAutoDismiss(const QUuid &id, double seconds)
{
    QPointer<FloatingHUD> self(this);
    m_autoDismissTimer = m_services.clock.schedule(
        std::max(seconds, kShortestAutoDismissSeconds), false, [self, id] {
            if (self)
                self->fadeOutAndDismiss(id);
        });
}

void FloatingHUD::fadeOutAndDismiss(const QUuid &id)
{
    if (m_presentationId.isNull() || m_presentationId != id)
        return;
    m_autoDismissTimer.reset();
    m_countdownTimer.reset();
    std::function<void()> handler = std::exchange(m_dismissalHandler, nullptr);
    const QPointer<HUDWindow> window = m_window;
    m_window = nullptr;
    m_presentationId = QUuid();
    resetCountdownState();
    if (!window) {
        if (handler)
            handler();
        return;
    }
    m_fadingWindows.append(window);
    // The handler waits for the end of the fade, and is dropped if a new notice came up
    // meanwhile: that notice's owner now holds the HUD.
    const quint64 presentationAtFade = m_presentationCount;
    QPointer<FloatingHUD> self(this);
    window->fadeOut(kFadeOutRise, kFadeOutMs, [self, window, presentationAtFade, handler] {
        if (window)
            window->deleteLater();
        if (self) {
            self->m_fadingWindows.removeAll(window);
            if (self->m_presentationCount != presentationAtFade)
                return;
        }
        if (handler)
            handler();
    });
}
