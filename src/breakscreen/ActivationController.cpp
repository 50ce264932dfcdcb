#include "breakscreen/ActivationController.h"

#include "core/AppState.h"

ActivationController::ActivationController(AppStateStore &appState, QObject *parent)
    : QObject(parent)
    , m_appState(appState)
{
}
