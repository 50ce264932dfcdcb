#include "breakscreen/BreakOverlayStyles.h"

#include "breakscreen/BreakOverlayFont.h"

BreakTextStyle BreakOverlayStyles::message(const BreakOverlayPalette &palette, int wrapWidth)
{
    BreakTextStyle style;
    style.font = BreakOverlayFont::font(52, QFont::Normal, 1.6);
    style.colour = palette.secondaryText(0.82, 0.76);
    style.lineSpacing = 4;
    style.maxWidth = wrapWidth;
    style.shadowOpacity = palette.shadowOpacity(0.08, 0.18);
    style.shadowRadius = 24;
    style.shadowOffsetY = 10;
    return style;
}

BreakTextStyle BreakOverlayStyles::clockLine(const BreakOverlayPalette &palette)
{
    BreakTextStyle style;
    style.font = BreakOverlayFont::font(10.5, QFont::Medium, 0.35);
    style.colour = palette.clockText();
    return style;
}

BreakTextStyle BreakOverlayStyles::hint(const BreakOverlayPalette &palette, BreakOverlayHint hint)
{
    BreakTextStyle style;
    const bool strict = hint == BreakOverlayHint::strictMode;
    style.font = BreakOverlayFont::font(11, strict ? QFont::DemiBold : QFont::Medium, 0.2);
    style.colour = strict ? palette.quaternaryText() : palette.tertiaryText();
    return style;
}

QColor BreakOverlayStyles::menuMaterial(bool darkBackdrop)
{
    return darkBackdrop ? QColor::fromRgbF(0.17f, 0.17f, 0.19f, 0.97f)
                        : QColor::fromRgbF(0.96f, 0.96f, 0.97f, 0.97f);
}
