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
