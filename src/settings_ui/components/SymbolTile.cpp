#include "settings_ui/components/SymbolTile.h"

#include "settings_ui/components/SettingsPalette.h"
#include "settings_ui/components/SymbolGlyphs.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

constexpr qreal tintedCornerRadius = 6;
// Our symbols fill their whole square, the desktop's symbol fonts leave room around theirs:
// drawn a fifth larger they look the size the layout means (as the sidebar's do).
constexpr qreal tintedSymbolScale = 1.2;
// A little larger than the point size, as a symbol font draws it.
constexpr qreal markSymbolScale = 1.1;
constexpr qreal markHeightScale = 1.25;

} // namespace

SymbolTile::SymbolTile(const QString &symbol, qreal pointSize, QFont::Weight weight, QSize frame,
                       NamedColor colour, QWidget *parent)
    : SymbolTile(symbol, pointSize, weight, frame, NamedColors::color(colour, ColorScheme::light),
                 NamedColors::color(colour, ColorScheme::dark), parent)
{
}

SymbolTile::SymbolTile(const QString &symbol, qreal pointSize, QFont::Weight weight, QSize frame,
                       const QColor &light, const QColor &dark, QWidget *parent)
    : QWidget(parent)
    , m_symbol(symbol)
    , m_pointSize(pointSize)
    , m_weight(weight)
    , m_colour{light, dark}
{
    setFixedSize(frame);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

SymbolTile::SymbolTile(const QString &symbol, qreal pointSize, QFont::Weight weight, QSize frame,
                       const QColor &tileColour, qreal cornerRadius, QWidget *parent)
    : SymbolTile(symbol, pointSize, weight, frame, QColor(Qt::white), QColor(Qt::white), parent)
{
    m_ground = Pair{tileColour, tileColour};
    m_cornerRadius = cornerRadius;
}

SymbolTile *SymbolTile::tinted(const QString &symbol, NamedColor tint, int side, qreal symbolSize)
{
    auto *tile = new SymbolTile(symbol, symbolSize * tintedSymbolScale, QFont::Medium, QSize(side, side),
                                QColor(Qt::white), tintedCornerRadius);
    tile->m_ground = Pair{NamedColors::color(tint, ColorScheme::light), NamedColors::color(tint, ColorScheme::dark)};
    return tile;
}

SymbolTile *SymbolTile::mark(const QString &symbol, qreal pointSize, NamedColor colour, int width,
                             QFont::Weight weight)
{
    return new SymbolTile(symbol, pointSize * markSymbolScale, weight,
                          QSize(width, int(std::ceil(pointSize * markHeightScale))),
                          NamedColors::textColor(colour, ColorScheme::light),
                          NamedColors::textColor(colour, ColorScheme::dark));
}

void SymbolTile::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool dark = SettingsPalette::isDark(this);
    const QRectF frame(rect());
    if (m_ground) {
        QPainterPath tile;
        tile.addRoundedRect(frame, m_cornerRadius, m_cornerRadius);
        painter.fillPath(tile, NamedColors::gradient(dark ? m_ground->dark : m_ground->light, frame));
    }
    SymbolGlyphs::paint(painter, m_symbol, frame.center(), m_pointSize, m_weight,
                        dark ? m_colour.dark : m_colour.light);
}
