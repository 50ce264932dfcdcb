#include "settings_ui/window/SidebarButtonView.h"

#include "settings_ui/components/NamedColors.h"
#include "settings_ui/components/SettingsFont.h"
#include "settings_ui/components/SettingsPalette.h"
#include "settings_ui/components/SymbolGlyphs.h"
#include "settings_ui/window/SettingsSidebar.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr qreal horizontalPadding = 8;
constexpr qreal spacing = 10;
constexpr qreal tileRadius = 6;
constexpr qreal rowRadius = 8;
// Set at 12 points by the layout; a symbol font draws its symbols a little larger than
// their point size, and ours fill their square edge to edge, so they are drawn larger to
// weigh the same on the tile.
constexpr qreal symbolSize = 16;
constexpr qreal titleSize = 13;
constexpr qreal hoverOpacity = 0.05;
constexpr double selectionSeconds = 0.12;

} // namespace

SidebarButtonView::SidebarButtonView(SidebarSection section, QWidget *parent)
    : TileButton(Role::radioButton, parent)
    , m_section(section)
{
    const QString title = sidebarSectionRawValue(section);
    setText(title);
    setAccessibleName(title);
    setObjectName(QStringLiteral("section:") + title);
    // The hover wash follows the pointer without easing; the selection eases.
    setHoverSeconds(0);
    setSelectionSeconds(selectionSeconds);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize SidebarButtonView::sizeHint() const
{
    const qreal title = QFontMetricsF(SettingsFont::font(titleSize, QFont::Medium)).horizontalAdvance(text());
    return QSize(int(2 * horizontalPadding + tileSide + spacing + title) + 1, rowHeight);
}

void SidebarButtonView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const ColorScheme scheme = SettingsPalette::schemeOf(this);
    const QColor label = NamedColors::color(NamedColor::label, scheme);
    const qreal selected = selectionProgress();
    QPainterPath row;
    row.addRoundedRect(QRectF(rect()), rowRadius, rowRadius);
    if (!isSelected() && isHovered())
        painter.fillPath(row, NamedColors::withOpacity(label, hoverOpacity));
    if (selected > 0)
        painter.fillPath(row, NamedColors::withOpacity(NamedColors::accentFill(scheme), selected));

    const QRectF tile(horizontalPadding, (height() - tileSide) / 2.0, tileSide, tileSide);
    QPainterPath tileShape;
    tileShape.addRoundedRect(tile, tileRadius, tileRadius);
    painter.fillPath(tileShape, NamedColors::gradient(sidebarSectionColour(m_section), tile));
    SymbolGlyphs::paint(painter, sidebarSectionSymbol(m_section), tile.center(), symbolSize,
                        QFont::DemiBold, Qt::white);

    const QFont font = SettingsFont::font(titleSize, isSelected() ? QFont::Medium : QFont::Normal);
    const qreal left = tile.right() + spacing;
    const qreal available = width() - left - horizontalPadding;
    painter.setFont(font);
    painter.setPen(NamedColors::blend(label, Qt::white, selected));
    painter.drawText(QRectF(left, 0, available, height()), Qt::AlignLeft | Qt::AlignVCenter,
                     QFontMetricsF(font).elidedText(text(), Qt::ElideRight, available));
    // On the selected row's accent the ring turns white.
    const QColor fill = NamedColors::withOpacity(NamedColors::accentFill(scheme), selected);
    paintFocusRing(painter, row, NamedColors::laidOver(fill, SettingsSidebar::fill(scheme)));
}
