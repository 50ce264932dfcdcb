#include "breakscreen/BreakOverlayView.h"
#include "breakscreen/BreakScreenConfig.h"
#include "core/AppSettings.h"
#include "core/InMemorySettingsRepository.h"
#include "core/ThemeManager.h"
#include "support/FakeClock.h"
#include "support/OverlayContrast.h"
#include "support/SampleDesktop.h"

#include <gtest/gtest.h>

// Every text of the overlay stands out from the blur material at 4.5:1 (the countdown's
// digits at 3:1), in either scheme, over any of the sample desktops: a light and a dark one,
// plain white and plain black (which the backdrop cannot tell from an unreadable screen, so
// it shows its translucent fill over it).

namespace {

const QSize screenSize(1440, 900);

struct BlurScene
{
    BlurScene(AppTheme theme, SampleDesktop desktop, BreakCountdown style)
        : desktop(sampleDesktop(screenSize, 1.0, desktop))
        , settings(store, clock)
        , themes(store, nullptr)
    {
        themes.setAppTheme(theme);
        config.setBackground(BreakBG::blur);
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

enum class Moment { midBreak, strictEnd, breakComplete };

struct Case
{
    Moment moment;
    BreakCountdown style;
    // The texts a scene must show, so that a text that vanished cannot pass unmeasured.
    int texts;
};

} // namespace

TEST(BlurMaterialContrastTest, EveryTextMeetsItsFloorOnEveryDesktopInBothSchemes)
{
    const Case cases[] = {
        {Moment::midBreak, BreakCountdown::timer, 6}, // message, clock, digits, two controls, hint
        {Moment::midBreak, BreakCountdown::ring, 6},
        {Moment::strictEnd, BreakCountdown::bar, 4}, // clock, digits, "End Break", strict hint
        {Moment::breakComplete, BreakCountdown::timer, 2}, // title and subtitle
    };
    for (AppTheme theme : {AppTheme::light, AppTheme::dark}) {
        for (SampleDesktop desktop : allSampleDesktops()) {
            for (const Case &scene : cases) {
                BlurScene blur(theme, desktop, scene.style);
                if (scene.moment == Moment::strictEnd) {
                    blur.settings.setEnforcement(QStringLiteral("Hardcore"));
                    blur.settings.setEndBreakEarly(true);
                    blur.settings.setBreakDuration(60);
                } else if (scene.moment == Moment::breakComplete) {
                    blur.settings.setLongBreakDuration(600);
                    blur.settings.setLongBreakResume(QStringLiteral("confirm"));
                }
                BreakOverlayView &view =
                    scene.moment == Moment::midBreak
                        ? blur.show(BreakOverlayMode::preview(300), false, 96)
                    : scene.moment == Moment::strictEnd
                        ? blur.show(BreakOverlayMode::live(), false, 55)
                        : blur.show(BreakOverlayMode::live(), true, 730);
                const QList<TextContrast> texts = measureTextContrast(
                    view, blur.desktop, BreakBG::blur,
                    theme == AppTheme::dark ? ColorScheme::dark : ColorScheme::light);
                const std::string where = sampleDesktopName(desktop).toStdString() + " desktop, "
                    + (theme == AppTheme::dark ? "dark" : "light") + " scheme";
                EXPECT_EQ(texts.size(), scene.texts) << where;
                for (const TextContrast &text : texts)
                    EXPECT_TRUE(text.meetsFloor()) << where << ": \"" << text.text.toStdString()
                                                   << "\" at " << text.ratio << ":1";
            }
        }
    }
}
