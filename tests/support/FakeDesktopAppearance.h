#pragma once

#include "core/DesktopAppearance.h"

// A desktop whose light or dark preference and animation switch the test sets.
class FakeDesktopAppearance : public DesktopAppearance
{
    Q_OBJECT

public:
    using DesktopAppearance::DesktopAppearance;

    std::optional<bool> prefersDark() const override { return m_prefersDark; }
    // Notifies only when the answer changes, as a real desktop source does.
    void setPrefersDark(std::optional<bool> prefersDark);
    bool animationsEnabled() const override { return m_animationsEnabled; }
    void setAnimationsEnabled(bool enabled);

private:
    std::optional<bool> m_prefersDark;
    bool m_animationsEnabled = true;
};
