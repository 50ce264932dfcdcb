#include "breakscreen/BreakScreenConfig.h"
#include "onboarding/OnboardingView.h"
#include "settings_ui/components/Motion.h"
#include "settings_ui/customizer/BreakScreenCustomizeView.h"
#include "settings_ui/panes/breaks/ScreenBreaksDetailView.h"
#include "settings_ui/window/ContentView.h"
#include "settings_ui/window/DetailView.h"
#include "settings_ui/window/SettingsSidebar.h"
#include "settings_ui/window/SidebarButtonView.h"
#include "support/BreakScreenRig.h"
#include "support/OnboardingRig.h"
#include "support/RenderTool.h"
#include "support/SettingsTextContrast.h"
#include "support/SettingsWindowRig.h"

#include <QScrollArea>

#include <optional>

#include <gtest/gtest.h>

// Every text of 14 pixels or less that the settings window, the first-run flow and the
// break-screen customizer draw stands out at 4.5:1 from what lies behind it, light and dark:
// the whole window scanned as it is painted, not colour by colour.

namespace {

const ColorScheme bothSchemes[] = {ColorScheme::light, ColorScheme::dark};

AppTheme themeFor(ColorScheme scheme)
{
    return scheme == ColorScheme::dark ? AppTheme::dark : AppTheme::light;
}

std::string sceneName(const QString &scene, ColorScheme scheme)
{
    return (scene + (scheme == ColorScheme::dark ? QStringLiteral(", dark") : QStringLiteral(", light")))
        .toStdString();
}

// Each text under its floor, as "<text>" at <ratio>:1, one a line; empty when every one
// meets it.
std::string missed(const QList<TextContrast> &texts)
{
    QStringList lines;
    for (const TextContrast &text : texts) {
        if (!text.meetsFloor())
            lines.append(QStringLiteral("\"%1\" at %2:1").arg(text.text.left(40)).arg(text.ratio, 0, 'f', 2));
    }
    return lines.join(QLatin1Char('\n')).toStdString();
}

// A window state: what the rig holds, the section shown and the page opened in it.
struct WindowScene
{
    QString name;
    SidebarSection section;
    std::function<void(SettingsWindowRig &)> prepare;
    std::optional<ScreenBreaksSubpage> subpage = {};
};

// Every listed section with its sidebar row selected, the "Paused" badge shown and another
// row under the pointer; the Breaks pane's pages (working hours on, with the weekend off);
// the status cards that can only say detection is unavailable.
QList<WindowScene> windowScenes()
{
    const auto paused = [](SettingsWindowRig &rig) { rig.timer.scheduler.pause(PauseReason::manual); };
    const auto workingHours = [](SettingsWindowRig &rig) { rig.settings.setOfficeHoursEnabled(true); };
    const auto unavailable = [](SettingsWindowRig &rig) {
        rig.timer.scheduler.start();
        rig.timer.wellness.startRuntime();
        rig.timer.wellness.setPauseDuringMedia(true);
        rig.setAudioAvailable(false);
    };
    QList<WindowScene> scenes;
    for (const QList<SidebarSection> &group : sidebarGroups()) {
        for (SidebarSection section : group)
            scenes.append({sidebarSectionRawValue(section), section, paused});
    }
    scenes.append({QStringLiteral("Working hours"), SidebarSection::breaks, workingHours,
                   ScreenBreaksSubpage::officeHours});
    scenes.append({QStringLiteral("Long breaks"), SidebarSection::breaks, paused, ScreenBreaksSubpage::longBreaks});
    scenes.append({QStringLiteral("Scheduled breaks"), SidebarSection::breaks, paused,
                   ScreenBreaksSubpage::scheduledBreaks});
    scenes.append({QStringLiteral("Meetings unavailable"), SidebarSection::meetings, unavailable});
    scenes.append({QStringLiteral("Media unavailable"), SidebarSection::media, unavailable});
    return scenes;
}

// The window made tall enough for its page to show whole, so texts below the fold count too.
QList<TextContrast> measureWindow(const WindowScene &scene, ColorScheme scheme)
{
    SettingsWindowRig rig;
    rig.theme.setAppTheme(themeFor(scheme));
    scene.prepare(rig);
    ContentView view(rig.services());
    view.resize(ContentView::minimumWidth, 820);
    view.show();
    view.setSelectedSection(scene.section);
    settleEvents();
    if (scene.subpage) {
        qobject_cast<ScreenBreaksDetailView *>(view.detail()->pane())->setSubpage(*scene.subpage);
        settleEvents();
    }
    const QWidget *page = view.detail()->widget();
    view.resize(view.width(), std::max(view.height(), page->sizeHint().height() + 1));
    settleEvents();
    const SidebarSection hovered = scene.section == SidebarSection::wellness ? SidebarSection::notifications
                                                                            : SidebarSection::wellness;
    hoverCentre(view.sidebar()->row(hovered));
    settleEvents();
    return measureSmallTextContrast(view);
}

} // namespace

TEST(WindowTextContrastTest, EverySectionsSmallTextsMeetTheFloorInBothSchemes)
{
    Motion::setJumpToEnd(true);
    for (const WindowScene &scene : windowScenes()) {
        for (ColorScheme scheme : bothSchemes) {
            const QList<TextContrast> texts = measureWindow(scene, scheme);
            EXPECT_GT(texts.size(), 15) << sceneName(scene.name, scheme) << ": the sidebar's texts at least";
            EXPECT_EQ(missed(texts), "") << sceneName(scene.name, scheme);
        }
    }
    BreakScreenRig::flushDeletions();
}

TEST(WindowTextContrastTest, EveryOnboardingStepsSmallTextsMeetTheFloorInBothSchemes)
{
    for (ColorScheme scheme : bothSchemes) {
        OnboardingRig rig;
        rig.theme.setAppTheme(themeFor(scheme));
        rig.showWindow();
        const QString steps[] = {QStringLiteral("welcome"), QStringLiteral("rhythm"), QStringLiteral("preferences")};
        for (const QString &step : steps) {
            settleEvents();
            OnboardingView *flow = rig.flow();
            ASSERT_NE(flow, nullptr);
            const QList<TextContrast> texts = measureSmallTextContrast(*flow);
            EXPECT_FALSE(texts.isEmpty()) << sceneName(step, scheme);
            EXPECT_EQ(missed(texts), "") << sceneName(step, scheme);
            flow->goNext();
        }
    }
    BreakScreenRig::flushDeletions();
}

TEST(WindowTextContrastTest, TheCustomizersSmallTextsMeetTheFloorOnEveryBackgroundInBothSchemes)
{
    Motion::setJumpToEnd(true);
    for (BreakBG background : allBreakBGs()) {
        for (ColorScheme scheme : bothSchemes) {
            SettingsWindowRig rig;
            rig.theme.setAppTheme(themeFor(scheme));
            auto config = std::make_unique<BreakScreenConfig>();
            config->setBackground(background);
            BreakScreenCustomizeView view({rig.store, rig.clock, rig.theme}, std::move(config), [] {});
            view.resize(1180, 800);
            view.show();
            settleEvents();
            const QList<TextContrast> texts = measureSmallTextContrast(view);
            EXPECT_GT(texts.size(), 10) << sceneName(rawValue(background), scheme);
            EXPECT_EQ(missed(texts), "") << sceneName(rawValue(background), scheme);
        }
    }
    BreakScreenRig::flushDeletions();
}
