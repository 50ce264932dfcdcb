#include "settings_ui/customizer/EscapeTile.h"

#include "settings_ui/components/NamedColors.h"
#include "settings_ui/components/SettingsFont.h"
#include "settings_ui/components/SettingsPalette.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

EscapeTile::EscapeTile(EscBehavior behavior, QWidget *parent)
    : TileButton(Role::radioButton, parent)
{
    setText(rawValue(behavior));
    setAccessibleName(text());
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize EscapeTile::sizeHint() const
{
    const QFontMetricsF metrics(SettingsFont::font(textSize, QFont::DemiBold));
    return {int(std::ceil(metrics.horizontalAdvance(text()))) + 16,
            int(std::ceil(metrics.height())) + 2 * verticalPadding};
}

void EscapeTile::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const ColorScheme scheme = SettingsPalette::schemeOf(this);
    const QColor primary = NamedColors::color(NamedColor::label, scheme);
    const qreal selection = selectionProgress();
    QPainterPath shape;
    shape.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), cornerRadius, cornerRadius);
    const QColor fill = NamedColors::blend(NamedColors::withOpacity(primary, 0.04), NamedColors::accentFill(scheme),
                                           selection);
    painter.fillPath(shape, fill);
    painter.strokePath(shape, QPen(NamedColors::withOpacity(primary, 0.06 * (1 - selection)), 1));
    painter.setFont(SettingsFont::font(textSize, selection > 0.5 ? QFont::DemiBold : QFont::Medium));
    painter.setPen(NamedColors::blend(NamedColors::color(NamedColor::secondaryLabel, scheme),
                                      Qt::white, selection));
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, text());
    paintFocusRing(painter, shape, fill);
}
