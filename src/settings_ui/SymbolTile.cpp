#include "settings_ui/SymbolTile.h"

#include "settings_ui/SettingsPalette.h"
#include "settings_ui/SymbolGlyphs.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr qreal tintedCornerRadius = 6;
// Our symbols fill their whole square, the desktop's symbol fonts leave room around theirs:
// drawn a fifth larger they look the size the layout means (as the sidebar's do).
constexpr qreal tintedSymbolScale = 1.2;

} // namespace

SymbolTile::SymbolTile(const QString &symbol, qreal pointSize, QFont::Weight weight, QSize frame,
                       NamedColor colour, QWidget *parent)
    : QWidget(parent)
    , m_symbol(symbol)
    , m_pointSize(pointSize)
    , m_weight(weight)
    , m_colour(colour)
{
    setFixedSize(frame);
}

SymbolTile::SymbolTile(const QString &symbol, qreal pointSize, QFont::Weight weight, QSize frame,
                       const QColor &tileColour, qreal cornerRadius, QWidget *parent)
    : QWidget(parent)
    , m_symbol(symbol)
    , m_pointSize(pointSize)
    , m_weight(weight)
    , m_tileColour(tileColour)
    , m_cornerRadius(cornerRadius)
{
    setFixedSize(frame);
}

SymbolTile *SymbolTile::tinted(const QString &symbol, NamedColor tint, int side, qreal symbolSize)
{
    auto *tile = new SymbolTile(symbol, symbolSize * tintedSymbolScale, QFont::Medium, QSize(side, side), tint);
    tile->m_tileTint = tint;
    tile->m_cornerRadius = tintedCornerRadius;
    return tile;
}

void SymbolTile::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF frame(rect());
    if (m_tileColour || m_tileTint) {
        QPainterPath tile;
        tile.addRoundedRect(frame, m_cornerRadius, m_cornerRadius);
        const QColor ground = m_tileTint ? NamedColors::color(*m_tileTint, this) : *m_tileColour;
        painter.fillPath(tile, NamedColors::gradient(ground, frame));
        SymbolGlyphs::paint(painter, m_symbol, frame.center(), m_pointSize, m_weight, Qt::white);
        return;
    }
    SymbolGlyphs::paint(painter, m_symbol, frame.center(), m_pointSize, m_weight,
                        NamedColors::color(m_colour, SettingsPalette::schemeOf(this)));
}
