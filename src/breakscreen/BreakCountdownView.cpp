#include "breakscreen/BreakCountdownView.h"

#include "breakscreen/BreakOverlayFont.h"
#include "breakscreen/BreakOverlayText.h"
#include "breakscreen/StaticTextAccessible.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Antialiased edges of the ring and the bar reach a pixel past their frame.
constexpr int edgeRoom = 2;
constexpr qreal barTextSpacing = 10;
constexpr qreal barCornerRadius = 1.5;

QFont ringFont()
{
    return BreakOverlayFont::font(15, QFont::Light);
}

QFont barFont()
{
    return BreakOverlayFont::font(14, QFont::Light, 1.0);
}

qreal textHeight(const QFont &font)
{
    return std::ceil(QFontMetricsF(font).height());
}

} // namespace

BreakCountdownView::BreakCountdownView(BreakCountdown style, const BreakOverlayPalette &palette,
                                       QWidget *parent)
    : QWidget(parent)
    , m_style(style)
    , m_palette(palette)
    , m_timerText(new BreakOverlayText(this))
{
    StaticTextAccessible::install<BreakCountdownView>();
    setAttribute(Qt::WA_TransparentForMouseEvents);
    m_timerText->setReadByScreenReaders(false);
    setAccessibleName(spoken(m_seconds));
    applyStyle();
}

QString BreakCountdownView::formatted(qint64 seconds)
{
    const qint64 shown = std::max<qint64>(seconds, 0);
    return QStringLiteral("%1:%2")
        .arg(shown / 60, 2, 10, QLatin1Char('0'))
        .arg(shown % 60, 2, 10, QLatin1Char('0'));
}

QString BreakCountdownView::spoken(qint64 seconds)
{
    const qint64 shown = std::max<qint64>(seconds, 0);
    const qint64 minutes = shown / 60;
    const qint64 rest = shown % 60;
    QStringList words;
    if (minutes > 0)
        words.append(QStringLiteral("%1 %2").arg(minutes).arg(
            minutes == 1 ? QStringLiteral("minute") : QStringLiteral("minutes")));
    if (rest > 0 || minutes == 0)
        words.append(QStringLiteral("%1 %2").arg(rest).arg(
            rest == 1 ? QStringLiteral("second") : QStringLiteral("seconds")));
    words.append(QStringLiteral("left"));
    return words.join(QLatin1Char(' '));
}

QString BreakCountdownView::text() const
{
    return m_style == BreakCountdown::hidden ? QString() : formatted(m_seconds);
}

void BreakCountdownView::setCountdownStyle(BreakCountdown style)
{
    if (style == m_style)
        return;
    m_style = style;
    applyStyle();
}

void BreakCountdownView::setPalette(const BreakOverlayPalette &palette)
{
    m_palette = palette;
    applyStyle();
}

void BreakCountdownView::setCountdown(qint64 seconds, double progressFraction)
{
    if (seconds == m_seconds && progressFraction == m_fraction)
        return;
    if (seconds != m_seconds)
        setAccessibleName(spoken(seconds));
    m_seconds = seconds;
    m_fraction = std::clamp(progressFraction, 0.0, 1.0);
    if (m_style == BreakCountdown::timer)
        m_timerText->setText(formatted(m_seconds));
    else if (m_style != BreakCountdown::hidden)
        update();
}

void BreakCountdownView::setOpacity(qreal opacity)
{
    if (opacity == m_opacity)
        return;
    m_opacity = opacity;
    m_timerText->setOpacity(opacity);
    update();
}

void BreakCountdownView::applyStyle()
{
    BreakTextStyle digits;
    digits.font = BreakOverlayFont::font(52, QFont::ExtraLight, 1.6);
    digits.colour = fillColour();
    digits.shadowOpacity = m_palette.shadowOpacity(0.06, 0.16);
    digits.shadowRadius = 18;
    digits.shadowOffsetY = 8;
    m_timerText->setTextStyle(digits);
    m_timerText->setText(formatted(m_seconds));
    m_timerText->setVisible(m_style == BreakCountdown::timer);
    setContentGeometry(QRect(m_contentRect.topLeft(), contentSize()));
    update();
}

QSize BreakCountdownView::contentSize() const
{
    switch (m_style) {
    case BreakCountdown::timer:
        return m_timerText->textSize();
    case BreakCountdown::ring:
        return QSize(int(ringSide), int(ringSide));
    case BreakCountdown::bar:
        return QSize(int(barWidth), int(textHeight(barFont()) + barTextSpacing + barHeight));
    case BreakCountdown::hidden:
        break;
    }
    return QSize();
}

QMargins BreakCountdownView::contentMargins() const
{
    if (m_style == BreakCountdown::timer) {
        const QRect text = m_timerText->textGeometry();
        const QRect whole = m_timerText->geometry();
        return QMargins(text.left() - whole.left(), text.top() - whole.top(),
                        whole.right() - text.right(), whole.bottom() - text.bottom());
    }
    return QMargins(edgeRoom, edgeRoom, edgeRoom, edgeRoom);
}

void BreakCountdownView::setContentGeometry(const QRect &contentRect)
{
    m_contentRect = contentRect;
    const QMargins margins = contentMargins();
    setGeometry(contentRect.marginsAdded(margins));
    m_timerText->setTextGeometry(QRect(QPoint(margins.left(), margins.top()), contentRect.size()));
}

QColor BreakCountdownView::fillColour() const
{
    return m_palette.secondaryText(0.82, 0.76);
}

QFont BreakCountdownView::digitsFont() const
{
    switch (m_style) {
    case BreakCountdown::ring:
        return ringFont();
    case BreakCountdown::bar:
        return barFont();
    case BreakCountdown::timer:
    case BreakCountdown::hidden:
        break;
    }
    return m_timerText->textStyle().font;
}

void BreakCountdownView::paintEvent(QPaintEvent *)
{
    if (m_style != BreakCountdown::ring && m_style != BreakCountdown::bar)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setOpacity(m_opacity);
    const QMargins margins = contentMargins();
    const QRectF content(QPointF(margins.left(), margins.top()), QSizeF(m_contentRect.size()));
    if (m_style == BreakCountdown::ring)
        paintRing(painter, content);
    else
        paintBar(painter, content);
}

void BreakCountdownView::paintRing(QPainter &painter, const QRectF &content) const
{
    // Stroked inside the frame's edge, so the ring's outer edge is the 80-pixel circle.
    const qreal inset = ringLineWidth / 2;
    const QRectF circle = content.adjusted(inset, inset, -inset, -inset);
    painter.setPen(QPen(m_palette.track(), ringLineWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(circle);
    if (m_fraction > 0) {
        QPen arc(fillColour(), ringLineWidth);
        arc.setCapStyle(Qt::RoundCap);
        painter.setPen(arc);
        // From twelve o'clock, clockwise: Qt's angles run anticlockwise in sixteenths.
        painter.drawArc(circle, 90 * 16, -int(std::lround(m_fraction * 360 * 16)));
    }
    painter.setFont(ringFont());
    painter.setPen(fillColour());
    painter.drawText(content, Qt::AlignCenter, formatted(m_seconds));
}

void BreakCountdownView::paintBar(QPainter &painter, const QRectF &content) const
{
    const QFont font = barFont();
    const QRectF textBox(content.left(), content.top(), content.width(), textHeight(font));
    painter.setFont(font);
    painter.setPen(fillColour());
    painter.drawText(textBox, Qt::AlignCenter, formatted(m_seconds));
    const QRectF track(content.left(), content.bottom() - barHeight, barWidth, barHeight);
    painter.setPen(Qt::NoPen);
    painter.setBrush(m_palette.track());
    painter.drawRoundedRect(track, barCornerRadius, barCornerRadius);
    if (m_fraction > 0) {
        painter.setBrush(fillColour());
        QRectF filled = track;
        filled.setWidth(barWidth * m_fraction);
        painter.drawRoundedRect(filled, barCornerRadius, barCornerRadius);
    }
}
