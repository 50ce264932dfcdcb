#include "breakscreen/BreakScreenConfig.h"
#include "breakscreen/BreakSecondaryView.h"
#include "support/OverlayContrast.h"
#include "support/SampleDesktop.h"

#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

// What the screens without the break's controls show.

namespace {

QImage render(BreakSecondaryView &view)
{
    view.resize(400, 300);
    return view.grab().toImage();
}

// How far apart two colours are, channel by channel.
int distance(QColor a, QColor b)
{
    return std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                     std::abs(a.blue() - b.blue())});
}

QColor rgb(double red, double green, double blue)
{
    return QColor::fromRgbF(float(red), float(green), float(blue));
}

} // namespace

TEST(BreakSecondaryViewTest, EachBackgroundHasItsOwnBackdropAndTheLabelIsFaintWhite)
{
    BreakScreenConfig config;
    BreakSecondaryView view(config, ColorScheme::dark, nullptr);

    config.setBackground(BreakBG::dark);
    const QImage dark = render(view);
    EXPECT_LE(distance(dark.pixelColor(2, 2), rgb(0.03, 0.03, 0.05)), 2);
    EXPECT_LE(distance(dark.pixelColor(397, 297), rgb(0.03, 0.03, 0.05)), 2);

    config.setBackground(BreakBG::nature);
    const QImage nature = render(view);
    // A diagonal gradient: its lighter end at the top left.
    EXPECT_LE(distance(nature.pixelColor(0, 0), rgb(0.12, 0.18, 0.07)), 6);
    EXPECT_LE(distance(nature.pixelColor(399, 299), rgb(0.06, 0.09, 0.03)), 6);

    config.setBackground(BreakBG::gradient);
    const QImage gradient = render(view);
    EXPECT_LE(distance(gradient.pixelColor(0, 0), rgb(0.06, 0.04, 0.12)), 6);
    EXPECT_LE(distance(gradient.pixelColor(399, 299), rgb(0.02, 0.02, 0.06)), 6);

    // The symbol and the label sit in the middle, lighter than the backdrop but far from white.
    int brightest = 0;
    for (int y = 100; y < 200; ++y) {
        for (int x = 100; x < 300; ++x)
            brightest = std::max(brightest, qGray(dark.pixel(x, y)));
    }
    EXPECT_GT(brightest, 60);
    EXPECT_LT(brightest, 140);
    EXPECT_EQ(BreakSecondaryView::label(), "Break in progress");
}

// The blur backdrop, with no screen to read, lets the desktop through its translucent fill:
// the label is tried over plain white and plain black behind it.
TEST(BreakSecondaryViewTest, TheLabelStandsOutAtTheTextFloorOnEveryBackdropInBothSchemes)
{
    BreakScreenConfig config;
    for (ColorScheme scheme : {ColorScheme::light, ColorScheme::dark}) {
        BreakSecondaryView view(config, scheme, nullptr);
        view.resize(400, 300);
        for (BreakBG background : allBreakBGs()) {
            config.setBackground(background);
            for (SampleDesktop desktop : {SampleDesktop::white, SampleDesktop::black}) {
                const QList<TextContrast> texts =
                    measureSecondaryScreenContrast(view, sampleDesktop(view.size(), 1.0, desktop));
                ASSERT_EQ(texts.size(), 1);
                EXPECT_TRUE(texts[0].meetsFloor())
                    << rawValue(background).toStdString() << " over " << sampleDesktopName(desktop).toStdString()
                    << (scheme == ColorScheme::dark ? ", dark" : ", light") << ": " << texts[0].ratio << ":1";
            }
        }
    }
}
