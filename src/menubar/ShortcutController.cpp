#include "menubar/ShortcutController.h"

ShortcutController::ShortcutController(QObject *parent)
    : QObject(parent)
{
}

ShortcutController &ShortcutController::shared()
{
    static ShortcutController *controller = new ShortcutController;
    return *controller;
}

void ShortcutController::setIsRuntimeStarted(bool started)
{
    if (started == m_isRuntimeStarted)
        return;
    m_isRuntimeStarted = started;
    emit isRuntimeStartedChanged(started);
}

void ShortcutController::updateHotKeyRegistration()
{
    // With the runtime running the keys would be registered here; there are none yet.
    if (!m_isRuntimeStarted)
        unregisterHotKeys();
}

void ShortcutController::unregisterHotKeys()
{
}
