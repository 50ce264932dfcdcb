#include "settings_ui/customizer/PillButton.h"

#include "settings_ui/components/NamedColors.h"
#include "settings_ui/components/SettingsFont.h"
#include "settings_ui/components/SymbolGlyphs.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <utility>

namespace {

QFont labelFont()
{
    return SettingsFont::font(PillButton::labelSize, QFont::Medium);
}

} // namespace

PillButton::PillButton(QString icon, QString label, QColor foreground)
    : m_icon(std::move(icon))
    , m_label(std::move(label))
    , m_foreground(std::move(foreground))
{
}

QSizeF PillButton::size() const
{
    const QFontMetricsF metrics(labelFont());
    const qreal content = iconSize + spacing + metrics.horizontalAdvance(m_label);
    return {content + 2 * horizontalPadding, std::max(iconSize, metrics.height()) + 2 * verticalPadding};
}

void PillButton::paint(QPainter &painter, QPointF topLeft, const QColor &material) const
{
    const QRectF capsule(topLeft, size());
    const qreal radius = capsule.height() / 2;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.addRoundedRect(capsule, radius, radius);
    painter.fillPath(shape, material);
    QPainterPath outline;
    outline.addRoundedRect(capsule.adjusted(0.5, 0.5, -0.5, -0.5), radius - 0.5, radius - 0.5);
    painter.strokePath(outline, QPen(NamedColors::withOpacity(m_foreground, 0.14), 1));

    const QColor ink = NamedColors::withOpacity(m_foreground, 0.72);
    const qreal left = capsule.left() + horizontalPadding;
    SymbolGlyphs::paint(painter, m_icon, QPointF(left + iconSize / 2, capsule.center().y()), iconSize,
                        QFont::DemiBold, ink);
    painter.setFont(labelFont());
    painter.setPen(ink);
    const QRectF label(left + iconSize + spacing, capsule.top(), capsule.right() - horizontalPadding
                                                                   - (left + iconSize + spacing), capsule.height());
    painter.drawText(label, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip, m_label);
    painter.restore();
}
