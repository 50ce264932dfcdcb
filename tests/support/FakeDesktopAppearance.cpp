#include "support/FakeDesktopAppearance.h"

void FakeDesktopAppearance::setPrefersDark(std::optional<bool> prefersDark)
{
    if (prefersDark == m_prefersDark)
        return;
    m_prefersDark = prefersDark;
    emit prefersDarkChanged();
}

void FakeDesktopAppearance::setAnimationsEnabled(bool enabled)
{
    if (enabled == m_animationsEnabled)
        return;
    m_animationsEnabled = enabled;
    emit animationsEnabledChanged();
}
