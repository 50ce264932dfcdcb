#include "onboarding/OnboardingWelcomeArt.h"

#include "core/AppIcon.h"
#include "onboarding/OnboardingPalette.h"
#include "settings_ui/components/SettingsPalette.h"
#include "settings_ui/components/SymbolGlyphs.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

constexpr int artWidth = 320;
constexpr qreal iconCornerRadius = 20;

// A cloud: three overlapping circles (8 pixels of overlap), their diameters, and how opaque
// each is drawn in the light and the dark scheme.
struct Puff
{
    qreal diameter;
    qreal lightOpacity;
    qreal darkOpacity;
};
constexpr Puff puffs[] = {{30, 0.8, 0.06}, {44, 0.9, 0.08}, {34, 0.8, 0.06}};
constexpr qreal puffOverlap = 8;
constexpr qreal cloudWidth = 30 + 44 + 34 - 2 * puffOverlap;
constexpr qreal cloudSpacing = 60;

struct Leaf
{
    qreal size;
    qreal rotation; // degrees, clockwise
    QPointF offset;
};
constexpr Leaf leaves[] = {
    {8, 30, {-80, -20}}, {10, -20, {60, -30}}, {7, 45, {-40, 10}}, {9, -35, {90, -10}}, {6, 60, {-100, 20}},
};

} // namespace

OnboardingWelcomeArt::OnboardingWelcomeArt(QWidget *parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void OnboardingWelcomeArt::setIconScale(qreal scale)
{
    m_iconScale = scale;
    update();
}

QSize OnboardingWelcomeArt::sizeHint() const
{
    return QSize(artWidth, groupHeight + 2 * shadowRoom);
}

void OnboardingWelcomeArt::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool dark = SettingsPalette::isDark(this);
    const QPointF centre = QRectF(rect()).center();
    // The clouds' row is centred, then lowered by 20; each cloud then moves by its own offset.
    const qreal cloudX = (cloudSpacing + cloudWidth) / 2;
    paintCloud(painter, centre + QPointF(-cloudX - 20, 20 + 10), 1.0, dark);
    paintCloud(painter, centre + QPointF(cloudX + 30, 20 - 10), 0.7, dark);
    paintLeaves(painter, centre);
    paintIcon(painter, centre);
}

void OnboardingWelcomeArt::paintCloud(QPainter &painter, QPointF centre, qreal scale, bool dark)
{
    painter.save();
    painter.translate(centre);
    painter.scale(scale, scale);
    QRectF circles[3];
    qreal left = -cloudWidth / 2;
    for (int index = 0; index < 3; ++index) {
        const qreal diameter = puffs[index].diameter;
        circles[index] = QRectF(left, -diameter / 2, diameter, diameter);
        left += diameter - puffOverlap;
        if (!dark) {
            m_cloudShadows[index].paint(painter, circles[index], diameter / 2, 4, QColor(0, 0, 0, 8),
                                        QPointF(0, 2));
        }
    }
    // The puffs are merged into one cloud, each keeping its own opacity where it shows most,
    // so their overlaps do not show as brighter lenses.
    const qreal ratio = painter.device()->devicePixelRatioF();
    const QRectF bounds(-cloudWidth / 2, -puffs[1].diameter / 2, cloudWidth, puffs[1].diameter);
    QImage layer((bounds.size() * ratio).toSize() + QSize(2, 2), QImage::Format_ARGB32_Premultiplied);
    layer.setDevicePixelRatio(ratio);
    layer.fill(Qt::transparent);
    QPainter puffPainter(&layer);
    puffPainter.setRenderHint(QPainter::Antialiasing);
    puffPainter.translate(-bounds.topLeft());
    puffPainter.setPen(Qt::NoPen);
    puffPainter.setCompositionMode(QPainter::CompositionMode_Lighten);
    for (int index = 0; index < 3; ++index) {
        const Puff &puff = puffs[index];
        puffPainter.setBrush(QColor::fromRgbF(1, 1, 1, float(dark ? puff.darkOpacity : puff.lightOpacity)));
        puffPainter.drawEllipse(circles[index]);
    }
    puffPainter.end();
    painter.drawImage(bounds.topLeft(), layer);
    painter.restore();
}

void OnboardingWelcomeArt::paintLeaves(QPainter &painter, QPointF centre)
{
    for (const Leaf &leaf : leaves) {
        SymbolGlyphs::paint(painter, QStringLiteral("leaf.fill"), centre + leaf.offset, leaf.size,
                            QFont::Normal, OnboardingPalette::green(0.6), leaf.rotation);
    }
}

void OnboardingWelcomeArt::paintIcon(QPainter &painter, QPointF centre)
{
    const qreal ratio = painter.device()->devicePixelRatioF();
    if (m_icon.isNull() || m_icon.devicePixelRatio() != ratio)
        m_icon = AppIcon::image(int(iconSide), ratio);
    painter.save();
    painter.translate(centre);
    painter.scale(m_iconScale, m_iconScale);
    const QRectF frame(-iconSide / 2, -iconSide / 2, iconSide, iconSide);
    m_iconShadow.paint(painter, frame, iconCornerRadius, 16, QColor::fromRgbF(0, 0, 0, 0.12f), QPointF(0, 8));
    QPainterPath clip;
    clip.addRoundedRect(frame, iconCornerRadius, iconCornerRadius);
    painter.setClipPath(clip);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(frame, m_icon);
    painter.restore();
}
