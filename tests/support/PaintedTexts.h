#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QTransform>

class QWidget;

// One run of text as a widget drew it: the words, the type, the ink (the pen's colour with
// the painter's opacity) and where it went, in the coordinates of the widget the tree was
// drawn from.
struct PaintedText
{
    QString text;
    QFont font;
    QColor ink;
    // Where the run's baseline starts, before `transform`.
    QPointF baseline;
    QTransform transform;
    // The run's line box: ascent to descent, start to advance.
    QRectF box;

    int pixelSize() const;
    // Where the box lands on the device drawn to.
    QRect deviceBox() const;
    // The pixels its letters touch on a device of `size`, widened by the fringe their
    // antialiasing reaches, opaque on a transparent picture: what lies around them is what
    // they are read against.
    QImage letterCover(const QSize &size) const;
};

// Every run of text `root` and its children draw, found by drawing them once through a
// painter that keeps the texts and drops everything else. Labels, buttons and custom-painted
// controls alike: whatever reaches QPainter as text.
QList<PaintedText> paintedTexts(QWidget &root);
