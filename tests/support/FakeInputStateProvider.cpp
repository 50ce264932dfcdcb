#include "support/FakeInputStateProvider.h"

void FakeInputStateProvider::setIdleSeconds(double seconds)
{
    m_keyboard = seconds;
    m_pointer = seconds;
}

double FakeInputStateProvider::secondsSincePointerActivity() const
{
    ++m_pointerReadings;
    return m_pointer;
}
