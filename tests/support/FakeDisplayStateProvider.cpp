#include "support/FakeDisplayStateProvider.h"

void FakeDisplayStateProvider::setMainDisplayActive(bool active)
{
    m_active = active;
}
