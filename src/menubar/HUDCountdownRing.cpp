#include "menubar/HUDCountdownRing.h"

#include "menubar/HUDTextLabel.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

const QColor kRingColour(0, 255, 0);
constexpr double kTrackAlpha = 0.3;
constexpr double kStartAngleDegrees = -90; // the arc starts at the bottom of the ring

QFont figureFont(double pixelSize)
{
    QFont font;
    font.setPixelSize(int(std::lround(pixelSize)));
    font.setWeight(QFont::Bold);
    return font;
}

} // namespace

HUDCountdownRing::HUDCountdownRing(const HUDLayoutMetrics &metrics, const QColor &figureColour,
                                   int seconds, double fraction, QWidget *parent)
    : QWidget(parent)
    , m_metrics(metrics)
    , m_figure(new HUDTextLabel(this))
    , m_fraction(std::clamp(fraction, 0.0, 1.0))
{
    const int margin = strokeMargin(metrics);
    const QRectF ring = metrics.ringFrame();
    setGeometry(ring.toAlignedRect().adjusted(-margin, -margin, margin, margin));

    m_figure->setAlignment(Qt::AlignCenter);
    m_figure->setFont(figureFont(metrics.countdownFontSize));
    QPalette palette = m_figure->palette();
    palette.setColor(QPalette::WindowText, figureColour);
    m_figure->setPalette(palette);
    m_figure->setGeometry(metrics.countdownFigureFrame().translated(margin, margin).toAlignedRect());
    setSeconds(seconds);
}

int HUDCountdownRing::strokeMargin(const HUDLayoutMetrics &metrics)
{
    return int(std::ceil(metrics.ringLineWidth / 2));
}

void HUDCountdownRing::setSeconds(int seconds)
{
    const QString text = QString::number(seconds);
    if (m_figure->text() != text)
        m_figure->setText(text);
}

void HUDCountdownRing::setFraction(double fraction)
{
    fraction = std::clamp(fraction, 0.0, 1.0);
    const bool visible = visibleStep(fraction) != visibleStep(m_fraction);
    m_fraction = fraction;
    if (visible)
        update();
}

int HUDCountdownRing::visibleStep(double fraction) const
{
    const double radius = m_metrics.ringSide / 2 - m_metrics.progressInset;
    return int(std::lround(fraction * 2 * std::numbers::pi * radius * 4));
}

void HUDCountdownRing::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int margin = strokeMargin(m_metrics);
    const double side = m_metrics.ringSide;
    painter.translate(margin, margin);

    QColor track = kRingColour;
    track.setAlphaF(float(kTrackAlpha));
    painter.setPen(QPen(track, m_metrics.ringLineWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(0, 0, side, side));

    if (m_fraction <= 0)
        return;
    const double inset = m_metrics.progressInset;
    const QRectF arcBox(inset, inset, side - 2 * inset, side - 2 * inset);
    QPainterPath arc;
    arc.arcMoveTo(arcBox, kStartAngleDegrees);
    arc.arcTo(arcBox, kStartAngleDegrees, 360 * m_fraction);
    painter.setPen(QPen(kRingColour, m_metrics.ringLineWidth, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(arc);
}
