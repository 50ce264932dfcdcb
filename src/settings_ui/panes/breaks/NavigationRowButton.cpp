#include "settings_ui/panes/breaks/NavigationRowButton.h"

#include "settings_ui/components/SettingsFont.h"
#include "settings_ui/components/SettingsPalette.h"
#include "settings_ui/components/SymbolGlyphs.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

constexpr qreal tileSide = 24;
constexpr qreal tileRadius = 6;
// 12 points in the layout, drawn larger as the sidebar's are (SidebarButtonView).
constexpr qreal symbolSize = 15;
constexpr qreal spacing = 10;
constexpr qreal verticalPadding = 2;
constexpr qreal titleSize = 13;
constexpr qreal detailSize = 11;
constexpr qreal chevronSize = 10;
const QString chevron = QStringLiteral("chevron.right");

} // namespace

NavigationRowButton::NavigationRowButton(const QString &symbol, NamedColor symbolColour,
                                         const QString &title, const QString &detail,
                                         QWidget *parent)
    : TileButton(Role::button, parent)
    , m_symbol(symbol)
    , m_symbolColour(symbolColour)
    , m_detail(detail)
{
    setText(title);
    setAccessibleName(title);
    setAccessibleDescription(detail);
    setContentsMargins(ringRoom);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void NavigationRowButton::setDetail(const QString &detail)
{
    if (detail == m_detail)
        return;
    m_detail = detail;
    setAccessibleDescription(detail);
    updateGeometry();
    update();
}

QSize NavigationRowButton::sizeHint() const
{
    const qreal title = QFontMetricsF(SettingsFont::font(titleSize)).horizontalAdvance(text());
    const qreal detail = m_detail.isEmpty()
                             ? 0
                             : spacing + QFontMetricsF(SettingsFont::font(detailSize))
                                             .horizontalAdvance(m_detail);
    const qreal width = tileSide + spacing + title + spacing + detail + spacing + chevronSize;
    return QSize(int(std::ceil(width)) + ringRoom.left() + ringRoom.right(),
                 int(tileSide + 2 * verticalPadding) + ringRoom.top() + ringRoom.bottom());
}

QSize NavigationRowButton::minimumSizeHint() const
{
    return QSize(int(tileSide + 3 * spacing + chevronSize) + ringRoom.left() + ringRoom.right(),
                 sizeHint().height());
}

void NavigationRowButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const ColorScheme scheme = SettingsPalette::schemeOf(this);
    const QRectF content = QRectF(contentsRect());
    const QRectF tile(content.left(), content.center().y() - tileSide / 2, tileSide, tileSide);
    QPainterPath tileShape;
    tileShape.addRoundedRect(tile, tileRadius, tileRadius);
    painter.fillPath(tileShape, NamedColors::gradient(NamedColors::color(m_symbolColour, scheme), tile));
    SymbolGlyphs::paint(painter, m_symbol, tile.center(), symbolSize, QFont::Medium, Qt::white);

    const QColor chevronColour =
        NamedColors::blend(NamedColors::color(NamedColor::tertiaryLabel, scheme),
                           NamedColors::color(NamedColor::secondaryLabel, scheme), hoverProgress());
    const qreal chevronX = content.right() - chevronSize / 2;
    SymbolGlyphs::paint(painter, chevron, QPointF(chevronX, content.center().y()), chevronSize,
                        QFont::DemiBold, chevronColour);

    qreal textRight = content.right() - chevronSize - spacing;
    if (!m_detail.isEmpty()) {
        const QFont font = SettingsFont::font(detailSize);
        const qreal detailWidth = std::min(QFontMetricsF(font).horizontalAdvance(m_detail) + 1,
                                           (textRight - content.left()) / 2);
        painter.setFont(font);
        painter.setPen(NamedColors::textColor(NamedColor::tertiaryLabel, scheme));
        painter.drawText(QRectF(textRight - detailWidth, content.top(), detailWidth, content.height()),
                         Qt::AlignRight | Qt::AlignVCenter,
                         QFontMetricsF(font).elidedText(m_detail, Qt::ElideRight, detailWidth));
        textRight -= detailWidth + spacing;
    }
    const QFont font = SettingsFont::font(titleSize);
    const qreal titleLeft = tile.right() + spacing;
    painter.setFont(font);
    painter.setPen(NamedColors::color(NamedColor::label, scheme));
    painter.drawText(QRectF(titleLeft, content.top(), textRight - titleLeft, content.height()),
                     Qt::AlignLeft | Qt::AlignVCenter,
                     QFontMetricsF(font).elidedText(text(), Qt::ElideRight, textRight - titleLeft));
    QPainterPath whole;
    whole.addRoundedRect(QRectF(rect()), 6, 6);
    paintFocusRing(painter, whole);
}
