#include "onboarding/OnboardingSettingHeader.h"

#include "onboarding/OnboardingBadge.h"
#include "onboarding/OnboardingPalette.h"
#include "settings_ui/components/SchemeLabel.h"
#include "settings_ui/components/SettingsFont.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {

constexpr int badgeGap = 11;
constexpr int labelGap = 2;

} // namespace

OnboardingSettingHeader::OnboardingSettingHeader(const QString &icon, const QString &title,
                                                 const QString &caption, QWidget *parent)
    : QWidget(parent)
{
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(badgeGap);
    row->addWidget(new OnboardingBadge(icon, OnboardingBadge::headerStyle(), this));
    auto *labels = new QVBoxLayout;
    labels->setSpacing(labelGap);
    labels->addWidget(new SchemeLabel(title, SettingsFont::font(14, QFont::DemiBold),
                                      OnboardingPalette::primaryText(false),
                                      OnboardingPalette::primaryText(true), this));
    m_caption = new SchemeLabel(caption, SettingsFont::font(10),
                                OnboardingPalette::secondaryText(false),
                                OnboardingPalette::secondaryText(true), this);
    labels->addWidget(m_caption);
    row->addLayout(labels, 1);
}

QString OnboardingSettingHeader::caption() const
{
    return m_caption->text();
}

void OnboardingSettingHeader::setCaption(const QString &caption)
{
    m_caption->setText(caption);
}
