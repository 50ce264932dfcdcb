#pragma once

#include <QColor>
#include <QFont>
#include <QPainterPath>
#include <QPointF>
#include <QString>
#include <QStringList>

class QPainter;

// The symbols of the settings window and the first-run flow, looked up by the symbol name a
// layout gives ("keyboard", "chevron.right", "leaf.fill"), as outlines the project draws
// itself so the window looks the same whatever icon theme the desktop has. Symbols the
// break screen or the floating notice already draw are taken from there rather than drawn a
// second time. Like a symbol set in text, a symbol of point size p fills a square of side p
// and its lines thicken with the font weight. Main thread only (outlines are cached).
//
// A pane that needs a symbol not drawn yet adds its design to the table in the .cpp file;
// a name that no table knows draws nothing.
class SymbolGlyphs
{
public:
    // Every name that draws something, sorted.
    static QStringList symbolNames();
    static bool contains(const QString &symbolName);

    // The symbol's area centred on the origin, ready for one fillPath; empty for an unknown
    // name.
    static QPainterPath path(const QString &symbolName, qreal pointSize, QFont::Weight weight);
    static void paint(QPainter &painter, const QString &symbolName, const QPointF &centre,
                      qreal pointSize, QFont::Weight weight, const QColor &colour,
                      qreal rotationDegrees = 0);

private:
    static const QPainterPath *designPath(const QString &symbolName, QFont::Weight weight);
};
