#include "support/SampleDesktop.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace {

void paintWindow(QPainter &painter, const QRectF &frame, const QColor &body, const QColor &ink)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 60));
    painter.drawRoundedRect(frame.translated(0, 14).adjusted(-6, -2, 6, 10), 16, 16);
    painter.setBrush(body);
    painter.drawRoundedRect(frame, 12, 12);
    painter.setBrush(ink);
    for (int line = 0; line < 9; ++line) {
        const qreal width = frame.width() * (0.35 + 0.5 * ((line * 37) % 10) / 10.0);
        painter.drawRoundedRect(QRectF(frame.left() + 28, frame.top() + 64 + line * 30, width, 12),
                                6, 6);
    }
    const QColor lights[] = {QColor(236, 95, 90), QColor(240, 190, 70), QColor(100, 200, 110)};
    for (int dot = 0; dot < 3; ++dot) {
        painter.setBrush(lights[dot]);
        painter.drawEllipse(QPointF(frame.left() + 22 + dot * 20, frame.top() + 22), 6, 6);
    }
}

} // namespace

QImage sampleDesktop(const QSize &logicalSize, qreal scale)
{
    QImage desktop(logicalSize * scale, QImage::Format_ARGB32_Premultiplied);
    desktop.setDevicePixelRatio(scale);
    desktop.fill(Qt::transparent);
    QPainter painter(&desktop);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect screen(QPoint(), logicalSize);
    QLinearGradient sky(0, 0, logicalSize.width(), logicalSize.height());
    sky.setColorAt(0.0, QColor(38, 70, 140));
    sky.setColorAt(0.55, QColor(196, 96, 120));
    sky.setColorAt(1.0, QColor(246, 176, 92));
    painter.fillRect(screen, sky);
    QRadialGradient sun(QPointF(1100, 620), 320);
    sun.setColorAt(0, QColor(255, 226, 150, 220));
    sun.setColorAt(1, QColor(255, 226, 150, 0));
    painter.fillRect(screen, sun);
    paintWindow(painter, QRectF(120, 150, 620, 420), QColor(250, 250, 252),
                QColor(60, 70, 90, 90));
    paintWindow(painter, QRectF(640, 300, 560, 440), QColor(34, 38, 48),
                QColor(120, 200, 255, 140));
    painter.fillRect(QRectF(0, 0, logicalSize.width(), 32), QColor(20, 22, 28, 230));
    return desktop;
}
