#include "settings_ui/components/SymbolGlyphs.h"
#include "settings_ui/panes/breaks/BreakEnforcement.h"
#include "settings_ui/window/SidebarSection.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

// Every symbol the settings window and the first-run flow name; later panes add theirs.
const QStringList usedSymbols = {
    "keyboard", "eye", "chevron.right", "arrow.right", "leaf", "leaf.fill", "timer",
    "figure.walk", "figure.walk.motion", "repeat", "shield", "waveform.path", "video", "power",
    "scale.3d", "lock.shield", "bell.badge.fill", "checkmark.circle.fill", "circle",
    // The sidebar's sections, its badge, the back and navigation chevrons, the tips and the
    // enforcement cards.
    "gearshape", "brain.head.profile", "heart.text.square", "bell.fill", "video.fill",
    "play.rectangle.fill", "wrench.and.screwdriver", "chart.bar", "ant.fill",
    "person.crop.circle", "pause.fill", "chevron.left", "forward.fill", "slash.circle",
    "lightbulb.fill",
    // The Breaks pane, its pages, the planned-break list and sheets, and a break's icons.
    "hourglass", "wand.and.stars", "flame.fill", "clock.fill", "calendar.badge.clock",
    "play.circle.fill", "keyboard.fill", "plus", "pencil", "trash", "exclamationmark.triangle.fill",
    "clock.badge.exclamationmark", "cup.and.saucer.fill", "figure.mind.and.body", "fork.knife",
    "dumbbell.fill", "moon.fill", "scope",
    // The break-screen customizer's switches, countdown styles and full-screen button.
    "clock", "moon.fill", "list.bullet", "circle.dotted", "equal", "eye.slash",
    "arrow.up.left.and.arrow.down.right",
    // The Notifications and Calls & Recordings panes, their HUD preview and timeline.
    "speaker.fill", "speaker.wave.3.fill", "bell.slash.fill", "rectangle.stack.fill",
    "circle.inset.filled", "hand.raised.fill", "figure.stand", "eye.fill", "play.fill",
    "pause.circle", "bell.slash", "clock.arrow.circlepath",
    "arrow.triangle.2.circlepath", "info.circle", "antenna.radiowaves.left.and.right",
    "shield.fill", "checkmark",
    // The General, Advanced, About and Shortcuts panes.
    "paintbrush", "textformat.123", "wake", "forward.end.fill", "rectangle.on.rectangle.slash",
    "battery.25percent", "trash.fill", "ladybug", "globe", "envelope", "square.and.arrow.up",
    "arrow.up.right", "macwindow",
    // The Smart Behavior, Media and Wellness panes.
    "person.fill.questionmark", "arrow.counterclockwise", "lock.shield.fill", "hand.raised",
};

TEST(SymbolGlyphsTest, EveryUsedSymbolDrawsInsideItsSquareAndHeavierLinesInkMore)
{
    const auto inkOf = [](const QPainterPath &path) {
        QImage image(48, 48, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(24, 24);
        painter.fillPath(path, Qt::black);
        painter.end();
        qint64 ink = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                ink += qAlpha(image.pixel(x, y));
        return ink;
    };
    for (const QString &name : usedSymbols) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_TRUE(SymbolGlyphs::contains(name));
        EXPECT_TRUE(SymbolGlyphs::symbolNames().contains(name));
        const QPainterPath regular = SymbolGlyphs::path(name, 40, QFont::Normal);
        ASSERT_FALSE(regular.isEmpty());
        const QRectF bounds = regular.boundingRect();
        EXPECT_TRUE(QRectF(-20.5, -20.5, 41, 41).contains(bounds)) << bounds.x() << "," << bounds.y()
                                                                   << " " << bounds.width() << "x"
                                                                   << bounds.height();
        EXPECT_GT(bounds.width() * bounds.height(), 16 * 16) << "a symbol fills most of its square";
        // Line symbols thicken; filled ones keep their area (only their cut-outs widen), and
        // the floating notice's figures come in one weight only.
        if (!name.endsWith(".fill") && name != "figure.walk" && name != "figure.stand") {
            EXPECT_GT(inkOf(SymbolGlyphs::path(name, 40, QFont::Bold)), inkOf(regular));
        }
    }
    EXPECT_TRUE(SymbolGlyphs::path("no.such.symbol", 40, QFont::Normal).isEmpty());
    EXPECT_FALSE(SymbolGlyphs::contains("no.such.symbol"));
}

TEST(SymbolGlyphsTest, TheSidebarAndTheEnforcementCardsNameOnlyUsedSymbols)
{
    for (SidebarSection section : allSidebarSections())
        EXPECT_TRUE(usedSymbols.contains(sidebarSectionSymbol(section))) << sidebarSectionSymbol(section).toStdString();
    for (BreakEnforcement mode : allBreakEnforcements())
        EXPECT_TRUE(usedSymbols.contains(breakEnforcementPreviewSymbol(mode)));
}
