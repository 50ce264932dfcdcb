#include "settings_ui/panes/notifications/NotificationPreviewBox.h"

#include "menubar/HUDBadge.h"
#include "settings_ui/components/CurveAnimation.h"
#include "settings_ui/components/Motion.h"
#include "settings_ui/components/NamedColors.h"
#include "settings_ui/components/SettingsFont.h"
#include "settings_ui/components/SettingsPalette.h"
#include "settings_ui/components/SymbolGlyphs.h"
#include "settings_ui/panes/notifications/NotificationPreview.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QIcon>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

// Room kept between a narrow desktop's edges and the notice.
constexpr qreal desktopMargin = 12;
constexpr qreal shadowBlur = 12;
constexpr QPointF shadowOffset(0, 4);
constexpr double typeSeconds = 0.2;
constexpr double sizeSeconds = 0.25;
constexpr double countdownSeconds = 0.2;
constexpr double leadTimeSeconds = 0.2;
// The subtitle's black on the pale notice of the light scheme: at half strength it would
// stand out at only 3.9:1 where the notice is greyest.
constexpr qreal lightSubtitleAlpha = 0.58;
constexpr qreal darkSubtitleAlpha = 0.6;

QColor rgb(float red, float green, float blue, float alpha = 1)
{
    return QColor::fromRgbF(red, green, blue, alpha);
}

qreal mix(qreal from, qreal to, qreal share)
{
    return from + (to - from) * share;
}

QPainterPath rounded(const QRectF &rect, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

QLinearGradient vertical(const QRectF &rect, const QColor &top, const QColor &bottom)
{
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    return gradient;
}

QColor textColour(ColorScheme scheme, qreal lightAlpha, qreal darkAlpha)
{
    return scheme == ColorScheme::dark ? rgb(1, 1, 1, float(darkAlpha)) : rgb(0, 0, 0, float(lightAlpha));
}

} // namespace

struct NotificationPreviewBox::Frame
{
    Metrics metrics;
    QRectF body;
    qreal ringShare;
    qreal subtitleShare;
};

NotificationPreviewBox::Metrics NotificationPreviewBox::Metrics::forStyle(const QString &hudStyle)
{
    if (hudStyle == QLatin1String("compact"))
        return {8, 10, 8, 280, 22, 28, 6, 12, 1, 11, 11, 26, 2.0, 9, false};
    if (hudStyle == QLatin1String("large"))
        return {12, 16, 12, 400, 14, 44, 8, 18, 2, 14, 12, 40, 2.5, 13, true};
    return {12, 16, 12, 340, 14, 38, 8, 16, 2, 12, 11, 34, 2.5, 11, true};
}

NotificationPreviewBox::Metrics NotificationPreviewBox::Metrics::blend(const Metrics &a, const Metrics &b,
                                                                      qreal share)
{
    const auto m = [share](qreal x, qreal y) { return mix(x, y, share); };
    return {m(a.spacing, b.spacing), m(a.paddingH, b.paddingH), m(a.paddingV, b.paddingV),
            m(a.maxWidth, b.maxWidth), m(a.cornerRadius, b.cornerRadius), m(a.tileSide, b.tileSide),
            m(a.tileRadius, b.tileRadius), m(a.symbolSize, b.symbolSize), m(a.textSpacing, b.textSpacing),
            m(a.titleSize, b.titleSize), m(a.subtitleSize, b.subtitleSize),
            m(a.ringDiameter, b.ringDiameter), m(a.ringLineWidth, b.ringLineWidth),
            m(a.numberSize, b.numberSize), share < 0.5 ? a.showsSubtitle : b.showsSubtitle};
}

NotificationPreviewBox::NotificationPreviewBox(const Look &look, QWidget *parent)
    : QWidget(parent)
    , m_from(look)
    , m_to(look)
    , m_change(new CurveAnimation(MotionCurve::easeInOut(sizeSeconds), this))
{
    setObjectName(QStringLiteral("notificationPreviewBox"));
    setFixedHeight(desktopHeight);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_change->setStartValue(0.0);
    m_change->setEndValue(1.0);
    connect(m_change, &QVariantAnimation::valueChanged, this, [this](const QVariant &value) {
        m_progress = value.toDouble();
        update();
    });
    describe();
}

void NotificationPreviewBox::setLook(const Look &look)
{
    if (look == m_to)
        return;
    // A change during a change starts from where the last one was heading.
    m_change->stop();
    m_from = m_to;
    m_to = look;
    double seconds = 0;
    if (m_from.type != m_to.type)
        seconds = std::max(seconds, typeSeconds);
    if (Metrics::forStyle(m_from.hudStyle).maxWidth != Metrics::forStyle(m_to.hudStyle).maxWidth)
        seconds = std::max(seconds, sizeSeconds);
    if (showsRing(m_from) != showsRing(m_to))
        seconds = std::max(seconds, countdownSeconds);
    if (m_from.leadTime != m_to.leadTime)
        seconds = std::max(seconds, leadTimeSeconds);
    describe();
    m_progress = 1;
    if (seconds > 0 && isVisible()) {
        m_progress = 0;
        m_change->setCurve(MotionCurve::easeInOut(seconds));
        Motion::start(m_change);
    }
    update();
}

bool NotificationPreviewBox::isChanging() const
{
    return m_change->state() == QAbstractAnimation::Running;
}

bool NotificationPreviewBox::showsRing(const Look &look)
{
    return look.showCountdown && look.type == QLatin1String("break");
}

QList<QColor> NotificationPreviewBox::desktopColours(ColorScheme scheme)
{
    // Deep under the pale notice of the light scheme, pale under the dark one.
    if (scheme == ColorScheme::dark)
        return {rgb(0.75f, 0.62f, 0.88f), rgb(0.55f, 0.7f, 0.9f), rgb(0.6f, 0.82f, 0.85f)};
    return {rgb(0.12f, 0.1f, 0.22f), rgb(0.1f, 0.16f, 0.3f), rgb(0.08f, 0.14f, 0.26f)};
}

QList<QColor> NotificationPreviewBox::hudColours(ColorScheme scheme)
{
    if (scheme == ColorScheme::dark)
        return {rgb(0.15f, 0.16f, 0.2f), rgb(0.1f, 0.1f, 0.14f)};
    return {rgb(0.98f, 0.98f, 1.0f), rgb(0.93f, 0.93f, 0.96f)};
}

qreal NotificationPreviewBox::bodyHeight(const Look &look, const Metrics &metrics) const
{
    qreal text = QFontMetricsF(SettingsFont::font(metrics.titleSize, QFont::DemiBold)).height();
    if (metrics.showsSubtitle)
        text += metrics.textSpacing + QFontMetricsF(SettingsFont::font(metrics.subtitleSize)).height();
    const qreal ring = showsRing(look) ? metrics.ringDiameter : 0;
    return std::max({metrics.tileSide, text, ring}) + 2 * metrics.paddingV;
}

NotificationPreviewBox::Frame NotificationPreviewBox::frameNow() const
{
    const Metrics from = Metrics::forStyle(m_from.hudStyle);
    const Metrics to = Metrics::forStyle(m_to.hudStyle);
    const Metrics metrics = Metrics::blend(from, to, m_progress);
    const qreal width = std::min(metrics.maxWidth, std::max<qreal>(0, this->width() - 2 * desktopMargin));
    const qreal height = mix(bodyHeight(m_from, from), bodyHeight(m_to, to), m_progress);
    const QRectF body((this->width() - width) / 2, (desktopHeight - height) / 2, width, height);
    return {metrics, body, mix(showsRing(m_from), showsRing(m_to), m_progress),
            mix(from.showsSubtitle, to.showsSubtitle, m_progress)};
}

QRectF NotificationPreviewBox::hudRect() const
{
    return frameNow().body;
}

void NotificationPreviewBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const ColorScheme scheme = SettingsPalette::schemeOf(this);
    paintDesktop(painter, scheme);
    const Frame frame = frameNow();
    paintBody(painter, frame, scheme);
    // A new type fades in over the old one; anything else redraws in place.
    if (m_from.type == m_to.type || m_progress >= 1) {
        paintContent(painter, frame, m_to, 1, scheme);
    } else {
        paintContent(painter, frame, m_from, 1 - m_progress, scheme);
        paintContent(painter, frame, m_to, m_progress, scheme);
    }
    paintRing(painter, frame, scheme);
}

void NotificationPreviewBox::paintDesktop(QPainter &painter, ColorScheme scheme) const
{
    const QRectF desktop(0, 0, width(), desktopHeight);
    const QList<QColor> colours = desktopColours(scheme);
    QLinearGradient gradient(desktop.topLeft(), desktop.bottomRight());
    gradient.setColorAt(0, colours[0]);
    gradient.setColorAt(0.5, colours[1]);
    gradient.setColorAt(1, colours[2]);
    painter.fillPath(rounded(desktop, desktopRadius), gradient);
}

void NotificationPreviewBox::paintBody(QPainter &painter, const Frame &frame, ColorScheme scheme)
{
    const bool dark = scheme == ColorScheme::dark;
    const qreal radius = frame.metrics.cornerRadius;
    m_shadow.paint(painter, frame.body, radius, shadowBlur, rgb(0, 0, 0, dark ? 0.3f : 0.15f), shadowOffset);
    const QList<QColor> colours = hudColours(scheme);
    painter.fillPath(rounded(frame.body, radius), vertical(frame.body, colours[0], colours[1]));
    // The border lies inside the body's edge.
    const QRectF border = frame.body.adjusted(0.5, 0.5, -0.5, -0.5);
    painter.strokePath(rounded(border, radius - 0.5),
                       QPen(dark ? rgb(1, 1, 1, 0.08f) : rgb(0, 0, 0, 0.06f), 1));
}

void NotificationPreviewBox::paintContent(QPainter &painter, const Frame &frame, const Look &look,
                                          qreal opacity, ColorScheme scheme) const
{
    const Metrics &metrics = frame.metrics;
    const QRectF body = frame.body;
    painter.save();
    painter.setOpacity(opacity);
    const QRectF tile(body.left() + metrics.paddingH, body.center().y() - metrics.tileSide / 2,
                      metrics.tileSide, metrics.tileSide);
    paintTile(painter, tile, look, metrics);

    const NotificationPreview::BoxSample sample = NotificationPreview::boxSample(look.type);
    const qreal left = tile.right() + metrics.spacing;
    const qreal ringRoom = frame.ringShare * (metrics.ringDiameter + metrics.spacing);
    const qreal textWidth = std::max<qreal>(0, body.right() - metrics.paddingH - ringRoom - left);
    const QFont titleFont = SettingsFont::font(metrics.titleSize, QFont::DemiBold);
    const QFont subtitleFont = SettingsFont::font(metrics.subtitleSize);
    const qreal titleHeight = QFontMetricsF(titleFont).height();
    const qreal subtitleHeight = QFontMetricsF(subtitleFont).height();
    const qreal block = titleHeight + frame.subtitleShare * (metrics.textSpacing + subtitleHeight);
    const qreal top = body.center().y() - block / 2;
    painter.setFont(titleFont);
    painter.setPen(textColour(scheme, 1, 1));
    painter.drawText(QRectF(left, top, textWidth, titleHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     QFontMetricsF(titleFont).elidedText(sample.title, Qt::ElideRight, textWidth));
    if (frame.subtitleShare > 0) {
        painter.setOpacity(opacity * frame.subtitleShare);
        painter.setFont(subtitleFont);
        painter.setPen(textColour(scheme, lightSubtitleAlpha, darkSubtitleAlpha));
        painter.drawText(QRectF(left, top + titleHeight + metrics.textSpacing, textWidth, subtitleHeight),
                         Qt::AlignLeft | Qt::AlignVCenter,
                         QFontMetricsF(subtitleFont).elidedText(sample.subtitle, Qt::ElideRight, textWidth));
    }
    painter.restore();
}

void NotificationPreviewBox::paintTile(QPainter &painter, const QRectF &tile, const Look &look,
                                       const Metrics &metrics) const
{
    const QPainterPath shape = rounded(tile, metrics.tileRadius);
    const NotificationPreview::BoxSample sample = NotificationPreview::boxSample(look.type);
    if (sample.accent) {
        QColor faded = *sample.accent;
        faded.setAlphaF(0.7f);
        painter.fillPath(shape, vertical(tile, *sample.accent, faded));
        SymbolGlyphs::paint(painter, sample.symbol, tile.center(), metrics.symbolSize, QFont::Medium, Qt::white);
        return;
    }
    // "break" wears the application's icon, as the floating notice does, or the notice's
    // stand-in for it while the desktop has given the application none.
    painter.save();
    painter.setClipPath(shape);
    const QIcon icon = QGuiApplication::windowIcon();
    if (!icon.isNull()) {
        const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
        const QPixmap pixmap = icon.pixmap(tile.size().toSize(), ratio);
        painter.drawPixmap(tile, pixmap, QRectF(pixmap.rect()));
    } else {
        const HUDBadge standIn = HUDBadge::applicationIconStandIn();
        painter.fillRect(tile, vertical(tile, standIn.topColor, standIn.bottomColor));
        SymbolGlyphs::paint(painter, standIn.symbolName, tile.center(),
                            tile.width() * HUDBadge::standInSymbolShare, QFont::Medium, Qt::white);
    }
    painter.restore();
}

void NotificationPreviewBox::paintRing(QPainter &painter, const Frame &frame, ColorScheme scheme) const
{
    if (frame.ringShare <= 0)
        return;
    const Metrics &metrics = frame.metrics;
    const qreal diameter = metrics.ringDiameter;
    const QRectF ring(frame.body.right() - metrics.paddingH - diameter, frame.body.center().y() - diameter / 2,
                      diameter, diameter);
    // Stroked on its edge, as a shape's stroke is.
    const QRectF line = ring.adjusted(metrics.ringLineWidth / 2, metrics.ringLineWidth / 2,
                                      -metrics.ringLineWidth / 2, -metrics.ringLineWidth / 2);
    const QColor green = NamedColors::color(NamedColor::green, scheme);
    painter.save();
    painter.setOpacity(frame.ringShare);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(NamedColors::withOpacity(green, 0.3), metrics.ringLineWidth));
    painter.drawEllipse(line);
    painter.setPen(QPen(green, metrics.ringLineWidth, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(line, 90 * 16, -360 * 16);
    const QFont font = SettingsFont::font(metrics.numberSize, QFont::Bold);
    painter.setPen(textColour(scheme, 1, 1));
    const auto drawNumber = [&](int seconds, qreal opacity) {
        painter.setOpacity(frame.ringShare * opacity);
        SettingsFont::drawTabular(painter, ring, Qt::AlignCenter, font, QString::number(seconds));
    };
    if (m_from.leadTime == m_to.leadTime || m_progress >= 1) {
        drawNumber(m_to.leadTime, 1);
    } else {
        drawNumber(m_from.leadTime, 1 - m_progress);
        drawNumber(m_to.leadTime, m_progress);
    }
    painter.restore();
}

void NotificationPreviewBox::hideEvent(QHideEvent *event)
{
    // Nothing of a hidden window keeps running: a change under way lands at once.
    if (isChanging()) {
        m_change->stop();
        m_progress = 1;
    }
    QWidget::hideEvent(event);
}

void NotificationPreviewBox::describe()
{
    // A picture to a screen reader: the sample it shows.
    const NotificationPreview::BoxSample sample = NotificationPreview::boxSample(m_to.type);
    setAccessibleName(QStringLiteral("Notification preview"));
    QStringList parts = {sample.title};
    if (Metrics::forStyle(m_to.hudStyle).showsSubtitle)
        parts.append(sample.subtitle);
    if (showsRing(m_to))
        parts.append(QString::number(m_to.leadTime) + QStringLiteral(" seconds"));
    setAccessibleDescription(NotificationPreview::sentences(parts));
}
