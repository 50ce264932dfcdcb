#pragma once

#include <QImage>
#include <QRectF>
#include <QSize>

// The soft shadow under the notice's body, drawn by the notice itself since its window is
// frameless and translucent: a rounded rectangle, offset and blurred, in black.
class HUDShadow
{
public:
    // An image of canvasSize (in device pixels at the given ratio) holding the shadow of a
    // rounded rectangle at shape (logical pixels), moved down by offsetY and blurred over
    // about blurRadius pixels, at the given opacity.
    static QImage render(const QSize &canvasSize, qreal devicePixelRatio, const QRectF &shape,
                         qreal cornerRadius, qreal offsetY, qreal blurRadius, qreal opacity);
};
