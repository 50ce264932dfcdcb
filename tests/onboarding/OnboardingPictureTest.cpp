#include "onboarding/OnboardingBackground.h"
#include "onboarding/OnboardingPalette.h"
#include "onboarding/OnboardingRhythmPreview.h"

#include <QImage>

#include <gtest/gtest.h>

TEST(OnboardingBackgroundTest, DrawnOncePerSizeAndSchemeWithTheGreenGlowAtTheUpperLeft)
{
    OnboardingBackground background;
    const qint64 first = background.image(QSize(880, 820), 1, true).cacheKey();
    EXPECT_EQ(background.image(QSize(880, 820), 1, true).cacheKey(), first) << "copied, not drawn again";
    EXPECT_NE(background.image(QSize(880, 820), 1, false).cacheKey(), first);
    EXPECT_EQ(background.image(QSize(880, 820), 2, false).size(), QSize(1760, 1640));

    const QImage dark = OnboardingBackground::render(QSize(880, 820), 1, true);
    const QColor base = OnboardingPalette::base(true);
    const QColor glow = dark.pixelColor(440 - 200, 410 - 250);
    const QColor corner = dark.pixelColor(870, 810);
    EXPECT_GT(glow.green(), corner.green() + 2) << "the green glow lifts the upper left";
    EXPECT_NEAR(corner.red(), base.red(), 3);
    EXPECT_NEAR(corner.green(), base.green(), 5);
}

TEST(OnboardingRhythmPreviewTest, ShowsFocusAndBreakAndOnlyTheyChangeThePicture)
{
    OnboardingRhythmPreview preview;
    preview.resize(600, preview.sizeHint().height());
    const auto picture = [&] {
        QImage image(preview.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        preview.render(&image);
        return image;
    };
    preview.setIntervalMinutes(45);
    preview.setBreakSeconds(30);
    EXPECT_EQ(preview.focusText(), "45m");
    EXPECT_EQ(preview.eyeBreakText(), "30s");
    EXPECT_EQ(preview.accessibleName(), "45m Focus, then 30s Eye break");
    const QImage before = picture();
    preview.setLongBreaks(false, 5, 15);
    EXPECT_EQ(picture(), before) << "long breaks are not drawn";
    preview.setIntervalMinutes(20);
    EXPECT_NE(picture(), before);
}
