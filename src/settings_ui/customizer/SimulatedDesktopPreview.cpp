#include "settings_ui/customizer/SimulatedDesktopPreview.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

constexpr qreal windowWidthShare = 0.78;
constexpr qreal windowHeightShare = 0.68;
constexpr qreal windowRadius = 7;
constexpr qreal titleBarHeight = 24;
constexpr qreal sidebarShare = 0.2;
constexpr qreal sidebarMinimum = 64;
constexpr qreal sidebarPadding = 10;
constexpr qreal contentPadding = 14;
constexpr int sidebarRows = 6;
constexpr int selectedRow = 1;

QColor primary(bool isDark, qreal opacity)
{
    return isDark ? QColor::fromRgbF(1, 1, 1, float(opacity)) : QColor::fromRgbF(0, 0, 0, float(opacity));
}

QColor surface(bool isDark)
{
    return isDark ? QColor::fromRgbF(0.16f, 0.17f, 0.20f) : QColor::fromRgbF(1, 1, 1, 0.92f);
}

void bar(QPainter &painter, const QRectF &rect, const QColor &colour, qreal radius = 2)
{
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    painter.fillPath(path, colour);
}

} // namespace

void SimulatedDesktopPreview::paint(QPainter &painter, const QSizeF &size, bool isDark)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(QRectF(QPointF(0, 0), size),
                     isDark ? QColor::fromRgbF(0.08f, 0.09f, 0.11f) : QColor::fromRgbF(0.88f, 0.91f, 0.94f));
    QRectF window(0, 0, size.width() * windowWidthShare, size.height() * windowHeightShare);
    window.moveCenter(QRectF(QPointF(0, 0), size).center());
    // The shadow's softness comes from the blur the whole desktop goes through.
    bar(painter, window.translated(0, 8).adjusted(-4, -2, 4, 6),
        QColor::fromRgbF(0, 0, 0, isDark ? 0.38f : 0.16f), windowRadius + 4);

    QPainterPath shape;
    shape.addRoundedRect(window, windowRadius, windowRadius);
    painter.setClipPath(shape);
    painter.fillRect(window, surface(isDark));
    const QRectF titleBar(window.topLeft(), QSizeF(window.width(), titleBarHeight));
    QColor titleFill = surface(isDark);
    titleFill.setAlphaF(titleFill.alphaF() * 0.96f);
    painter.fillRect(titleBar, titleFill);
    const QColor lights[] = {QColor(255, 95, 86), QColor(255, 189, 46), QColor(39, 201, 63)};
    for (int index = 0; index < 3; ++index) {
        QColor light = lights[index];
        light.setAlphaF(0.75f);
        painter.setPen(Qt::NoPen);
        painter.setBrush(light);
        painter.drawEllipse(QPointF(titleBar.left() + 13 + 10 * index, titleBar.center().y()), 3, 3);
    }
    bar(painter, QRectF(titleBar.right() - 10 - 58, titleBar.center().y() - 2.5, 58, 5), primary(isDark, 0.16));

    const QRectF body(window.left(), titleBar.bottom(), window.width(), window.height() - titleBarHeight);
    const qreal sidebarWidth = std::max(size.width() * sidebarShare, sidebarMinimum);
    paintSidebar(painter, QRectF(body.topLeft(), QSizeF(sidebarWidth, body.height())), isDark);
    paintContent(painter, body.adjusted(sidebarWidth, 0, 0, 0), isDark);
    painter.restore();
}

void SimulatedDesktopPreview::paintSidebar(QPainter &painter, const QRectF &area, bool isDark)
{
    painter.fillRect(area, isDark ? QColor::fromRgbF(0.11f, 0.12f, 0.14f) : QColor::fromRgbF(0.82f, 0.85f, 0.88f));
    const QColor blue = QColor::fromRgbF(0.0f, 0.48f, 1.0f, 0.65f);
    const qreal rowWidth = area.width() - 2 * sidebarPadding;
    for (int row = 0; row < sidebarRows; ++row) {
        const qreal y = area.top() + sidebarPadding + row * 18;
        const bool selected = row == selectedRow;
        bar(painter, QRectF(area.left() + sidebarPadding, y, 8, 8), selected ? blue : primary(isDark, 0.14));
        const qreal barWidth = rowWidth * (row % 2 ? 0.55 : 0.7) - 14;
        bar(painter, QRectF(area.left() + sidebarPadding + 14, y + 1.5, std::max<qreal>(8, barWidth), 5),
            primary(isDark, selected ? 0.28 : 0.13));
    }
}

void SimulatedDesktopPreview::paintContent(QPainter &painter, const QRectF &area, bool isDark)
{
    const QRectF inner = area.adjusted(contentPadding, contentPadding, -contentPadding, -contentPadding);
    // A heading, then paragraphs of lines, each opened by a coloured accent.
    bar(painter, QRectF(inner.left(), inner.top(), inner.width() * 0.4, 9), primary(isDark, 0.22), 3);
    const QColor accents[] = {QColor(0, 122, 255, 150), QColor(52, 199, 89, 150), QColor(255, 149, 0, 150)};
    const qreal widths[] = {0.92, 0.84, 0.6};
    qreal y = inner.top() + 26;
    for (int paragraph = 0; y + 40 < inner.bottom(); ++paragraph) {
        bar(painter, QRectF(inner.left(), y, 10, 10), accents[paragraph % 3], 3);
        for (int line = 0; line < 3 && y + 6 < inner.bottom(); ++line) {
            bar(painter, QRectF(inner.left() + 18, y + 2 + line * 12, (inner.width() - 18) * widths[line], 6),
                primary(isDark, 0.10));
        }
        y += 52;
    }
}
