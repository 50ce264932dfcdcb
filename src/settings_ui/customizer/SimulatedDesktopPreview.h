#pragma once

#include <QRectF>
#include <QSizeF>

class QPainter;

// A drawn stand-in for the desktop under the customizer's "Blur" preview: a plain wallpaper
// with one application window (title bar, sidebar with a selected row, lines of content),
// light or dark. It is only ever seen blurred, so a handful of placeholder rows serve.
class SimulatedDesktopPreview
{
public:
    // Fills `size` (from the painter's origin) with the desktop.
    static void paint(QPainter &painter, const QSizeF &size, bool isDark);

private:
    static void paintSidebar(QPainter &painter, const QRectF &area, bool isDark);
    static void paintContent(QPainter &painter, const QRectF &area, bool isDark);
};
