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

void paintWallpaper(QPainter &painter, const QSize &size, const QColor (&sky)[3],
                    const QColor &glow, const QPointF &glowAt)
{
    const QRect screen(QPoint(), size);
    QLinearGradient gradient(0, 0, size.width(), size.height());
    gradient.setColorAt(0.0, sky[0]);
    gradient.setColorAt(0.55, sky[1]);
    gradient.setColorAt(1.0, sky[2]);
    painter.fillRect(screen, gradient);
    QRadialGradient halo(glowAt, 320);
    halo.setColorAt(0, glow);
    halo.setColorAt(1, QColor(glow.red(), glow.green(), glow.blue(), 0));
    painter.fillRect(screen, halo);
}

// A sunset with a light document and a dark terminal over it.
void paintLightDesktop(QPainter &painter, const QSize &size)
{
    paintWallpaper(painter, size, {QColor(38, 70, 140), QColor(196, 96, 120), QColor(246, 176, 92)},
                   QColor(255, 226, 150, 220), QPointF(1100, 620));
    paintWindow(painter, QRectF(120, 150, 620, 420), QColor(250, 250, 252), QColor(60, 70, 90, 90));
    paintWindow(painter, QRectF(640, 300, 560, 440), QColor(34, 38, 48), QColor(120, 200, 255, 140));
}

// A night sky with dark windows, one of them a light document to tease the dark material.
void paintDarkDesktop(QPainter &painter, const QSize &size)
{
    paintWallpaper(painter, size, {QColor(12, 16, 38), QColor(44, 26, 70), QColor(84, 46, 52)},
                   QColor(170, 190, 255, 90), QPointF(1150, 180));
    paintWindow(painter, QRectF(160, 200, 600, 420), QColor(30, 32, 40), QColor(180, 190, 210, 90));
    paintWindow(painter, QRectF(700, 320, 460, 380), QColor(236, 238, 242), QColor(60, 70, 90, 90));
}

} // namespace

QList<SampleDesktop> allSampleDesktops()
{
    return {SampleDesktop::light, SampleDesktop::dark, SampleDesktop::white, SampleDesktop::black};
}

QString sampleDesktopName(SampleDesktop desktop)
{
    switch (desktop) {
    case SampleDesktop::light: return QStringLiteral("light");
    case SampleDesktop::dark: return QStringLiteral("dark");
    case SampleDesktop::white: return QStringLiteral("white");
    case SampleDesktop::black: return QStringLiteral("black");
    }
    return QString();
}

QImage sampleDesktop(const QSize &logicalSize, qreal scale, SampleDesktop desktop)
{
    QImage image(logicalSize * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(desktop == SampleDesktop::white ? Qt::white : Qt::black);
    if (desktop == SampleDesktop::white || desktop == SampleDesktop::black)
        return image;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    if (desktop == SampleDesktop::light)
        paintLightDesktop(painter, logicalSize);
    else
        paintDarkDesktop(painter, logicalSize);
    painter.fillRect(QRectF(0, 0, logicalSize.width(), 32), QColor(20, 22, 28, 230));
    return image;
}
