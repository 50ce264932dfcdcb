#include "breakscreen/BreakWindowController.h"

#include "breakscreen/ActivationController.h"
#include "breakscreen/BreakPanel.h"
#include "breakscreen/BreakScreenConfig.h"
#include "breakscreen/BreakWindowManager.h"
#include "breakscreen/PanelStackingMonitor.h"
#include "core/AppNotifier.h"
#include "core/Clock.h"
#include "core/Logger.h"

#include <cmath>

namespace {

const QString category = QStringLiteral("BreakWindow");

} // namespace

BreakWindowController::BreakWindowController(BreakScreenServices services, QObject *parent)
    : QObject(parent)
    , m_services(std::move(services))
    , m_raiseLimit(m_services.clock)
{
}

BreakWindowController::~BreakWindowController()
{
    removeFocusObservers();
}

QList<BreakPanel *> BreakWindowController::panels() const
{
    QList<BreakPanel *> panels;
    for (const std::unique_ptr<BreakPanel> &panel : m_panels)
        panels.append(panel.get());
    return panels;
}

void BreakWindowController::setActivationController(ActivationController *controller)
{
    if (m_activationController)
        disconnect(m_activationController, nullptr, this, nullptr);
    m_activationController = controller;
    if (controller)
        connect(controller, &ActivationController::presentationOptionsChanged, this,
                &BreakWindowController::applyKeyboardHold);
}

void BreakWindowController::setOnBreakDismissed(
    std::function<void(const BreakDismissalOutcome &)> handler)
{
    m_onBreakDismissed = std::move(handler);
}

void BreakWindowController::setOnPreviewDismissed(std::function<void()> handler)
{
    m_onPreviewDismissed = std::move(handler);
}

bool BreakWindowController::showBreak(bool isLong)
{
    if (isShowingBreak())
        return false;
    closePreview();
    std::shared_ptr<BreakScreenConfig> config = m_services.loadConfig();
    const QList<QScreen *> screens = m_services.screens();
    if (screens.isEmpty()) {
        logWarn(category, QStringLiteral("Cannot show a break because no display is available"));
        return false;
    }
    logInfo(category, QStringLiteral("--- SHOWING PANELS ---"));
    m_services.clearNotices();
    m_activeConfig = std::move(config);
    m_sessionAllowsReassertion = !m_services.isScreenLocked();
    m_raiseLimit.reset();
    installFocusObservers();
    // Every view is made before any panel covers a screen: the blur backdrops are made from
    // what the screens showed.
    m_panels.push_back(makeOverlayPanel(screens.first(), isLong));
    for (qsizetype i = 1; i < screens.size(); ++i)
        m_panels.push_back(makeSecondaryPanel(screens.at(i)));
    for (const std::unique_ptr<BreakPanel> &panel : m_panels) {
        panel->setWindowOpacity(0.0);
        if (m_sessionAllowsReassertion) // see reassertFocus()
            panel->orderFront();
    }
    watchStacking();
    if (m_activationController)
        m_activationController->enterBreakMode(
            ActivationController::breakPresentationOptions(m_services.enforcement()));
    reassertFocus(true);
    scheduleFocusReassertions();
    startFadeIn();
    m_services.playBreakSound();
    return true;
}

std::unique_ptr<BreakPanel> BreakWindowController::makeOverlayPanel(QScreen *screen, bool isLong)
{
    QPointer<BreakWindowController> self(this);
    QWidget *content = m_services.content.overlay(
        *m_activeConfig, isLong, BreakOverlayMode::live(),
        [self](const BreakDismissalOutcome &outcome) {
            if (self)
                self->requestDismissal(outcome);
        },
        screen);
    auto panel = std::make_unique<BreakPanel>(content, m_activeConfig);
    panel->placeOn(screen);
    return panel;
}

std::unique_ptr<BreakPanel> BreakWindowController::makeSecondaryPanel(QScreen *screen)
{
    auto panel = std::make_unique<BreakPanel>(m_services.content.secondary(*m_activeConfig, screen),
                                              m_activeConfig);
    panel->placeOn(screen);
    return panel;
}

bool BreakWindowController::dismiss(const BreakDismissalOutcome &outcome)
{
    if (m_panels.empty() || m_isDismissing)
        return false;
    m_isDismissing = true;
    m_fadingPanels = std::move(m_panels);
    m_panels.clear();
    m_activeConfig.reset();
    cancelFocusReassertions();
    m_services.stacking.watch({});
    applyKeyboardHold();
    startFadeOut(outcome);
    logInfo(category, QStringLiteral("Panels dismissing"));
    return true;
}

void BreakWindowController::requestDismissal(const BreakDismissalOutcome &outcome)
{
    logInfo(category, QStringLiteral("Break requested dismissal"));
    dismiss(outcome);
}

void BreakWindowController::startFadeIn()
{
    m_fadeInStep = 0;
    m_fadeIn = m_services.clock.schedule(fadeInStepSeconds, true, [this] { fadeInStep(); });
}

// Ease-out cubic: quick at first, settling gently. A dismissal does not stop it; once the
// panels are taken for the fade-out, the remaining steps find none.
void BreakWindowController::fadeInStep()
{
    ++m_fadeInStep;
    const double remaining = 1.0 - double(m_fadeInStep) / fadeInSteps;
    const bool done = m_fadeInStep >= fadeInSteps;
    const double alpha = done ? 1.0 : 1.0 - std::pow(remaining, 3);
    for (const std::unique_ptr<BreakPanel> &panel : m_panels)
        panel->setWindowOpacity(alpha);
    if (done)
        m_fadeIn.reset();
}

void BreakWindowController::startFadeOut(const BreakDismissalOutcome &outcome)
{
    m_fadeOutStep = 0;
    m_fadingOutcome = outcome;
    m_fadeOut = m_services.clock.schedule(fadeOutStepSeconds, true, [this] { fadeOutStep(); });
}

// Smoothstep down to nothing.
void BreakWindowController::fadeOutStep()
{
    ++m_fadeOutStep;
    const double p = double(m_fadeOutStep) / fadeOutSteps;
    const double alpha = 1.0 - p * p * (3.0 - 2.0 * p);
    for (const std::unique_ptr<BreakPanel> &panel : m_fadingPanels)
        panel->setWindowOpacity(alpha);
    if (m_fadeOutStep >= fadeOutSteps)
        finishFadeOut();
}

// The order matters to the listeners: the break timer hears the outcome with the panels gone
// and break mode left, and "breakDidHide" comes only after it has.
void BreakWindowController::finishFadeOut()
{
    m_fadeOut.reset();
    for (const std::unique_ptr<BreakPanel> &panel : m_fadingPanels)
        panel->closePanel();
    m_fadingPanels.clear();
    removeFocusObservers();
    BreakWindowManager::setScheduledBreakDurationSeconds(std::nullopt);
    if (m_activationController)
        m_activationController->exitBreakMode();
    const BreakDismissalOutcome outcome = *std::exchange(m_fadingOutcome, std::nullopt);
    if (m_onBreakDismissed)
        m_onBreakDismissed(outcome);
    m_isDismissing = false;
    emit m_services.notifier.breakDidHide();
}
