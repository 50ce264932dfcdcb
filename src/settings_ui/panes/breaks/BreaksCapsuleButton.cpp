#include "settings_ui/panes/breaks/BreaksCapsuleButton.h"

#include "settings_ui/components/NamedColors.h"
#include "settings_ui/components/SettingsFont.h"
#include "settings_ui/components/SettingsPalette.h"
#include "settings_ui/components/SymbolGlyphs.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

constexpr qreal symbolSize = 10;
constexpr qreal symbolGap = 4;

QPainterPath capsule(const QRectF &rect)
{
    QPainterPath path;
    path.addRoundedRect(rect, rect.height() / 2, rect.height() / 2);
    return path;
}

} // namespace

BreaksCapsuleButton::BreaksCapsuleButton(const QString &caption, const Look &look, QWidget *parent)
    : TileButton(Role::button, parent)
    , m_look(look)
{
    setText(caption);
    setAccessibleName(caption);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QFont BreaksCapsuleButton::font() const
{
    return SettingsFont::font(m_look.textSize, m_look.weight);
}

QSize BreaksCapsuleButton::sizeHint() const
{
    const QFontMetricsF metrics(font());
    qreal width = metrics.horizontalAdvance(text()) + 2 * m_look.horizontalPadding;
    if (!m_look.symbol.isEmpty())
        width += symbolSize + symbolGap;
    const qreal height = metrics.height() + 2 * m_look.verticalPadding;
    return QSize(int(std::ceil(width)), int(std::ceil(height)));
}

bool BreaksCapsuleButton::hitButton(const QPoint &position) const
{
    return capsule(QRectF(rect())).contains(position);
}

void BreaksCapsuleButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const ColorScheme scheme = SettingsPalette::schemeOf(this);
    const QPainterPath shape = capsule(QRectF(rect()));
    const bool prominent = m_look.style == Style::prominent;
    const qreal pressed = isDown() ? 1 : hoverProgress();
    QColor fill = prominent ? NamedColors::accentFill(scheme)
                            : NamedColors::withOpacity(NamedColors::color(NamedColor::label, scheme),
                                                       0.05 + 0.04 * pressed);
    if (prominent)
        fill = fill.darker(100 + int(10 * pressed));
    painter.fillPath(shape, fill);
    const QColor ink = prominent ? QColor(Qt::white) : NamedColors::color(NamedColor::secondaryLabel, scheme);
    const QFont captionFont = font();
    const qreal captionWidth = QFontMetricsF(captionFont).horizontalAdvance(text());
    const qreal symbolWidth = m_look.symbol.isEmpty() ? 0 : symbolSize + symbolGap;
    qreal x = (width() - captionWidth - symbolWidth) / 2;
    if (!m_look.symbol.isEmpty()) {
        SymbolGlyphs::paint(painter, m_look.symbol, QPointF(x + symbolSize / 2, height() / 2.0), symbolSize,
                            QFont::Bold, ink);
        x += symbolWidth;
    }
    painter.setFont(captionFont);
    painter.setPen(ink);
    painter.drawText(QRectF(x, 0, captionWidth + 1, height()), Qt::AlignLeft | Qt::AlignVCenter, text());
    paintFocusRing(painter, shape, fill);
}
