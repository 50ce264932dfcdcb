#include "settings_ui/panes/statistics/HoverSymbolButton.h"

#include "settings_ui/components/SettingsPalette.h"
#include "settings_ui/components/SymbolGlyphs.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr qreal symbolSize = 14;
constexpr qreal groundRadius = 6;

} // namespace

HoverSymbolButton::HoverSymbolButton(const QString &symbolName, NamedColor tint, const QString &hoverText,
                           QWidget *parent)
    : TileButton(Role::button, parent)
    , m_symbolName(symbolName)
    , m_tint(tint)
{
    setToolTip(hoverText);
    setAccessibleName(hoverText);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void HoverSymbolButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const ColorScheme scheme = SettingsPalette::schemeOf(this);
    QPainterPath ground;
    ground.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), groundRadius,
                          groundRadius);
    const QColor primary = NamedColors::color(NamedColor::label, scheme);
    if (isEnabled()) {
        const qreal press = isDown() ? 0.12 : 0.07 * hoverProgress();
        painter.fillPath(ground, NamedColors::withOpacity(primary, press));
    }
    const QColor colour = isEnabled() ? NamedColors::textColor(m_tint, scheme)
                                      : NamedColors::color(NamedColor::tertiaryLabel, scheme);
    SymbolGlyphs::paint(painter, m_symbolName, QRectF(rect()).center(), symbolSize, QFont::Normal,
                        colour);
    paintFocusRing(painter, ground);
}
