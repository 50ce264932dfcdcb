#include "breakscreen/BreakOverlayView.h"
#include "breakscreen/BreakScreenConfig.h"
#include "core/AppSettings.h"
#include "core/InMemorySettingsRepository.h"
#include "core/ThemeManager.h"
#include "support/FakeClock.h"
#include "support/OverlayContrast.h"
#include "support/SampleDesktop.h"

#include <gtest/gtest.h>

// Every text of the overlay stands out from what lies behind it at 4.5:1 (the large digits of
// the timer and the ring at 3:1), on every backdrop, in either scheme and at every moment of
// a break: the controls' labels on their capsules, hovered or not, the snooze menu's rows on
// their panel, and Resume on its green capsule as well as the texts. The blur backdrop
// is tried over each sample desktop: a light and a dark one, plain white and plain black
// (which the backdrop cannot tell from an unreadable screen, so it shows its translucent
// fill over it); the others cover whatever the screen shows.

namespace {

const QSize screenSize(1440, 900);

struct OverlayScene
{
    OverlayScene(BreakBG background, AppTheme theme, SampleDesktop desktop, BreakCountdown style)
        : desktop(sampleDesktop(screenSize, 1.0, desktop))
        , settings(store, clock)
        , themes(store, nullptr)
    {
        themes.setAppTheme(theme);
        config.setBackground(background);
        config.setCountdownStyle(style);
    }

    BreakOverlayView &show(BreakOverlayMode mode, bool isLong, double secondsIn)
    {
        const QImage screen = desktop;
        view = std::make_unique<BreakOverlayView>(
            config, isLong, mode, [](const BreakDismissalOutcome &) {},
            BreakOverlayServices{settings, clock, themes, [screen] { return screen; },
                                 [] { return 0.5; }});
        view->model().appear();
        view->resize(screenSize);
        clock.advance(secondsIn);
        return *view;
    }

    QImage desktop;
    FakeClock clock{QDateTime(QDate(2025, 3, 4), QTime(14, 41, 12))};
    InMemorySettingsRepository store;
    AppSettings settings;
    ThemeManager themes;
    BreakScreenConfig config;
    std::unique_ptr<BreakOverlayView> view;
};

enum class Moment { midBreak, strictEnd, finalFifthActive, breakComplete };

struct Case
{
    Moment moment;
    BreakCountdown style;
    // The texts a scene must show, so that a text that vanished cannot pass unmeasured.
    int texts;
};

BreakOverlayView &showMoment(OverlayScene &scene, const Case &moment)
{
    switch (moment.moment) {
    case Moment::midBreak:
        break;
    case Moment::strictEnd:
        scene.settings.setEnforcement(QStringLiteral("Hardcore"));
        scene.settings.setEndBreakEarly(true);
        scene.settings.setBreakDuration(60);
        return scene.show(BreakOverlayMode::live(), false, 55);
    case Moment::finalFifthActive: {
        scene.settings.setEndBreakEarly(true);
        scene.settings.setBreakDuration(60);
        BreakOverlayView &view = scene.show(BreakOverlayMode::live(), false, 50);
        activateEveryControl(view);
        return view;
    }
    case Moment::breakComplete:
        scene.settings.setLongBreakDuration(600);
        scene.settings.setLongBreakResume(QStringLiteral("confirm"));
        return scene.show(BreakOverlayMode::live(), true, 730);
    }
    return scene.show(BreakOverlayMode::preview(300), false, 96);
}

} // namespace

TEST(OverlayTextContrastTest, EveryTextMeetsItsFloorOnEveryBackdropInBothSchemes)
{
    const Case cases[] = {
        {Moment::midBreak, BreakCountdown::timer, 6}, // message, clock, digits, two controls, hint
        {Moment::midBreak, BreakCountdown::ring, 6},
        {Moment::strictEnd, BreakCountdown::bar, 4}, // clock, digits, "End Break", strict hint
        // Skip, snooze and "End Break" hovered, seven menu rows, the hint; the menu covers
        // the clock and the digits.
        {Moment::finalFifthActive, BreakCountdown::timer, 11},
        {Moment::breakComplete, BreakCountdown::timer, 3}, // title, subtitle, Resume
    };
    for (BreakBG background : allBreakBGs()) {
        const QList<SampleDesktop> desktops = background == BreakBG::blur
                                                  ? allSampleDesktops()
                                                  : QList<SampleDesktop>{SampleDesktop::light};
        for (AppTheme theme : {AppTheme::light, AppTheme::dark}) {
            for (SampleDesktop desktop : desktops) {
                for (const Case &moment : cases) {
                    OverlayScene scene(background, theme, desktop, moment.style);
                    BreakOverlayView &view = showMoment(scene, moment);
                    const QList<TextContrast> texts = measureTextContrast(
                        view, scene.desktop, background,
                        theme == AppTheme::dark ? ColorScheme::dark : ColorScheme::light);
                    const std::string where = rawValue(background).toStdString() + " backdrop, "
                        + sampleDesktopName(desktop).toStdString() + " desktop, "
                        + (theme == AppTheme::dark ? "dark" : "light") + " scheme";
                    EXPECT_EQ(texts.size(), moment.texts) << where;
                    for (const TextContrast &text : texts)
                        EXPECT_TRUE(text.meetsFloor())
                            << where << ": \"" << text.text.toStdString() << "\" at "
                            << text.ratio << ":1, floor " << text.floor << ":1";
                }
            }
        }
    }
}

TEST(OverlayTextContrastTest, SmallTextHasTheFullFloorAndOnlyLargeCountdownDigitsTheLowerOne)
{
    const struct
    {
        BreakCountdown style;
        double digitsFloor;
    } styles[] = {
        {BreakCountdown::timer, 3.0}, // 52 pixels
        {BreakCountdown::ring, 3.0},  // 15 pixels
        {BreakCountdown::bar, 4.5},   // 14 pixels: small text
    };
    for (const auto &style : styles) {
        OverlayScene scene(BreakBG::dark, AppTheme::light, SampleDesktop::light, style.style);
        BreakOverlayView &view = scene.show(BreakOverlayMode::preview(300), false, 96);
        const QList<TextContrast> texts =
            measureTextContrast(view, scene.desktop, BreakBG::dark, ColorScheme::light);
        for (const TextContrast &text : texts) {
            const bool digits = text.text == QStringLiteral("03:24");
            EXPECT_EQ(text.floor, digits ? style.digitsFloor : 4.5)
                << rawValue(style.style).toStdString() << ": \"" << text.text.toStdString() << "\"";
        }
    }
}
