#include "settings_ui/customizer/CountdownTile.h"

#include "settings_ui/components/NamedColors.h"
#include "settings_ui/components/SettingsFont.h"
#include "settings_ui/components/SettingsPalette.h"
#include "settings_ui/components/SymbolGlyphs.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

constexpr qreal outlineWidth = 1.5;
constexpr qreal ringGap = 1.5;

} // namespace

CountdownTile::CountdownTile(BreakCountdown style, QWidget *parent)
    : TileButton(Role::radioButton, parent)
    , m_style(style)
{
    setText(rawValue(style));
    setAccessibleName(text());
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QString CountdownTile::symbolName(BreakCountdown style)
{
    switch (style) {
    case BreakCountdown::timer: return QStringLiteral("list.bullet");
    case BreakCountdown::ring: return QStringLiteral("circle.dotted");
    case BreakCountdown::bar: return QStringLiteral("equal");
    case BreakCountdown::hidden: return QStringLiteral("eye.slash");
    }
    return {};
}

QSize CountdownTile::sizeHint() const
{
    const QFontMetricsF metrics(SettingsFont::font(captionSize, QFont::DemiBold));
    return {iconSide + 8, iconSide + captionGap + int(std::ceil(metrics.height()))};
}

void CountdownTile::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const ColorScheme scheme = SettingsPalette::schemeOf(this);
    const qreal selection = selectionProgress();
    const QColor blue = NamedColors::color(NamedColor::blue, scheme);
    const QColor secondary = NamedColors::color(NamedColor::secondaryLabel, scheme);
    const QRectF square((width() - iconSide) / 2.0, 0, iconSide, iconSide);
    QPainterPath shape;
    shape.addRoundedRect(square, cornerRadius, cornerRadius);
    painter.fillPath(shape, NamedColors::blend(NamedColors::withOpacity(NamedColors::color(NamedColor::label, scheme), 0.04),
                                               NamedColors::withOpacity(blue, 0.15), selection));
    if (selection > 0) {
        const qreal inset = outlineWidth / 2;
        QPainterPath outline;
        outline.addRoundedRect(square.adjusted(inset, inset, -inset, -inset), cornerRadius - inset,
                               cornerRadius - inset);
        painter.strokePath(outline, QPen(NamedColors::withOpacity(blue, selection), outlineWidth));
    }
    SymbolGlyphs::paint(painter, symbolName(m_style), square.center(), symbolSize, QFont::Normal,
                        NamedColors::blend(secondary, blue, selection));

    painter.setFont(SettingsFont::font(captionSize, selection > 0.5 ? QFont::DemiBold : QFont::Medium));
    painter.setPen(NamedColors::blend(secondary, NamedColors::color(NamedColor::label, scheme), selection));
    const QRectF caption(0, iconSide + captionGap, width(), height() - iconSide - captionGap);
    painter.drawText(caption, Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, text());
    // Inside where the selection's outline runs: along the edge the ring would hide under it,
    // and on another tile look just like it.
    const qreal ringInset = outlineWidth + ringGap;
    QPainterPath ringShape;
    ringShape.addRoundedRect(square.adjusted(ringInset, ringInset, -ringInset, -ringInset),
                             cornerRadius - ringInset, cornerRadius - ringInset);
    paintFocusRing(painter, ringShape);
}
