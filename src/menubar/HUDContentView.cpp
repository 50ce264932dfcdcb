#include "menubar/HUDContentView.h"

#include "menubar/HUDBadge.h"
#include "menubar/HUDCountdownRing.h"
#include "menubar/HUDGlyphs.h"
#include "menubar/HUDShadow.h"
#include "menubar/HUDTextLabel.h"

#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

QLinearGradient verticalGradient(const QRectF &frame, const QColor &top, const QColor &bottom)
{
    QLinearGradient gradient(frame.topLeft(), frame.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    return gradient;
}

QPainterPath roundedRect(const QRectF &frame, double radius)
{
    QPainterPath path;
    path.addRoundedRect(frame, radius, radius);
    return path;
}

} // namespace

HUDContentView::HUDContentView(const HUDContent &content, QWidget *parent)
    : QWidget(parent)
    , m_style(content.style)
    , m_metrics(HUDLayoutMetrics::forSize(content.size))
    , m_palette(HUDPalette::forDarkness(content.isDark))
{
    setFixedSize(m_metrics.windowSize().toSize());
    const bool withRing = showsRing(content);
    buildText(content, withRing);
    if (withRing)
        buildRing(content);
}

bool HUDContentView::showsRing(const HUDContent &content)
{
    return content.style == HUDStyle::breakReminder && content.showCountdown
           && content.secondsLeft >= 1;
}

QRegion HUDContentView::bodyRegion() const
{
    const QRectF body = m_metrics.bodyInWindow();
    return QRegion(roundedRect(body, m_metrics.cornerRadius).toFillPolygon().toPolygon());
}

void HUDContentView::setShadowVisible(bool visible)
{
    if (m_shadowVisible == visible)
        return;
    m_shadowVisible = visible;
    m_background = QPixmap();
    update();
}

void HUDContentView::buildText(const HUDContent &content, bool withRing)
{
    if (content.size == HUDSize::compact) {
        m_compact = addLabel(content.subtitle, m_metrics.compactFontSize, QFont::DemiBold,
                             m_palette.primaryText, m_metrics.compactLineFrame(withRing));
        return;
    }
    m_title = addLabel(content.title, m_metrics.titleFontSize, QFont::DemiBold,
                       m_palette.primaryText, m_metrics.titleFrame(withRing));
    m_subtitle = addLabel(content.subtitle, m_metrics.subtitleFontSize, QFont::Normal,
                          m_palette.secondaryText, m_metrics.subtitleFrame(withRing));
}

QLabel *HUDContentView::addLabel(const QString &text, double pixelSize, QFont::Weight weight,
                                 const QColor &colour, const QRectF &bodyFrame)
{
    auto *label = new HUDTextLabel(this);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QFont font = label->font();
    font.setPixelSize(int(std::lround(pixelSize)));
    font.setWeight(weight);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->setGeometry(bodyFrame.translated(m_metrics.bodyInWindow().topLeft()).toAlignedRect());
    label->setText(text);
    return label;
}

void HUDContentView::buildRing(const HUDContent &content)
{
    // The first fill is measured against the heads-up lead, so a countdown that starts at
    // the lead starts full; the countdown itself measures against its own total later.
    const double fraction = double(content.secondsLeft) / double(std::max<qint64>(content.headsUpSeconds, 1));
    m_ring = new HUDCountdownRing(m_metrics, m_palette.primaryText, content.secondsLeft, fraction,
                                  this);
    m_ring->move(m_ring->pos() + m_metrics.bodyInWindow().topLeft().toPoint());
}

void HUDContentView::paintEvent(QPaintEvent *)
{
    if (m_background.isNull() || m_background.devicePixelRatio() != devicePixelRatioF())
        m_background = renderBackground();
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_background);
}

QPixmap HUDContentView::renderBackground() const
{
    const qreal ratio = devicePixelRatioF();
    QPixmap pixmap(size() * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (m_shadowVisible) {
        // The shape is a little smaller than the body, so the shadow shows around its lower
        // half and barely at the top.
        const QRectF shape = m_metrics.bodyInWindow().adjusted(2, 2, -2, -2);
        painter.drawImage(QPointF(0, 0),
                          HUDShadow::render(pixmap.size(), ratio, shape, m_metrics.cornerRadius,
                                            HUDPalette::kShadowOffsetY,
                                            m_palette.shadowBlurRadius, m_palette.shadowOpacity));
    }
    paintBody(painter);
    paintBadge(painter);
    return pixmap;
}

void HUDContentView::paintBody(QPainter &painter) const
{
    const QRectF body = m_metrics.bodyInWindow();
    const QPainterPath outline = roundedRect(body, m_metrics.cornerRadius);
    painter.fillPath(outline, verticalGradient(body, m_palette.bodyTop, m_palette.bodyBottom));
    // The border lies inside the body's edge, as a layer's border does.
    painter.setPen(QPen(m_palette.border, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(roundedRect(body.adjusted(0.5, 0.5, -0.5, -0.5), m_metrics.cornerRadius - 0.5));
}

void HUDContentView::paintBadge(QPainter &painter) const
{
    const QPointF bodyOrigin = m_metrics.bodyInWindow().topLeft();
    const QRectF frame = m_metrics.badgeFrame().translated(bodyOrigin);
    const HUDBadge badge = HUDBadge::forStyle(m_style);
    if (badge.showsApplicationIcon) {
        paintApplicationIcon(painter, frame);
        return;
    }
    painter.fillPath(roundedRect(frame, m_metrics.badgeCornerRadius),
                     verticalGradient(frame, badge.topColor, badge.bottomColor));
    const QRectF symbolBox = m_metrics.symbolFrame().translated(bodyOrigin);
    // A symbol set at a point size is about that tall, centred in its box.
    const QPainterPath symbol = HUDGlyphs::path(badge.symbolName, m_metrics.symbolPointSize);
    painter.fillPath(symbol.translated(symbolBox.center()), Qt::white);
}

void HUDContentView::paintApplicationIcon(QPainter &painter, const QRectF &frame) const
{
    painter.save();
    painter.setClipPath(roundedRect(frame, m_metrics.badgeCornerRadius));
    const QIcon icon = QGuiApplication::windowIcon();
    if (!icon.isNull()) {
        icon.paint(&painter, frame.toAlignedRect(), Qt::AlignCenter);
    } else {
        const HUDBadge standIn = HUDBadge::applicationIconStandIn();
        painter.fillRect(frame, verticalGradient(frame, standIn.topColor, standIn.bottomColor));
        const QPainterPath leaf =
            HUDGlyphs::path(standIn.symbolName, frame.width() * HUDBadge::standInSymbolShare);
        painter.fillPath(leaf.translated(frame.center()), Qt::white);
    }
    painter.restore();
}
