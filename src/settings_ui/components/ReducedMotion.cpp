#include "settings_ui/components/ReducedMotion.h"

#include "core/DesktopAppearance.h"
#include "settings_ui/components/Motion.h"

ReducedMotion::ReducedMotion(const DesktopAppearance &desktop, QObject *parent)
    : QObject(parent)
    , m_desktop(desktop)
{
    apply();
    connect(&desktop, &DesktopAppearance::animationsEnabledChanged, this, &ReducedMotion::apply);
}

void ReducedMotion::apply()
{
    Motion::setJumpToEnd(!m_desktop.animationsEnabled());
}
