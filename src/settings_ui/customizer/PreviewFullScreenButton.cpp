#include "settings_ui/customizer/PreviewFullScreenButton.h"

#include "settings_ui/components/Materials.h"
#include "settings_ui/components/NamedColors.h"
#include "settings_ui/components/SettingsPalette.h"
#include "settings_ui/components/SymbolGlyphs.h"

#include <QPainter>
#include <QPainterPath>

PreviewFullScreenButton::PreviewFullScreenButton(QWidget *parent)
    : TileButton(Role::button, parent)
{
    setObjectName(QStringLiteral("customizer.previewFullScreen"));
    setText(QStringLiteral("Preview full screen"));
    setToolTip(QStringLiteral("Preview full screen"));
    setAccessibleName(QStringLiteral("Preview break full screen"));
    setCursor(Qt::PointingHandCursor);
    setFixedSize(side, side);
}

bool PreviewFullScreenButton::hitButton(const QPoint &position) const
{
    const QPointF offset = QPointF(position) - QRectF(rect()).center();
    return offset.x() * offset.x() + offset.y() * offset.y() <= side * side / 4.0;
}

void PreviewFullScreenButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const ColorScheme scheme = SettingsPalette::schemeOf(this);
    const QColor primary = NamedColors::color(NamedColor::label, scheme);
    QPainterPath circle;
    circle.addEllipse(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    painter.fillPath(circle, NamedColors::withOpacity(Materials::fill(Material::regular, scheme),
                                                      0.88 + 0.12 * hoverProgress()));
    painter.strokePath(circle, QPen(NamedColors::withOpacity(primary, 0.12), 1));
    SymbolGlyphs::paint(painter, QStringLiteral("arrow.up.left.and.arrow.down.right"),
                        QRectF(rect()).center(), symbolSize, QFont::DemiBold, primary);
    paintFocusRing(painter, circle);
}
