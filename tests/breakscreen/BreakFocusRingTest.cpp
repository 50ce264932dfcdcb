#include "breakscreen/BreakBackgroundPainter.h"
#include "breakscreen/BreakBackgrounds.h"
#include "breakscreen/BreakFocusRing.h"
#include "support/InkContrast.h"
#include "support/SampleDesktop.h"

#include <QPainter>

#include <gtest/gtest.h>

// The focus ring must be seen wherever a control may lie: at 3:1 at least against every
// pixel of every backdrop, in either scheme, the blur one over each sample desktop.
TEST(BreakFocusRingTest, TheRingStandsOutFromEveryBackdropAtThreeToOne)
{
    const QSize size(720, 450);
    for (ColorScheme scheme : {ColorScheme::light, ColorScheme::dark}) {
        for (BreakBG background : allBreakBGs()) {
            const QList<SampleDesktop> desktops = background == BreakBG::blur
                                                      ? allSampleDesktops()
                                                      : QList<SampleDesktop>{SampleDesktop::light};
            for (SampleDesktop desktop : desktops) {
                const QImage screen = sampleDesktop(size, 1.0, desktop);
                QImage backdrop = screen.convertToFormat(QImage::Format_ARGB32_Premultiplied);
                QPainter painter(&backdrop);
                BreakBackgrounds::forOverlay(background, scheme, screen)->paint(painter, backdrop.rect());
                painter.end();
                const bool dark = background != BreakBG::blur || scheme == ColorScheme::dark;
                const double ratio =
                    InkContrast::worst(backdrop, BreakFocusRing::colour(dark), backdrop.rect());
                EXPECT_GE(ratio, 3.0) << rawValue(background).toStdString() << " over "
                                      << sampleDesktopName(desktop).toStdString()
                                      << (scheme == ColorScheme::dark ? ", dark" : ", light");
            }
        }
    }
}
