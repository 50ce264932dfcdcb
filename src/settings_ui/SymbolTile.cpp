#include "settings_ui/SymbolTile.h"

#include "settings_ui/SettingsPalette.h"
#include "settings_ui/SymbolGlyphs.h"

#include <QPainter>
#include <QPainterPath>

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

void SymbolTile::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF frame(rect());
    if (m_tileColour) {
        QPainterPath tile;
        tile.addRoundedRect(frame, m_cornerRadius, m_cornerRadius);
        painter.fillPath(tile, NamedColors::gradient(*m_tileColour, frame));
        SymbolGlyphs::paint(painter, m_symbol, frame.center(), m_pointSize, m_weight, Qt::white);
        return;
    }
    SymbolGlyphs::paint(painter, m_symbol, frame.center(), m_pointSize, m_weight,
                        NamedColors::color(m_colour, SettingsPalette::schemeOf(this)));
}
