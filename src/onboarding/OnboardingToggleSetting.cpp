#include "onboarding/OnboardingToggleSetting.h"

#include "onboarding/OnboardingBadge.h"
#include "onboarding/OnboardingPalette.h"
#include "settings_ui/components/SchemeLabel.h"
#include "settings_ui/components/SettingsFont.h"
#include "settings_ui/components/ToggleSwitch.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {

// Also the least gap between the labels and the switch, which the layout asks to be 8.
constexpr int spacing = 10;
constexpr int labelGap = 2;

} // namespace

OnboardingToggleSetting::OnboardingToggleSetting(const QString &icon, const QString &title,
                                                 const QString &subtitle, const QString &identifier,
                                                 QWidget *parent)
    : QWidget(parent)
    , m_toggle(new ToggleSwitch(ToggleSwitch::Size::small, OnboardingPalette::green(), this))
{
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(spacing);
    row->addWidget(new OnboardingBadge(icon, OnboardingBadge::toggleStyle(), this));
    auto *labels = new QVBoxLayout;
    labels->setSpacing(labelGap);
    labels->addWidget(new SchemeLabel(title, SettingsFont::font(13, QFont::DemiBold),
                                      OnboardingPalette::toggleTitle(false),
                                      OnboardingPalette::toggleTitle(true), this));
    labels->addWidget(new SchemeLabel(subtitle, SettingsFont::font(11),
                                      OnboardingPalette::toggleSubtitle(false),
                                      OnboardingPalette::toggleSubtitle(true), this));
    row->addLayout(labels, 1);
    row->addWidget(m_toggle, 0, Qt::AlignVCenter);
    m_toggle->setAccessibleName(title);
    m_toggle->setObjectName(identifier);
    connect(m_toggle, &QAbstractButton::toggled, this, &OnboardingToggleSetting::toggled);
}

bool OnboardingToggleSetting::isOn() const
{
    return m_toggle->isChecked();
}

void OnboardingToggleSetting::setOn(bool on)
{
    m_toggle->setChecked(on);
}
