#include "settings_ui/customizer/BackgroundTile.h"

#include "settings_ui/components/NamedColors.h"
#include "settings_ui/components/SettingsFont.h"
#include "settings_ui/components/SettingsPalette.h"
#include "settings_ui/customizer/PreviewBackgroundColors.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

constexpr qreal outlineWidth = 2;
constexpr qreal ringGap = 1.5;

} // namespace

BackgroundTile::BackgroundTile(BreakBG background, QWidget *parent)
    : TileButton(Role::radioButton, parent)
    , m_background(background)
{
    setText(rawValue(background));
    setAccessibleName(text());
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize BackgroundTile::sizeHint() const
{
    const QFontMetricsF metrics(SettingsFont::font(captionSize, QFont::DemiBold));
    return {48, swatchHeight + captionGap + int(std::ceil(metrics.height()))};
}

void BackgroundTile::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const ColorScheme scheme = SettingsPalette::schemeOf(this);
    const qreal selection = selectionProgress();
    const QRectF swatch(0, 0, width(), swatchHeight);
    QPainterPath shape;
    shape.addRoundedRect(swatch, cornerRadius, cornerRadius);
    painter.fillPath(shape, PreviewBackgroundColors::swatch(m_background, swatch, scheme));
    if (selection > 0) {
        // Along the inside of the edge, so the outline never widens the tile.
        const qreal inset = outlineWidth / 2;
        QPainterPath outline;
        outline.addRoundedRect(swatch.adjusted(inset, inset, -inset, -inset), cornerRadius - inset,
                               cornerRadius - inset);
        const QColor blue = NamedColors::color(NamedColor::blue, scheme);
        painter.strokePath(outline, QPen(NamedColors::withOpacity(blue, selection), outlineWidth));
    }

    const bool selected = selection > 0.5;
    painter.setFont(SettingsFont::font(captionSize, selected ? QFont::DemiBold : QFont::Medium));
    painter.setPen(NamedColors::blend(NamedColors::color(NamedColor::secondaryLabel, scheme),
                                      NamedColors::color(NamedColor::label, scheme), selection));
    const QRectF caption(0, swatchHeight + captionGap, width(), height() - swatchHeight - captionGap);
    painter.drawText(caption, Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, text());
    // Inside where the selection's outline runs: along the edge the ring would hide under it,
    // and on another tile look just like it.
    const qreal ringInset = outlineWidth + ringGap;
    QPainterPath ringShape;
    ringShape.addRoundedRect(swatch.adjusted(ringInset, ringInset, -ringInset, -ringInset),
                             cornerRadius - ringInset, cornerRadius - ringInset);
    paintFocusRing(painter, ringShape);
}
