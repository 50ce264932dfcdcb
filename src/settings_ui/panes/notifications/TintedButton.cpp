#include "settings_ui/panes/notifications/TintedButton.h"

#include "settings_ui/components/SettingsFont.h"
#include "settings_ui/components/SettingsPalette.h"
#include "settings_ui/components/SymbolGlyphs.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

constexpr qreal horizontalPadding = 16;
constexpr qreal verticalPadding = 8;
constexpr qreal spacing = 6;
constexpr qreal titleSize = 12;
// 9 points in the layout, drawn a little larger as the cards' other symbols are.
constexpr qreal symbolSize = 10;
constexpr qreal restingWash = 0.08;
constexpr qreal hoveredWash = 0.13;
constexpr qreal pressedWash = 0.18;
constexpr qreal borderOpacity = 0.2;

QFont titleFont()
{
    return SettingsFont::font(titleSize, QFont::Medium);
}

} // namespace

TintedButton::TintedButton(const QString &symbol, const QString &title, NamedColor tint, QWidget *parent)
    : TileButton(Role::button, parent)
    , m_symbol(symbol)
    , m_tint(tint)
{
    setText(title);
    setAccessibleName(title);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize TintedButton::sizeHint() const
{
    const QFontMetricsF metrics(titleFont());
    const qreal width = 2 * horizontalPadding + symbolSize + spacing + metrics.horizontalAdvance(text());
    return QSize(int(std::ceil(width)), int(std::ceil(2 * verticalPadding + metrics.height())));
}

void TintedButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const ColorScheme scheme = SettingsPalette::schemeOf(this);
    const QColor tint = NamedColors::color(m_tint, scheme);
    const QRectF shape = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath outline;
    outline.addRoundedRect(shape, cornerRadius, cornerRadius);
    const qreal wash = isDown() ? pressedWash : restingWash + (hoveredWash - restingWash) * hoverProgress();
    painter.fillPath(outline, NamedColors::withOpacity(tint, wash));
    painter.strokePath(outline, QPen(NamedColors::withOpacity(tint, borderOpacity), 1));

    const QFontMetricsF metrics(titleFont());
    const qreal contentWidth = symbolSize + spacing + metrics.horizontalAdvance(text());
    const qreal left = (width() - contentWidth) / 2;
    // As strong as the deepest wash, the pressed one, needs.
    const QColor ink = NamedColors::textColor(m_tint, scheme, NamedColors::withOpacity(tint, pressedWash));
    SymbolGlyphs::paint(painter, m_symbol, QPointF(left + symbolSize / 2, height() / 2.0), symbolSize,
                        QFont::Normal, ink);
    painter.setFont(titleFont());
    painter.setPen(ink);
    painter.drawText(QRectF(left + symbolSize + spacing, 0, width(), height()),
                     Qt::AlignLeft | Qt::AlignVCenter, text());
    paintFocusRing(painter, outline);
}
