#include "settings_ui/SymbolView.h"

#include "settings_ui/SettingsPalette.h"
#include "settings_ui/SymbolGlyphs.h"

#include <QPainter>

#include <cmath>

SymbolView::SymbolView(const QString &symbolName, qreal pointSize, QFont::Weight weight,
                       const QColor &light, const QColor &dark, QWidget *parent)
    : QWidget(parent)
    , m_symbolName(symbolName)
    , m_pointSize(pointSize)
    , m_weight(weight)
    , m_light(light)
    , m_dark(dark)
{
    const int side = int(std::ceil(pointSize));
    setFixedSize(side, side);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void SymbolView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    SymbolGlyphs::paint(painter, m_symbolName, QRectF(rect()).center(), m_pointSize, m_weight,
                        SettingsPalette::isDark(this) ? m_dark : m_light);
}
