#include "support/FakeInputStateProvider.h"

void FakeInputStateProvider::setIdleSeconds(double seconds)
{
    m_keyboard = seconds;
    m_pointer = seconds;
}
