#include "onboarding/OnboardingWelcomeStep.h"

#include "onboarding/OnboardingGradientTitle.h"
#include "onboarding/OnboardingPalette.h"
#include "onboarding/OnboardingWelcomeArt.h"
#include "settings_ui/components/SchemeLabel.h"
#include "settings_ui/components/SettingsFont.h"

#include <QVBoxLayout>

namespace {

constexpr int artToTitle = 28;
constexpr int titleToTagline = 14;

} // namespace

OnboardingWelcomeStep::OnboardingWelcomeStep(QWidget *parent)
    : OnboardingPage(parent)
    , m_art(new OnboardingWelcomeArt(this))
{
    addFlexibleSpace(0);
    column()->addWidget(m_art, 0, Qt::AlignHCenter);
    // The picture's widget reaches past its group for the icon's shadow.
    column()->addSpacing(artToTitle - OnboardingWelcomeArt::shadowRoom);
    auto *title = new OnboardingGradientTitle({QStringLiteral("Lumen pause."), QStringLiteral("Not your keyboard.")},
                                              this);
    column()->addWidget(title, 0, Qt::AlignHCenter);
    column()->addSpacing(titleToTagline);
    auto *tagline = new SchemeLabel(QStringLiteral("Because nobody ever regretted taking a break."),
                                    SettingsFont::font(15), OnboardingPalette::secondaryText(false),
                                    OnboardingPalette::secondaryText(true), this);
    tagline->setAlignment(Qt::AlignHCenter);
    column()->addWidget(tagline);
    addFlexibleSpace(0);
    // The title and the tagline are this page's heading.
    setAccessibleName(title->accessibleName());
    setAccessibleDescription(tagline->text());
}
