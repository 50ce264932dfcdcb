#include "settings_ui/components/BackButton.h"

#include "settings_ui/components/NamedColors.h"
#include "settings_ui/components/SettingsPalette.h"
#include "settings_ui/components/SymbolGlyphs.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr qreal symbolSize = 12;
const QString caption = QStringLiteral("Back");

} // namespace

BackButton::BackButton(QWidget *parent)
    : TileButton(Role::button, parent)
{
    setHoverSeconds(0.15);
    setText(caption);
    setAccessibleName(caption);
    setToolTip(caption);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

bool BackButton::hitButton(const QPoint &position) const
{
    const QPointF offset = QPointF(position) - QRectF(rect()).center();
    return offset.x() * offset.x() + offset.y() * offset.y() <= side * side / 4.0;
}

void BackButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const ColorScheme scheme = SettingsPalette::schemeOf(this);
    const QColor primary = NamedColors::color(NamedColor::label, scheme);
    const qreal hover = hoverProgress();
    const QRectF disc = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath circle;
    circle.addEllipse(disc);
    painter.fillPath(circle, NamedColors::withOpacity(primary, 0.05 + 0.05 * hover));
    painter.strokePath(circle, QPen(NamedColors::withOpacity(primary, 0.08), 1));
    const QColor chevron = NamedColors::blend(NamedColors::color(NamedColor::secondaryLabel, scheme), primary, hover);
    SymbolGlyphs::paint(painter, QStringLiteral("chevron.left"), disc.center(), symbolSize,
                        QFont::Bold, chevron);
    paintFocusRing(painter, circle);
}
