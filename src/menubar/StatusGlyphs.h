#pragma once

#include <QColor>
#include <QRectF>
#include <QString>
#include <QStringList>

class QPainter;

// The symbols of the tray item and of the menu's header, drawn by the project itself so that
// they look the same whatever icon theme the desktop has, and stay crisp from 12 pixels up.
// Each is designed on a 24-unit square and drawn in one colour.
class StatusGlyphs
{
public:
    // Whether a symbol drawn in a circle keeps its circle, or leaves it to a badge around it.
    enum class Enclosure { circled, bare };

    // The application's own symbol, drawn for any name not known here.
    static QString fallbackSymbolName();
    static QStringList symbolNames();

    static void paint(QPainter &painter, const QString &symbolName, const QRectF &square,
                      const QColor &colour, Enclosure enclosure = Enclosure::circled);
};
