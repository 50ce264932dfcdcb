#include "breakscreen/BreakScreenConfig.h"
#include "settings_ui/components/NamedColors.h"
#include "settings_ui/components/SettingCard.h"
#include "settings_ui/components/SettingsPalette.h"
#include "settings_ui/components/WindowTheme.h"
#include "settings_ui/customizer/BreakPreviewPanel.h"
#include "settings_ui/customizer/BreakScreenCustomizeView.h"
#include "settings_ui/panes/app/AboutDetailView.h"
#include "settings_ui/window/SettingsSidebar.h"
#include "support/BreakScreenRig.h"
#include "support/InkContrast.h"
#include "support/SettingsTextContrast.h"
#include "support/SettingsWindowRig.h"

#include <QAbstractButton>
#include <QApplication>
#include <QVBoxLayout>

#include <gtest/gtest.h>

// Small text in the settings windows stands out at 4.5:1 from what lies behind it: the named
// colours as text on the window's grounds, every text of the About pane as it is drawn, and
// the customizer's preview of the break screen on each background.

namespace {

const NamedColor everyColour[] = {
    NamedColor::blue, NamedColor::green, NamedColor::orange, NamedColor::purple,
    NamedColor::teal, NamedColor::red, NamedColor::pink, NamedColor::mint,
    NamedColor::yellow, NamedColor::gray, NamedColor::accent, NamedColor::label,
    NamedColor::secondaryLabel, NamedColor::tertiaryLabel,
};

// The grounds text lies on: the window and a card.
QList<QColor> grounds(ColorScheme scheme)
{
    return {SettingsPalette::palette(scheme).color(QPalette::Window), SettingCard::fill(scheme)};
}

double contrastOn(const QColor &ground, const QColor &ink)
{
    QImage pixel(1, 1, QImage::Format_ARGB32_Premultiplied);
    pixel.fill(ground);
    return InkContrast::worst(pixel, ink, pixel.rect());
}

const char *name(ColorScheme scheme)
{
    return scheme == ColorScheme::dark ? "dark" : "light";
}

} // namespace

TEST(NamedColorsTextTest, EveryColourAsTextStandsOutFromTheWindowAndItsCards)
{
    for (ColorScheme scheme : {ColorScheme::light, ColorScheme::dark}) {
        for (NamedColor colour : everyColour) {
            for (const QColor &ground : grounds(scheme))
                EXPECT_GE(contrastOn(ground, NamedColors::textColor(colour, scheme)), 4.5)
                    << "colour " << int(colour) << " on " << ground.name().toStdString() << ", "
                    << name(scheme) << " scheme";
        }
        // The secondary grey is text as it is; the greys keep their order as text.
        for (const QColor &ground : grounds(scheme))
            EXPECT_GE(contrastOn(ground, NamedColors::color(NamedColor::secondaryLabel, scheme)), 4.5)
                << name(scheme);
        const QColor window = grounds(scheme).first();
        const auto asText = [&](NamedColor grey) {
            return contrastOn(window, NamedColors::textColor(grey, scheme));
        };
        EXPECT_GT(asText(NamedColor::label), asText(NamedColor::secondaryLabel)) << name(scheme);
        EXPECT_GT(asText(NamedColor::secondaryLabel), asText(NamedColor::tertiaryLabel)) << name(scheme);
    }
}

TEST(NamedColorsTextTest, EveryColourAsTextOnAGroundOfItsOwnStandsOutFromIt)
{
    for (ColorScheme scheme : {ColorScheme::light, ColorScheme::dark}) {
        const QColor window = grounds(scheme).first();
        for (NamedColor colour : everyColour) {
            // The sidebar's shade, a tip's wash of the colour itself, a card's faint white.
            const QColor onGrounds[] = {SettingsSidebar::fill(scheme),
                                        NamedColors::withOpacity(NamedColors::color(colour, scheme), 0.12),
                                        QColor(255, 255, 255, 10)};
            for (const QColor &ground : onGrounds)
                EXPECT_GE(contrastOn(NamedColors::laidOver(ground, window),
                                     NamedColors::textColor(colour, scheme, ground)),
                          4.5)
                    << "colour " << int(colour) << " on " << ground.name(QColor::HexArgb).toStdString() << ", "
                    << name(scheme) << " scheme";
        }
        EXPECT_GE(contrastOn(NamedColors::accentFill(scheme), Qt::white), 4.5) << name(scheme);
    }
}

TEST(AboutPaneContrastTest, EverySmallTextMeetsItsFloorInBothSchemesBeforeAndAfterSharing)
{
    for (ColorScheme scheme : {ColorScheme::light, ColorScheme::dark}) {
        for (bool shared : {false, true}) {
            SettingsWindowRig rig;
            rig.theme.setAppTheme(scheme == ColorScheme::dark ? AppTheme::dark : AppTheme::light);
            QWidget root;
            root.setAutoFillBackground(true);
            auto *layout = new QVBoxLayout(&root);
            layout->setContentsMargins(20, 20, 20, 20);
            auto *pane = new AboutDetailView(rig.services());
            layout->addWidget(pane);
            new WindowTheme(&root, rig.theme);
            root.resize(660, 560);
            root.show();
            QApplication::processEvents();
            if (shared)
                pane->findChild<QAbstractButton *>(QStringLiteral("share"))->click();
            const QList<TextContrast> texts = measureSmallTextContrast(root);
            // The version, the tagline, five row titles, the share row's trailing text, the footer.
            EXPECT_EQ(texts.size(), 9) << name(scheme);
            for (const TextContrast &text : texts)
                EXPECT_TRUE(text.meetsFloor()) << name(scheme) << (shared ? ", shared" : "") << ": \""
                                               << text.text.toStdString() << "\" at " << text.ratio << ":1";
        }
    }
    BreakScreenRig::flushDeletions();
}

TEST(CustomizerPreviewContrastTest, ThePreviewsSmallTextsMeetTheirFloorOnEveryBackground)
{
    for (BreakBG background : allBreakBGs()) {
        for (ColorScheme scheme : {ColorScheme::light, ColorScheme::dark}) {
            SettingsWindowRig rig;
            rig.theme.setAppTheme(scheme == ColorScheme::dark ? AppTheme::dark : AppTheme::light);
            auto config = std::make_unique<BreakScreenConfig>();
            config->setBackground(background);
            BreakScreenCustomizeView view({rig.store, rig.clock, rig.theme}, std::move(config), [] {});
            view.resize(1180, 800);
            view.show();
            QApplication::processEvents();
            const QList<TextContrast> texts = measureSmallTextContrast(*view.preview());
            // The clock, the two pills and the Esc hint.
            EXPECT_EQ(texts.size(), 4) << rawValue(background).toStdString();
            for (const TextContrast &text : texts)
                EXPECT_TRUE(text.meetsFloor()) << rawValue(background).toStdString() << ", " << name(scheme)
                                               << ": \"" << text.text.toStdString() << "\" at " << text.ratio << ":1";
        }
    }
    BreakScreenRig::flushDeletions();
}
