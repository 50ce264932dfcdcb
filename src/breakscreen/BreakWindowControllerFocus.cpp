#include "breakscreen/ActivationController.h"
#include "breakscreen/BreakPanel.h"
#include "breakscreen/BreakWindowController.h"
#include "breakscreen/PanelStackingMonitor.h"
#include "core/Clock.h"
#include "core/DisplayStateProvider.h"
#include "core/Logger.h"
#include "core/SessionEvents.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

// Keeping the break in front: what takes it away, and how it is taken back.

void BreakWindowController::installFocusObservers()
{
    removeFocusObservers();
    auto *app = qGuiApp;
    const auto screensChanged = [this] {
        rebuildPanels();
        scheduleFocusReassertions();
    };
    m_focusObservers = {
        // Another application's window was activated, or ours came back.
        connect(app, &QGuiApplication::applicationStateChanged, this,
                &BreakWindowController::scheduleFocusReassertions),
        // Another window of ours took the focus.
        connect(app, &QGuiApplication::focusWindowChanged, this,
                &BreakWindowController::onFocusWindowChanged),
        connect(app, &QGuiApplication::screenAdded, this,
                [this, screensChanged](QScreen *screen) {
                    watchScreen(screen);
                    screensChanged();
                }),
        connect(app, &QGuiApplication::screenRemoved, this, screensChanged),
        connect(app, &QGuiApplication::primaryScreenChanged, this, screensChanged),
        // A window mapped or raised over the panels: no focus change tells of it.
        connect(&m_services.stacking, &PanelStackingMonitor::panelsCovered, this,
                &BreakWindowController::onPanelsCovered),
    };
    for (QScreen *screen : QGuiApplication::screens())
        watchScreen(screen);
    installSessionObservers();
}

void BreakWindowController::installSessionObservers()
{
    SessionEvents *session = &m_services.sessionEvents;
    m_focusObservers += {
        connect(session, &SessionEvents::sessionDidResignActive, this,
                &BreakWindowController::suspendForSession),
        connect(session, &SessionEvents::systemWillSleep, this,
                &BreakWindowController::suspendForSession),
        connect(session, &SessionEvents::sessionDidBecomeActive, this,
                &BreakWindowController::resumeForSession),
        // Waking into a locked session is not coming back yet: the unlock is.
        connect(session, &SessionEvents::systemDidWake, this,
                [this] {
                    if (!m_services.isScreenLocked())
                        resumeForSession();
                }),
    };
}

void BreakWindowController::watchScreen(QScreen *screen)
{
    m_focusObservers.append(connect(screen, &QScreen::geometryChanged, this, [this] {
        rebuildPanels();
        scheduleFocusReassertions();
    }));
}

void BreakWindowController::removeFocusObservers()
{
    cancelFocusReassertions();
    m_services.stacking.watch({});
    for (const QMetaObject::Connection &observer : std::as_const(m_focusObservers))
        disconnect(observer);
    m_focusObservers.clear();
}

// Only the overlay's panel may keep the keyboard: a secondary screen's panel has no control
// to use it on, and would leave a keyboard user stuck on it.
void BreakWindowController::onFocusWindowChanged(QWindow *window)
{
    if (window && !m_panels.empty() && m_panels.front()->windowHandle() == window)
        return;
    scheduleFocusReassertions();
}

void BreakWindowController::watchStacking()
{
    QList<WId> windows;
    for (const std::unique_ptr<BreakPanel> &panel : m_panels)
        windows.append(panel->winId());
    m_services.stacking.watch(windows);
}

// Raised like after a focus change, so the same rules hold: never over a locked or sleeping
// session. A window that insists on staying on top is left there after a few raises.
void BreakWindowController::onPanelsCovered(quint64 window)
{
    if (m_panels.empty() || m_isDismissing || !m_sessionAllowsReassertion)
        return;
    switch (m_raiseLimit.coveredBy(window)) {
    case PanelRaiseLimit::Answer::raise: scheduleFocusReassertions(); break;
    case PanelRaiseLimit::Answer::yieldNow:
        logWarn(QStringLiteral("BreakWindow"),
                formatLogEvent(QStringLiteral("panels_left_below_window"),
                               {{QStringLiteral("window"),
                                 QStringLiteral("0x") + QString::number(window, 16)}}));
        break;
    case PanelRaiseLimit::Answer::yielded: break;
    }
}

// A locked screen or a machine going to sleep belongs to the system: the keyboard is let go
// and nothing is raised over the lock screen until the user is back.
void BreakWindowController::suspendForSession()
{
    m_sessionAllowsReassertion = false;
    cancelFocusReassertions();
    if (m_activationController && m_activationController->isInBreakMode())
        m_activationController->setPresentationOptions({});
    applyKeyboardHold();
}

void BreakWindowController::resumeForSession()
{
    m_sessionAllowsReassertion = true;
    rebuildPanels();
    if (m_activationController && m_activationController->isInBreakMode())
        m_activationController->setPresentationOptions(m_activationController->breakModeOptions());
    scheduleFocusReassertions();
}

bool BreakWindowController::holdsFocus() const
{
    return !m_activationController
           || m_activationController->presentationOptions().testFlag(PresentationOption::holdFocus);
}

void BreakWindowController::applyKeyboardHold()
{
    const bool grab = m_sessionAllowsReassertion && !m_isDismissing && m_activationController
                      && m_activationController->presentationOptions().testFlag(
                          PresentationOption::grabKeyboard);
    for (std::size_t i = 0; i < m_panels.size(); ++i)
        m_panels[i]->setGrabsKeyboard(grab && i == 0);
    for (const std::unique_ptr<BreakPanel> &panel : m_fadingPanels)
        panel->setGrabsKeyboard(false);
}

// An unmanaged window mapped or raised later lands above a screen locker's: over a locked
// session the panels wait, unseen, for the unlock.
void BreakWindowController::reassertFocus(bool makeKey)
{
    if (!m_sessionAllowsReassertion)
        return;
    for (const std::unique_ptr<BreakPanel> &panel : m_panels)
        panel->orderFront();
    if (makeKey && !m_panels.empty())
        m_panels.front()->makeKey();
    applyKeyboardHold();
}

void BreakWindowController::scheduleFocusReassertions()
{
    if (!m_sessionAllowsReassertion || m_panels.empty() || m_isDismissing || !holdsFocus())
        return;
    cancelFocusReassertions();
    for (const double delay : reassertionDelaysSeconds)
        m_reassertions.push_back(
            m_services.clock.schedule(delay, false, [this] { reassertFocusIfAllowed(); }));
}

void BreakWindowController::reassertFocusIfAllowed()
{
    if (!m_sessionAllowsReassertion || m_services.isScreenLocked()
        || !m_services.displayState.isMainDisplayActive() || m_panels.empty() || m_isDismissing)
        return;
    if (m_activationController && m_activationController->isInBreakMode()
        && m_activationController->presentationOptions()
               != m_activationController->breakModeOptions())
        m_activationController->setPresentationOptions(m_activationController->breakModeOptions());
    reassertFocus(true);
}

void BreakWindowController::cancelFocusReassertions()
{
    m_reassertions.clear();
}

void BreakWindowController::schedulePreviewReassertions()
{
    m_previewReassertions.clear();
    for (const double delay : reassertionDelaysSeconds)
        m_previewReassertions.push_back(
            m_services.clock.schedule(delay, false, [this] { reassertPreviewFocus(); }));
}

void BreakWindowController::reassertPreviewFocus()
{
    if (!m_previewPanel)
        return;
    m_previewPanel->orderFront();
    m_previewPanel->makeKey();
}

void BreakWindowController::rebuildPanels()
{
    const QList<QScreen *> screens = m_services.screens();
    if (m_isDismissing || !m_activeConfig || m_panels.empty() || screens.isEmpty())
        return;
    while (m_panels.size() > std::size_t(screens.size())) {
        m_panels.back()->closePanel();
        m_panels.pop_back();
    }
    while (m_panels.size() < std::size_t(screens.size())) {
        std::unique_ptr<BreakPanel> panel = makeSecondaryPanel(screens.at(qsizetype(m_panels.size())));
        panel->setWindowOpacity(1.0);
        if (m_sessionAllowsReassertion)
            panel->orderFront();
        m_panels.push_back(std::move(panel));
    }
    for (std::size_t i = 0; i < m_panels.size(); ++i)
        m_panels[i]->placeOn(screens.at(qsizetype(i)));
    watchStacking();
}
