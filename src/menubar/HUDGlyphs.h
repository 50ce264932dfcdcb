#pragma once

#include <QPainterPath>
#include <QString>
#include <QStringList>

// The symbols on the floating notice's badges, as outlines the project draws itself, so the
// notice looks the same whatever icon theme the desktop has. Symbols the break screen
// already draws are taken from there rather than drawn twice. Semibold, like the badge's
// symbols are set. Main thread only (outlines are cached).
class HUDGlyphs
{
public:
    // The symbol names drawn here, beside those borrowed from the break screen.
    static QStringList ownSymbolNames();

    // The symbol's area centred on the origin, filling a square of side pointSize, ready for
    // one fillPath. Empty for a name neither set knows: the badge then shows no symbol.
    static QPainterPath path(const QString &symbolName, qreal pointSize);

private:
    static const QPainterPath *designPath(const QString &symbolName);
};
