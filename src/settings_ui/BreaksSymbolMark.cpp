#include "settings_ui/BreaksSymbolMark.h"

#include "settings_ui/SettingsPalette.h"
#include "settings_ui/SymbolGlyphs.h"

#include <QPainter>

#include <cmath>

BreaksSymbolMark::BreaksSymbolMark(const QString &symbol, qreal pointSize, NamedColor colour,
                                   int width, QFont::Weight weight, QWidget *parent)
    : QWidget(parent)
    , m_symbol(symbol)
    , m_pointSize(pointSize)
    , m_colour(colour)
    , m_weight(weight)
{
    setFixedSize(width, int(std::ceil(pointSize * 1.25)));
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void BreaksSymbolMark::setSymbol(const QString &symbol, NamedColor colour)
{
    if (symbol == m_symbol && colour == m_colour)
        return;
    m_symbol = symbol;
    m_colour = colour;
    update();
}

void BreaksSymbolMark::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // A little larger than the point size, as a symbol font draws it.
    SymbolGlyphs::paint(painter, m_symbol, QRectF(rect()).center(), m_pointSize * 1.1, m_weight,
                        NamedColors::textColor(m_colour, SettingsPalette::schemeOf(this)));
}
