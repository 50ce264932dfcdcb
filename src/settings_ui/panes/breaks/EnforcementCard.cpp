#include "settings_ui/panes/breaks/EnforcementCard.h"

#include "settings_ui/components/Materials.h"
#include "settings_ui/components/NamedColors.h"
#include "settings_ui/components/SettingsFont.h"
#include "settings_ui/components/SettingsPalette.h"
#include "settings_ui/components/SymbolGlyphs.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

constexpr qreal cardRadius = 14;
// The focus ring runs inside the selected card's 2-pixel accent border, 2 pixels of the card
// between them.
constexpr qreal ringInset = 4;
constexpr qreal tileRadius = 10;
constexpr qreal padding = 8;
constexpr qreal spacing = 8;
constexpr qreal tileHeight = 60;
constexpr qreal titleSize = 12;
constexpr qreal subtitleSize = 10;
constexpr qreal pillTextSize = 10;
constexpr qreal shadowRadius = 6;
const QPointF shadowOffset(0, 3);
constexpr int minimumCardWidth = 150;
const QString pillText = QStringLiteral("Skip Break");
const QColor cardFill(255, 255, 255, 10);
// The pill's dark material, deep enough under its white label on the palest of the tiles
// (Hardcore's yellow foot in the light scheme) for 4.5:1.
constexpr qreal pillMaterialOpacity = 0.9;

QFont titleFont(bool selected)
{
    return SettingsFont::font(titleSize, selected ? QFont::Bold : QFont::Medium);
}

} // namespace

EnforcementCard::EnforcementCard(BreakEnforcement mode, QWidget *parent)
    : TileButton(Role::radioButton, parent)
    , m_mode(mode)
{
    setHoverSeconds(0.15);
    setSelectionSeconds(0.2);
    setText(breakEnforcementRawValue(mode));
    setAccessibleName(breakEnforcementRawValue(mode));
    setAccessibleDescription(breakEnforcementSubtitle(mode));
    setObjectName(QStringLiteral("enforcement:") + breakEnforcementRawValue(mode));
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize EnforcementCard::sizeHint() const
{
    const qreal text = QFontMetricsF(titleFont(true)).height()
                       + QFontMetricsF(SettingsFont::font(subtitleSize)).height();
    const qreal height = 2 * padding + tileHeight + 2 * spacing + text;
    return QSize(minimumCardWidth + 2 * sideOutset, int(std::ceil(height)) + topOutset + bottomOutset);
}

QSize EnforcementCard::minimumSizeHint() const
{
    return sizeHint();
}

QRectF EnforcementCard::cardRect() const
{
    return QRectF(rect()).adjusted(sideOutset, topOutset, -sideOutset, -bottomOutset);
}

void EnforcementCard::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const ColorScheme scheme = SettingsPalette::schemeOf(this);
    const QColor accent = breakEnforcementGradientColors(m_mode, scheme)[0];
    const QRectF card = cardRect();
    const qreal scale = 1 + (hoverScale - 1) * hoverProgress();
    painter.translate(card.center());
    painter.scale(scale, scale);
    painter.translate(-card.center());

    m_cardShadow.paint(painter, card, cardRadius, shadowRadius,
                       NamedColors::withOpacity(accent, 0.2 * selectionProgress()), shadowOffset);
    QPainterPath shape;
    shape.addRoundedRect(card, cardRadius, cardRadius);
    painter.fillPath(shape, cardFill);

    const QColor label = NamedColors::color(NamedColor::label, scheme);
    const QColor idle = NamedColors::withOpacity(label, 0.06 + 0.04 * hoverProgress());
    const qreal selected = selectionProgress();
    // The two borders blend as the selection eases in: the hairline out, the accent in.
    QPainterPath border;
    border.addRoundedRect(card.adjusted(0.5, 0.5, -0.5, -0.5), cardRadius - 0.5, cardRadius - 0.5);
    painter.strokePath(border, QPen(NamedColors::withOpacity(idle, 1 - selected), 1));
    if (selected > 0) {
        QPainterPath ring;
        ring.addRoundedRect(card.adjusted(1, 1, -1, -1), cardRadius - 1, cardRadius - 1);
        painter.strokePath(ring, QPen(NamedColors::withOpacity(NamedColors::color(NamedColor::accent, scheme),
                                                               selected),
                                      2));
    }
    const QRectF content = card.adjusted(padding, padding, -padding, -padding);
    const QRectF tile(content.topLeft(), QSizeF(content.width(), tileHeight));
    paintTile(painter, tile);
    paintTexts(painter, content.adjusted(0, tileHeight + spacing, 0, 0));
    // Along the edge the ring would hide under the selected card's accent border, and on
    // another card look just like it: it runs inside, a gap of the card's ground between.
    QPainterPath ringShape;
    ringShape.addRoundedRect(card.adjusted(ringInset, ringInset, -ringInset, -ringInset), cardRadius - ringInset,
                             cardRadius - ringInset);
    const QColor window = SettingsPalette::palette(scheme).color(QPalette::Window);
    paintFocusRing(painter, ringShape, NamedColors::laidOver(cardFill, window));
}

void EnforcementCard::paintTile(QPainter &painter, const QRectF &tile)
{
    const auto colours = breakEnforcementGradientColors(m_mode, SettingsPalette::schemeOf(this));
    m_tileShadow.paint(painter, tile, tileRadius, shadowRadius,
                       NamedColors::withOpacity(colours[0], 0.3 * selectionProgress()), shadowOffset);
    QLinearGradient fill(tile.topLeft(), tile.bottomRight());
    fill.setColorAt(0, colours[0]);
    fill.setColorAt(0.5, colours[1]);
    fill.setColorAt(1, colours[2]);
    QPainterPath path;
    path.addRoundedRect(tile, tileRadius, tileRadius);
    painter.fillPath(path, fill);
    paintPill(painter, tile);
}

void EnforcementCard::paintPill(QPainter &painter, const QRectF &tile)
{
    const QFont font = SettingsFont::font(pillTextSize, QFont::DemiBold);
    const QFontMetricsF metrics(font);
    const qreal textWidth = metrics.horizontalAdvance(pillText);
    const QSizeF size(8 + pillTextSize + 4 + textWidth + 8, 5 + metrics.height() + 5);
    const QRectF pill(tile.right() - 8 - size.width(), tile.bottom() - 8 - size.height(), size.width(),
                      size.height());
    QPainterPath capsule;
    capsule.addRoundedRect(pill, pill.height() / 2, pill.height() / 2);
    // The dark material in both schemes: the white label needs a darker ground than a light
    // scheme's pastel tile gives it.
    painter.fillPath(capsule, NamedColors::withOpacity(Materials::fill(Material::regular, ColorScheme::dark),
                                                       pillMaterialOpacity));
    const QColor white(255, 255, 255, 230);
    SymbolGlyphs::paint(painter, breakEnforcementPreviewSymbol(m_mode),
                        QPointF(pill.left() + 8 + pillTextSize / 2, pill.center().y()), pillTextSize,
                        QFont::DemiBold, white);
    painter.setFont(font);
    painter.setPen(white);
    painter.drawText(QRectF(pill.left() + 8 + pillTextSize + 4, pill.top(), textWidth + 1, pill.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, pillText);
}

void EnforcementCard::paintTexts(QPainter &painter, const QRectF &area)
{
    const ColorScheme scheme = SettingsPalette::schemeOf(this);
    const bool selected = isSelected();
    const QColor primary = NamedColors::color(NamedColor::label, scheme);
    const QColor secondary = NamedColors::color(NamedColor::secondaryLabel, scheme);
    const QColor tertiary = NamedColors::textColor(NamedColor::tertiaryLabel, scheme, cardFill);
    const qreal share = selectionProgress();
    const QFont title = titleFont(selected);
    const qreal titleHeight = QFontMetricsF(title).height();
    painter.setFont(title);
    painter.setPen(NamedColors::blend(secondary, primary, share));
    painter.drawText(QRectF(area.left(), area.top(), area.width(), titleHeight), Qt::AlignCenter,
                     QFontMetricsF(title).elidedText(text(), Qt::ElideRight, area.width()));
    const QFont subtitle = SettingsFont::font(subtitleSize);
    painter.setFont(subtitle);
    painter.setPen(NamedColors::blend(tertiary, secondary, share));
    const QString line = breakEnforcementSubtitle(m_mode);
    painter.drawText(QRectF(area.left(), area.top() + titleHeight + spacing, area.width(),
                            QFontMetricsF(subtitle).height()),
                     Qt::AlignCenter, QFontMetricsF(subtitle).elidedText(line, Qt::ElideRight, area.width()));
}
