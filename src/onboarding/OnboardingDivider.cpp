#include "onboarding/OnboardingDivider.h"

#include "onboarding/OnboardingPalette.h"
#include "settings_ui/components/SettingsPalette.h"

#include <QPainter>

OnboardingDivider::OnboardingDivider(QWidget *parent)
    : QWidget(parent)
{
    setFixedHeight(1);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void OnboardingDivider::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), OnboardingPalette::divider(SettingsPalette::isDark(this)));
}
