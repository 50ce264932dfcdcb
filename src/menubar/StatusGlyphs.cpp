#include "menubar/StatusGlyphs.h"

#include "menubar/HUDGlyphs.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace {

constexpr qreal gridSide = 24.0;
constexpr qreal lineWidth = 2.2; // in grid units: a little over one pixel at 12 pixels
// Subtracting one round shape from another flattens curves into segments of a fixed length;
// built this much larger and scaled down, the crescent stays round.
constexpr qreal buildScale = 40.0;

// Each draws on the grid with the colour as the brush and no pen set.
using Drawing = std::function<void(QPainter &, const QColor &)>;

QPen pen(const QColor &colour, qreal width = lineWidth)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A tulip on its stem with one leaf: the application's own symbol.
void drawFlower(QPainter &painter, const QColor &colour)
{
    QPainterPath head(QPointF(6.5, 4.0));
    head.lineTo(9.4, 6.6);
    head.lineTo(12.0, 3.2);
    head.lineTo(14.6, 6.6);
    head.lineTo(17.5, 4.0);
    head.cubicTo(17.5, 10.4, 15.4, 13.0, 12.0, 13.0);
    head.cubicTo(8.6, 13.0, 6.5, 10.4, 6.5, 4.0);
    painter.drawPath(head);
    QPainterPath leaf(QPointF(12.0, 19.5));
    leaf.cubicTo(10.4, 15.4, 7.6, 14.0, 5.0, 14.2);
    leaf.cubicTo(5.6, 17.8, 8.4, 19.6, 12.0, 19.5);
    painter.drawPath(leaf);
    painter.setPen(pen(colour));
    painter.drawLine(QPointF(12.0, 13.0), QPointF(12.0, 21.0));
}

void drawPauseBars(QPainter &painter, const QColor &)
{
    painter.drawRoundedRect(QRectF(6.4, 4.4, 4.2, 15.2), 1.0, 1.0);
    painter.drawRoundedRect(QRectF(13.4, 4.4, 4.2, 15.2), 1.0, 1.0);
}

void drawRing(QPainter &painter, const QColor &colour)
{
    painter.setPen(pen(colour));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(12, 12), 9.6, 9.6);
}

void drawPauseCircle(QPainter &painter, const QColor &colour)
{
    painter.drawRoundedRect(QRectF(8.2, 7.4, 2.8, 9.2), 0.8, 0.8);
    painter.drawRoundedRect(QRectF(13.0, 7.4, 2.8, 9.2), 0.8, 0.8);
    drawRing(painter, colour);
}

void drawClockWithCross(QPainter &painter, const QColor &colour)
{
    painter.setPen(pen(colour));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(10.4, 13.4), 8.0, 8.0);
    painter.drawPolyline(QPolygonF({{10.4, 8.6}, {10.4, 13.4}, {13.6, 15.2}}));
    painter.drawLine(QPointF(17.0, 2.6), QPointF(22.0, 7.6));
    painter.drawLine(QPointF(22.0, 2.6), QPointF(17.0, 7.6));
}

void drawMoonAndSleep(QPainter &painter, const QColor &colour)
{
    QPainterPath disc;
    disc.addEllipse(QPointF(10.4, 13.6), 8.4, 8.4);
    QPainterPath bite;
    bite.addEllipse(QPointF(15.6, 9.0), 7.2, 7.2);
    const QTransform up = QTransform::fromScale(buildScale, buildScale);
    const QPainterPath crescent = up.map(disc).subtracted(up.map(bite));
    painter.save();
    painter.scale(1 / buildScale, 1 / buildScale);
    painter.drawPath(crescent);
    painter.restore();
    painter.setPen(pen(colour, 1.8));
    painter.drawPolyline(QPolygonF({{15.4, 2.8}, {20.6, 2.8}, {15.4, 8.2}, {20.6, 8.2}}));
}

void drawHourglass(QPainter &painter, const QColor &colour)
{
    painter.drawPolygon(QPolygonF({{7.6, 5.2}, {16.4, 5.2}, {12.0, 11.4}}));
    painter.drawPolygon(QPolygonF({{12.0, 14.6}, {16.4, 18.8}, {7.6, 18.8}}));
    painter.setPen(pen(colour));
    painter.drawLine(QPointF(5.6, 2.6), QPointF(18.4, 2.6));
    painter.drawLine(QPointF(5.6, 21.4), QPointF(18.4, 21.4));
}

void drawExclamationMark(QPainter &painter, const QColor &colour)
{
    painter.drawEllipse(QPointF(12.0, 19.0), 2.1, 2.1);
    painter.setPen(pen(colour, 4.0));
    painter.drawLine(QPointF(12.0, 4.4), QPointF(12.0, 13.2));
}

void drawExclamationCircle(QPainter &painter, const QColor &colour)
{
    painter.drawEllipse(QPointF(12.0, 16.6), 1.5, 1.5);
    painter.setPen(pen(colour, 2.6));
    painter.drawLine(QPointF(12.0, 6.8), QPointF(12.0, 12.6));
    drawRing(painter, colour);
}

// Symbols the floating notice already draws are taken from there.
Drawing borrowed(const QString &noticeSymbol)
{
    return [noticeSymbol](QPainter &painter, const QColor &) {
        painter.translate(gridSide / 2, gridSide / 2);
        painter.drawPath(HUDGlyphs::path(noticeSymbol, gridSide));
    };
}

const QHash<QString, Drawing> &drawings()
{
    static const QHash<QString, Drawing> all = {
        {QStringLiteral("camera.macro"), drawFlower},
        {QStringLiteral("figure.walk"), borrowed(QStringLiteral("figure.walk"))},
        {QStringLiteral("video"), borrowed(QStringLiteral("video.fill"))},
        {QStringLiteral("pause.circle"), drawPauseCircle},
        {QStringLiteral("clock.badge.xmark"), drawClockWithCross},
        {QStringLiteral("moon.zzz"), drawMoonAndSleep},
        {QStringLiteral("hourglass"), drawHourglass},
        {QStringLiteral("exclamationmark.circle"), drawExclamationCircle},
    };
    return all;
}

// Inside a badge the badge itself is the circle: a second ring would eat the few pixels the
// mark has at tray sizes.
const QHash<QString, Drawing> &bareDrawings()
{
    static const QHash<QString, Drawing> bare = {
        {QStringLiteral("pause.circle"), drawPauseBars},
        {QStringLiteral("exclamationmark.circle"), drawExclamationMark},
    };
    return bare;
}

} // namespace

QString StatusGlyphs::fallbackSymbolName()
{
    return QStringLiteral("camera.macro");
}

QStringList StatusGlyphs::symbolNames()
{
    QStringList names = drawings().keys();
    names.sort();
    return names;
}

void StatusGlyphs::paint(QPainter &painter, const QString &symbolName, const QRectF &square,
                         const QColor &colour, Enclosure enclosure)
{
    const QHash<QString, Drawing> &all = drawings();
    const QString name = all.contains(symbolName) ? symbolName : fallbackSymbolName();
    const Drawing &drawing = enclosure == Enclosure::bare && bareDrawings().contains(name)
        ? bareDrawings()[name]
        : all[name];
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(square.topLeft());
    painter.scale(square.width() / gridSide, square.height() / gridSide);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    drawing(painter, colour);
    painter.restore();
}
