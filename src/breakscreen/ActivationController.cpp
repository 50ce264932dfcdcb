#include "breakscreen/ActivationController.h"

#include "core/AppState.h"
#include "core/Logger.h"

namespace {

const QString category = QStringLiteral("Activation");

} // namespace

ActivationController::ActivationController(AppStateStore &appState, QObject *parent)
    : QObject(parent)
    , m_appState(appState)
{
}

PresentationOptions ActivationController::breakPresentationOptions(const QString &enforcement)
{
    PresentationOptions options = PresentationOption::holdFocus;
    if (enforcement == QLatin1String("Hardcore"))
        options |= PresentationOption::grabKeyboard;
    return options;
}

void ActivationController::enterBreakMode(PresentationOptions options)
{
    if (!m_isInBreakMode) {
        m_previousPolicy = m_activationPolicy;
        m_previousOptions = m_presentationOptions;
    }
    m_isInBreakMode = true;
    m_breakModeOptions = options;
    setActivationPolicy(ActivationPolicy::regular);
    setPresentationOptions(options);
    logInfo(category, QStringLiteral("→ enter break mode"));
}

void ActivationController::exitBreakMode()
{
    if (!m_isInBreakMode)
        return;
    const ActivationPolicy policy = m_previousPolicy.value_or(ActivationPolicy::accessory);
    const PresentationOptions options = m_previousOptions.value_or(PresentationOptions());
    m_isInBreakMode = false;
    m_breakModeOptions = {};
    m_previousPolicy.reset();
    m_previousOptions.reset();
    // Options first: the keyboard is let go before the application may leave the foreground.
    setPresentationOptions(options);
    setActivationPolicy(policy);
    logInfo(category, QStringLiteral("→ exit break mode (%1)")
                          .arg(policy == ActivationPolicy::regular ? QStringLiteral("regular")
                                                                   : QStringLiteral("accessory")));
}

void ActivationController::bringToForeground()
{
    if (m_isInBreakMode)
        return;
    setActivationPolicy(ActivationPolicy::regular);
    logInfo(category, QStringLiteral("→ foreground (regular)"));
}

void ActivationController::sendToBackground()
{
    if (m_isInBreakMode)
        return;
    setActivationPolicy(ActivationPolicy::accessory);
    logInfo(category, QStringLiteral("→ background (accessory)"));
}

void ActivationController::setActivationPolicy(ActivationPolicy policy)
{
    if (policy == m_activationPolicy)
        return;
    m_activationPolicy = policy;
    emit activationPolicyChanged(policy);
}

void ActivationController::setPresentationOptions(PresentationOptions options)
{
    if (options == m_presentationOptions)
        return;
    m_presentationOptions = options;
    emit presentationOptionsChanged(options);
}
