#include "settings_ui/BreaksIconTile.h"

#include "settings_ui/SettingsPalette.h"
#include "settings_ui/SymbolGlyphs.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// Our symbols fill their whole square, the desktop's symbol fonts leave room around theirs:
// drawn a fifth larger they look the size the layout means (as the sidebar's do).
constexpr qreal symbolScale = 1.2;

} // namespace

BreaksIconTile::BreaksIconTile(const QString &symbol, NamedColor colour, int side, qreal symbolSize,
                               QWidget *parent)
    : QWidget(parent)
    , m_symbol(symbol)
    , m_colour(colour)
    , m_symbolSize(symbolSize)
{
    setFixedSize(side, side);
}

void BreaksIconTile::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF tile(rect());
    QPainterPath shape;
    shape.addRoundedRect(tile, cornerRadius, cornerRadius);
    painter.fillPath(shape, NamedColors::gradient(NamedColors::color(m_colour, this), tile));
    SymbolGlyphs::paint(painter, m_symbol, tile.center(), m_symbolSize * symbolScale, QFont::Medium,
                        Qt::white);
}
