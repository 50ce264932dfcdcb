// Renders the break screen's layers to PNG files for a look by eye: every backdrop with its
// drifting leaves, in the light and the dark scheme, and a sheet of the break screen's
// symbols. The blur backdrop is shown over a made-up desktop, since a virtual X server's
// screen is plain black; "blur-fallback" shows the translucent fill over the same desktop,
// as a compositor would show it where the screen cannot be read. Last, what the screens
// without the break's controls show on each backdrop ("secondary-*"), printing how well
// "Break in progress" stands out against its floor; the blur one, with no screen to read,
// shows its translucent fill over the sample desktop.
//
// Usage: render_break_screen <output folder> [--scale <device pixel ratio>]

#include "breakscreen/BlurBackgroundPainter.h"
#include "breakscreen/BreakBackgroundPainter.h"
#include "breakscreen/BreakBackgrounds.h"
#include "breakscreen/BreakGlyphs.h"
#include "breakscreen/BreakOverlayPalette.h"
#include "breakscreen/BreakScreenConfig.h"
#include "breakscreen/BreakSecondaryView.h"
#include "breakscreen/FloatingParticles.h"
#include "breakscreen/GradientBackgroundPainter.h"
#include "support/OverlayContrast.h"
#include "support/PngOutput.h"
#include "support/SampleDesktop.h"

#include <QDir>
#include <QApplication>
#include <QPainter>
#include <QRandomGenerator>

#include <cstdio>

namespace {

const QSize screenSize(1440, 900);
// Seconds into the break at which the leaves are caught: most have left their start.
constexpr double leafMoment = 9.0;

QImage blankImage(QSize logicalSize, qreal scale)
{
    QImage image(logicalSize * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    return image;
}

QImage renderBackdrop(BreakBackgroundPainter &background, const QImage &behind, qreal scale)
{
    QImage image = blankImage(screenSize, scale);
    QPainter painter(&image);
    const QRect screen(QPoint(), screenSize);
    background.paint(painter, screen);
    if (!background.isOpaque() && !behind.isNull()) {
        painter.setCompositionMode(QPainter::CompositionMode_DestinationOver);
        painter.drawImage(screen, behind);
    }
    return image;
}

QImage renderLayers(BreakBackgroundPainter &background, const QImage &behind, qreal scale)
{
    QImage image = renderBackdrop(background, behind, scale);
    QPainter painter(&image);
    const QRect screen(QPoint(), screenSize);
    QRandomGenerator seeded(20240611);
    FloatingParticles leaves([&seeded] { return seeded.generateDouble(); });
    leaves.setLayerRect(screen);
    leaves.advanceTo(leafMoment);
    leaves.paint(painter);
    return image;
}

struct SheetEntry
{
    BreakGlyph glyph;
    qreal pointSize;
    QFont::Weight weight;
    QString usage;
};

// Each symbol with the size and weight the break screen sets it in.
const QList<SheetEntry> &sheetEntries()
{
    static const QList<SheetEntry> entries = {
        {BreakGlyph::leafFill, 14, QFont::Thin, QStringLiteral("drifting leaf · 6–14 · ultra-light")},
        {BreakGlyph::leaf, 14, QFont::Thin, QStringLiteral("drifting leaf · 6–14 · ultra-light")},
        {BreakGlyph::forwardFill, 10, QFont::DemiBold, QStringLiteral("Skip Break · 10 · semibold")},
        {BreakGlyph::moonFill, 10, QFont::DemiBold, QStringLiteral("Snooze · 10 · semibold")},
        {BreakGlyph::chevronUp, 8, QFont::Bold, QStringLiteral("snooze menu · 8 · bold")},
        {BreakGlyph::checkmarkCircleFill, 36, QFont::DemiBold,
         QStringLiteral("End Break, Break complete")},
        {BreakGlyph::playFill, 11, QFont::Normal, QStringLiteral("Resume · 11")},
        {BreakGlyph::eyeSlash, 36, QFont::ExtraLight, QStringLiteral("other screens · 36 · thin")},
    };
    return entries;
}

QFont pixelFont(int pixelSize, QFont::Weight weight)
{
    QFont font;
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
}

void paintSheetCard(QPainter &painter, const QRectF &card, const SheetEntry &entry,
                    const BreakOverlayPalette &palette)
{
    const QColor ink = palette.tint();
    QColor fill = ink;
    fill.setAlphaF(0.05f);
    QColor border = ink;
    border.setAlphaF(0.12f);
    painter.setPen(QPen(border, 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(card.adjusted(0.5, 0.5, -0.5, -0.5), 16, 16);
    const bool green = entry.glyph == BreakGlyph::checkmarkCircleFill;
    const QColor glyphInk = green ? palette.green() : palette.secondaryText(0.82, 0.76);
    BreakGlyphs::paint(painter, entry.glyph, card.center() - QPointF(44, 22), 72, entry.weight,
                       glyphInk);
    BreakGlyphs::paint(painter, entry.glyph, card.center() + QPointF(60, -22), entry.pointSize,
                       entry.weight, glyphInk);
    painter.setPen(palette.secondaryText(0.92, 0.80));
    painter.setFont(pixelFont(15, QFont::DemiBold));
    const QRectF caption(card.left(), card.bottom() - 70, card.width(), 24);
    painter.drawText(caption, Qt::AlignCenter, BreakGlyphs::symbolName(entry.glyph));
    painter.setPen(palette.tertiaryText());
    painter.setFont(pixelFont(12, QFont::Medium));
    painter.drawText(caption.translated(0, 24), Qt::AlignCenter, entry.usage);
}

QImage renderGlyphSheet(ColorScheme scheme, const QImage &desktop, qreal scale)
{
    const BreakBG background = scheme == ColorScheme::dark ? BreakBG::gradient : BreakBG::blur;
    auto backdrop = BreakBackgrounds::forOverlay(background, scheme, desktop);
    QImage image = renderBackdrop(*backdrop, desktop, scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const BreakOverlayPalette palette(background, scheme);
    painter.setPen(palette.secondaryText(0.92, 0.82));
    painter.setFont(pixelFont(28, QFont::Light));
    painter.drawText(QRectF(0, 90, screenSize.width(), 40), Qt::AlignCenter,
                     QStringLiteral("Break screen symbols"));
    const QSizeF cardSize(300, 250);
    const qreal gap = 24;
    const qreal left = (screenSize.width() - 4 * cardSize.width() - 3 * gap) / 2;
    for (int i = 0; i < sheetEntries().size(); ++i) {
        const QPointF corner(left + (i % 4) * (cardSize.width() + gap),
                             180 + (i / 4) * (cardSize.height() + gap));
        paintSheetCard(painter, QRectF(corner, cardSize), sheetEntries()[i], palette);
    }
    return image;
}

QString schemeName(ColorScheme scheme)
{
    return scheme == ColorScheme::dark ? QStringLiteral("dark") : QStringLiteral("light");
}

// Prints the label's figure and returns whether it met its floor.
bool reportSecondaryContrast(BreakSecondaryView &view, const QString &name)
{
    bool met = true;
    for (const TextContrast &text :
         measureSecondaryScreenContrast(view, sampleDesktop(view.size(), 1.0))) {
        met &= text.meetsFloor();
        std::printf("%-30s \"%s\" %5.2f:1 (floor %.1f:1)%s\n", qPrintable(name),
                    qPrintable(text.text), text.ratio, text.floor,
                    text.meetsFloor() ? "" : "  MISSED");
    }
    return met;
}

bool renderSecondaryScreens(const QDir &folder, ColorScheme scheme, const QImage &desktop,
                            qreal scale, bool &met)
{
    bool written = true;
    for (BreakBG background : allBreakBGs()) {
        BreakScreenConfig config;
        config.setBackground(background);
        BreakSecondaryView view(config, scheme, nullptr);
        view.resize(screenSize);
        QImage marks = blankImage(screenSize, scale);
        view.render(&marks);
        QImage image = desktop;
        QPainter(&image).drawImage(QPoint(), marks);
        const QString name = QStringLiteral("secondary-%1-%2")
                                 .arg(rawValue(background).toLower(), schemeName(scheme));
        written &= savePng(image, folder, name);
        met &= reportSecondaryContrast(view, name);
    }
    return written;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() < 2) {
        std::fprintf(stderr, "usage: render_break_screen <output folder> [--scale <ratio>]\n");
        return 2;
    }
    const qreal scale = arguments.size() >= 4 && arguments[2] == QLatin1String("--scale")
        ? arguments[3].toDouble()
        : 1.0;
    QDir folder(arguments[1]);
    if (!folder.mkpath(QStringLiteral(".")) || scale <= 0)
        return 2;

    const QImage desktop = sampleDesktop(screenSize, scale);
    bool written = savePng(desktop, folder, QStringLiteral("sample-desktop"));
    for (ColorScheme scheme : {ColorScheme::light, ColorScheme::dark}) {
        for (BreakBG background : allBreakBGs()) {
            auto painter = BreakBackgrounds::forOverlay(background, scheme, desktop);
            const QString name = QStringLiteral("background-%1-%2")
                                     .arg(rawValue(background).toLower(), schemeName(scheme));
            written &= savePng(renderLayers(*painter, desktop, scale), folder, name);
        }
        BlurBackgroundPainter fallback(QImage(), scheme);
        written &= savePng(renderLayers(fallback, desktop, scale), folder,
                        QStringLiteral("background-blur-fallback-%1").arg(schemeName(scheme)));
        written &= savePng(renderGlyphSheet(scheme, desktop, scale), folder,
                        QStringLiteral("glyphs-%1").arg(schemeName(scheme)));
    }
    bool met = true;
    for (ColorScheme scheme : {ColorScheme::light, ColorScheme::dark})
        written &= renderSecondaryScreens(folder, scheme, desktop, scale, met);
    std::printf(met ? "every text meets its contrast floor\n"
                    : "some texts miss their contrast floor\n");
    return written ? 0 : 1;
}
