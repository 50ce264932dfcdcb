#include "support/FakeDesktopAppearance.h"

void FakeDesktopAppearance::setPrefersDark(std::optional<bool> prefersDark)
{
    if (prefersDark == m_prefersDark)
        return;
    m_prefersDark = prefersDark;
    emit prefersDarkChanged();
}
