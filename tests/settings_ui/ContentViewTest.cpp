#include "core/AppNotifier.h"
#include "core/InMemorySettingsRepository.h"
#include "core/ThemeManager.h"
#include "settings_ui/ContentView.h"
#include "settings_ui/Motion.h"
#include "settings_ui/SettingsPalette.h"
#include "support/BreakScreenRig.h"
#include "support/FakeDesktopAppearance.h"

#include <QPointer>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

class ContentViewTest : public ::testing::Test
{
protected:
    ContentViewTest() { Motion::setJumpToEnd(true); }
    ~ContentViewTest() override
    {
        BreakScreenRig::flushDeletions();
        Motion::setJumpToEnd(false);
    }

    ContentServices services()
    {
        return {defaults, notifier, theme, [this](std::function<void()> dismiss) {
                    this->dismiss = std::move(dismiss);
                    ++flowsMade;
                    return new QWidget;
                }};
    }

    InMemorySettingsRepository defaults;
    AppNotifier notifier;
    FakeDesktopAppearance desktop;
    ThemeManager theme{defaults, &desktop};
    std::function<void()> dismiss;
    int flowsMade = 0;
};

} // namespace

TEST_F(ContentViewTest, TheFlowCoversTheWindowUntilOnboardingIsDoneAndComesBackWhenAsked)
{
    for (const bool onboarded : {false, true}) {
        SCOPED_TRACE(onboarded);
        defaults.setBool("hasCompletedOnboarding", onboarded);
        flowsMade = 0;
        ContentView view(services());
        view.resize(880, 820);
        view.show();
        EXPECT_EQ(view.showOnboarding(), !onboarded);
        EXPECT_EQ(view.onboarding() != nullptr, !onboarded);
        EXPECT_EQ(flowsMade, onboarded ? 0 : 1);
        if (view.onboarding()) {
            EXPECT_EQ(view.onboarding()->geometry(), view.rect());
        }
    }

    defaults.setBool("hasCompletedOnboarding", true);
    ContentView view(services());
    view.resize(880, 820);
    view.show();
    QSignalSpy changes(&view, &ContentView::showOnboardingChanged);
    emit notifier.showOnboarding(); // over a window already on screen
    emit notifier.showOnboarding(); // asking twice makes one flow
    ASSERT_NE(view.onboarding(), nullptr);
    EXPECT_EQ(flowsMade, 1);
    EXPECT_TRUE(view.onboarding()->isVisible());
    EXPECT_EQ(changes.count(), 1);

    // The flow closes itself; its widget goes with the next pass of the event loop.
    const QPointer<QWidget> flow = view.onboarding();
    dismiss();
    EXPECT_FALSE(view.showOnboarding());
    EXPECT_EQ(view.onboarding(), nullptr);
    BreakScreenRig::flushDeletions();
    EXPECT_TRUE(flow.isNull());
    EXPECT_EQ(changes.count(), 2);
    EXPECT_TRUE(view.findChildren<QAbstractAnimation *>().isEmpty());
}

TEST_F(ContentViewTest, TheWindowFollowsTheSchemeInEffect)
{
    desktop.setPrefersDark(false);
    ContentView view(services());
    QWidget *inner = view.onboarding();
    ASSERT_NE(inner, nullptr);
    const auto scheme = [&] { return SettingsPalette::schemeOf(inner); };
    EXPECT_EQ(scheme(), ColorScheme::light);

    desktop.setPrefersDark(true);
    EXPECT_EQ(scheme(), ColorScheme::dark);
    theme.setAppTheme(AppTheme::light);
    EXPECT_EQ(scheme(), ColorScheme::light);
    EXPECT_EQ(view.palette().color(QPalette::Window),
              SettingsPalette::palette(ColorScheme::light).color(QPalette::Window));
    EXPECT_EQ(inner->style(), SettingsPalette::style()) << "our windows use our style";
}
