#include "core/AppIcon.h"

#include <QIconEngine>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace {

// The green of the tile, lighter at the top as if lit from above, around the accent green
// the rest of the application uses (sRGB 0.396, 0.714, 0.169).
const QColor tileTop = QColor::fromRgbF(0.50f, 0.80f, 0.27f);
const QColor tileBottom = QColor::fromRgbF(0.29f, 0.58f, 0.11f);
const QColor leafShade = QColor::fromRgbF(0.13f, 0.33f, 0.03f, 0.28f);

QPainterPath tilePath(const QRectF &square)
{
    QPainterPath path;
    const qreal radius = square.width() * AppIcon::cornerRadiusFraction;
    path.addRoundedRect(square, radius, radius);
    return path;
}

// Boolean path operations flatten curves into segments of a fixed absolute length, which
// would show as corners once a unit-square outline is scaled up; the leaf is built on a
// square of this side and scaled down when drawn.
constexpr qreal designSide = 1000.0;

// The leaf: a blade from its base at the lower left to its tip at the upper right, a short
// stem below the base, and the middle vein cut out of the blade.
QPainterPath designLeaf()
{
    QPainterPath blade(QPointF(0, 0));
    blade.cubicTo(0.16, -0.40, 0.64, -0.44, 1.0, 0.0);
    blade.cubicTo(0.60, 0.40, 0.14, 0.38, 0.0, 0.0);
    blade.closeSubpath();
    QTransform placement;
    placement.scale(designSide, designSide);
    placement.translate(0.27, 0.73);
    placement.rotate(-45);
    placement.scale(0.66, 0.66);
    const QPainterPath placedBlade = placement.map(blade);

    const QTransform toDesign = QTransform::fromScale(designSide, designSide);
    QPainterPathStroker stroker;
    stroker.setCapStyle(Qt::RoundCap);
    QPainterPath stem(QPointF(0.30, 0.70));
    stem.quadTo(QPointF(0.24, 0.78), QPointF(0.20, 0.83));
    stroker.setWidth(0.045 * designSide);
    const QPainterPath stemArea = stroker.createStroke(toDesign.map(stem));

    QPainterPath vein(QPointF(0.33, 0.67));
    vein.quadTo(QPointF(0.52, 0.50), QPointF(0.66, 0.34));
    stroker.setWidth(0.03 * designSide);
    const QPainterPath veinArea = stroker.createStroke(toDesign.map(vein));
    return placedBlade.united(stemArea).subtracted(veinArea).simplified();
}

const QPainterPath &leafDesign()
{
    static const QPainterPath leaf = designLeaf();
    return leaf;
}

// Draws each requested size afresh, so a 512-pixel launcher tile costs nothing until a
// desktop asks for it.
class AppIconEngine : public QIconEngine
{
public:
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode, QIcon::State) override
    {
        const qreal margin = rect.width() * AppIcon::desktopMarginFraction;
        AppIcon::paint(*painter, QRectF(rect).adjusted(margin, margin, -margin, -margin));
    }
    QIconEngine *clone() const override { return new AppIconEngine; }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        painter.end();
        return QPixmap::fromImage(std::move(image));
    }
};

} // namespace

void AppIcon::paint(QPainter &painter, const QRectF &square)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const QPainterPath tile = tilePath(square);
    QLinearGradient fill(square.topLeft(), square.bottomLeft());
    fill.setColorAt(0, tileTop);
    fill.setColorAt(1, tileBottom);
    painter.fillPath(tile, fill);
    // A soft light from the upper left keeps the flat tile from looking dull.
    QRadialGradient light(square.topLeft() + QPointF(square.width() * 0.25, square.height() * 0.15),
                          square.width() * 0.9);
    light.setColorAt(0, QColor(255, 255, 255, 56));
    light.setColorAt(1, QColor(255, 255, 255, 0));
    painter.fillPath(tile, light);

    QTransform toSquare;
    toSquare.translate(square.left(), square.top());
    toSquare.scale(square.width() / designSide, square.height() / designSide);
    const QPainterPath leaf = toSquare.map(leafDesign());
    painter.fillPath(leaf.translated(0, square.height() * 0.025), leafShade);
    painter.fillPath(leaf, Qt::white);
    painter.restore();
}

QImage AppIcon::image(int side, qreal devicePixelRatio)
{
    const int pixels = std::max(1, int(std::lround(side * devicePixelRatio)));
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paint(painter, QRectF(0, 0, side, side));
    return image;
}

QIcon AppIcon::icon()
{
    return QIcon(new AppIconEngine);
}

QImage AppIcon::desktopImage(int side)
{
    AppIconEngine engine;
    return engine.pixmap(QSize(side, side), QIcon::Normal, QIcon::Off).toImage();
}
