#pragma once

#include <QColor>
#include <QFont>

// How one text of the break overlay is set: type, colour, extra space between lines, the
// width it wraps at (none: one line) and an optional soft shadow.
struct BreakTextStyle
{
    QFont font;
    QColor colour;
    qreal lineSpacing = 0;
    qreal maxWidth = 0;
    qreal shadowOpacity = 0;
    qreal shadowRadius = 0;
    qreal shadowOffsetY = 0;

    bool hasShadow() const { return shadowOpacity > 0 && shadowRadius > 0; }
    bool operator==(const BreakTextStyle &other) const = default;
};
