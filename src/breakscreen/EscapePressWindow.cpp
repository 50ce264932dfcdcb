#include "breakscreen/EscapePressWindow.h"

#include "core/Clock.h"

EscapePressWindow::EscapePressWindow(Clock &clock)
    : m_clock(clock)
{
}

bool EscapePressWindow::press()
{
    ++m_pressCount;
    if (m_pressCount >= 2)
        return true;
    m_closeTimer = m_clock.schedule(windowSeconds, false, [this] { m_pressCount = 0; });
    return false;
}

void EscapePressWindow::reset()
{
    m_closeTimer.reset();
    m_pressCount = 0;
}
