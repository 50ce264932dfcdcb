#pragma once

#include <QPainterPath>
#include <QPointF>
#include <QRectF>

#include <functional>
#include <initializer_list>

// The drawing kit of the symbols the project draws itself (the settings window's and the
// floating notice's). Outlines are drawn on the break screen's
// 24-unit square, centre (12, 12), y pointing down, with its line widths, so the sets match
// in size and weight. Boolean path operations flatten curves into segments of a fixed
// absolute length, which would show as corners on a circle scaled up from a 24-unit square;
// outlines are therefore built `buildScale` times larger (big()) and scaled down when used.
namespace glyph {

constexpr qreal gridSide = 24.0;
constexpr qreal buildScale = 40.0;

// A symbol's outline at the build scale for a line width in grid units.
using Design = std::function<QPainterPath(qreal lineWidth)>;

// A path in grid units at the build scale.
QPainterPath big(const QPainterPath &gridPath);
// The line in grid units, stroked `width` grid units wide, at the build scale.
QPainterPath strokeOf(const QPainterPath &line, qreal width, Qt::PenJoinStyle join = Qt::RoundJoin);
QPainterPath polyline(std::initializer_list<QPointF> points, qreal width);
QPainterPath disc(QPointF centre, qreal radius);
QPainterPath ring(QPointF centre, qreal radius, qreal width);
// In grid units, not scaled: to be filled with big() or stroked with strokeOf().
QPainterPath roundedRect(const QRectF &rect, qreal radius);
// The parts as one outline covering their union (filled by the non-zero rule).
QPainterPath unite(std::initializer_list<QPainterPath> parts);

// A build-scale path turned about the grid's centre.
QPainterPath turned(const QPainterPath &path, qreal degrees);
// A build-scale shape struck through from top left to bottom right; the slash cuts its own
// gap through the shape, so the two stay apart.
QPainterPath struckThrough(const QPainterPath &shape, qreal lineWidth);

// Outlines several symbols are built on, in grid units, not scaled: the bell (2.8 to 17.4,
// its clapper left to the symbol) and the shield (2.4 to 21.6).
QPainterPath bellOutline();
QPainterPath shieldOutline();

} // namespace glyph
