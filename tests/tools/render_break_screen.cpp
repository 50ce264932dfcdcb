// Renders the break screen's layers to PNG files for a look by eye: every backdrop with its
// drifting leaves, in the light and the dark scheme, and a sheet of the break screen's
// symbols. The blur backdrop is shown over a made-up desktop, since a virtual X server's
// screen is plain black; "blur-fallback" shows the translucent fill over the same desktop,
// as a compositor would show it where the screen cannot be read.
//
// Usage: render_break_screen <output folder> [--scale <device pixel ratio>]

#include "breakscreen/BlurBackgroundPainter.h"
#include "breakscreen/BreakBackgroundPainter.h"
#include "breakscreen/BreakBackgrounds.h"
#include "breakscreen/BreakGlyphs.h"
#include "breakscreen/BreakOverlayPalette.h"
#include "breakscreen/FloatingParticles.h"
#include "breakscreen/GradientBackgroundPainter.h"

#include <QDir>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
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

void paintWindow(QPainter &painter, const QRectF &frame, const QColor &body, const QColor &ink)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 60));
    painter.drawRoundedRect(frame.translated(0, 14).adjusted(-6, -2, 6, 10), 16, 16);
    painter.setBrush(body);
    painter.drawRoundedRect(frame, 12, 12);
    painter.setBrush(ink);
    for (int line = 0; line < 9; ++line) {
        const qreal width = frame.width() * (0.35 + 0.5 * ((line * 37) % 10) / 10.0);
        painter.drawRoundedRect(QRectF(frame.left() + 28, frame.top() + 64 + line * 30, width, 12),
                                6, 6);
    }
    const QColor lights[] = {QColor(236, 95, 90), QColor(240, 190, 70), QColor(100, 200, 110)};
    for (int dot = 0; dot < 3; ++dot) {
        painter.setBrush(lights[dot]);
        painter.drawEllipse(QPointF(frame.left() + 22 + dot * 20, frame.top() + 22), 6, 6);
    }
}

// A plausible desktop: a warm wallpaper, two application windows and a panel.
QImage sampleDesktop(qreal scale)
{
    QImage desktop = blankImage(screenSize, scale);
    QPainter painter(&desktop);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, screenSize.width(), screenSize.height());
    sky.setColorAt(0.0, QColor(38, 70, 140));
    sky.setColorAt(0.55, QColor(196, 96, 120));
    sky.setColorAt(1.0, QColor(246, 176, 92));
    painter.fillRect(QRect(QPoint(), screenSize), sky);
    QRadialGradient sun(QPointF(1100, 620), 320);
    sun.setColorAt(0, QColor(255, 226, 150, 220));
    sun.setColorAt(1, QColor(255, 226, 150, 0));
    painter.fillRect(QRect(QPoint(), screenSize), sun);
    paintWindow(painter, QRectF(120, 150, 620, 420), QColor(250, 250, 252),
                QColor(60, 70, 90, 90));
    paintWindow(painter, QRectF(640, 300, 560, 440), QColor(34, 38, 48),
                QColor(120, 200, 255, 140));
    painter.fillRect(QRectF(0, 0, screenSize.width(), 32), QColor(20, 22, 28, 230));
    return desktop;
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

bool save(const QImage &image, const QDir &folder, const QString &name)
{
    const QString path = folder.filePath(name + QStringLiteral(".png"));
    if (!image.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
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

    const QImage desktop = sampleDesktop(scale);
    bool written = save(desktop, folder, QStringLiteral("sample-desktop"));
    for (ColorScheme scheme : {ColorScheme::light, ColorScheme::dark}) {
        for (BreakBG background : allBreakBGs()) {
            auto painter = BreakBackgrounds::forOverlay(background, scheme, desktop);
            const QString name = QStringLiteral("background-%1-%2")
                                     .arg(rawValue(background).toLower(), schemeName(scheme));
            written &= save(renderLayers(*painter, desktop, scale), folder, name);
        }
        BlurBackgroundPainter fallback(QImage(), scheme);
        written &= save(renderLayers(fallback, desktop, scale), folder,
                        QStringLiteral("background-blur-fallback-%1").arg(schemeName(scheme)));
        written &= save(renderGlyphSheet(scheme, desktop, scale), folder,
                        QStringLiteral("glyphs-%1").arg(schemeName(scheme)));
    }
    return written ? 0 : 1;
}
