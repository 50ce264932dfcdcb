#include "settings_ui/panes/app/IconRowButton.h"

#include "settings_ui/components/SettingsFont.h"
#include "settings_ui/components/SettingsPalette.h"
#include "settings_ui/components/SymbolGlyphs.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

constexpr qreal tileSide = 24;
constexpr qreal tileRadius = 6;
// 12 points in the layout, drawn a fifth larger as the other tiles draw theirs.
constexpr qreal symbolSize = 14.4;
constexpr qreal spacing = 10;
constexpr qreal titleSize = 13;
constexpr qreal subtitleSize = 11;
constexpr qreal subtitleGap = 2;
constexpr qreal trailingTextSize = 11;
constexpr qreal trailingSymbolSize = 10;
constexpr qreal disabledOpacity = 0.6;

} // namespace

IconRowButton::IconRowButton(const QString &symbol, NamedColor tint, const QString &title,
                             const QMargins &padding, QWidget *parent)
    : TileButton(Role::button, parent)
    , m_symbol(symbol)
    , m_tint(tint)
    , m_padding(padding)
{
    setText(title);
    setAccessibleName(title);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void IconRowButton::setTitle(const QString &title)
{
    setText(title);
    setAccessibleName(title);
    updateGeometry();
    update();
}

void IconRowButton::setTitleWeight(QFont::Weight weight)
{
    m_titleWeight = weight;
    updateGeometry();
    update();
}

void IconRowButton::setSubtitle(const QString &subtitle)
{
    m_subtitle = subtitle;
    describe();
    updateGeometry();
    update();
}

void IconRowButton::setTrailingSymbol(const QString &symbol)
{
    m_trailingSymbol = symbol;
    update();
}

void IconRowButton::setTrailingText(const QString &text, NamedColor colour)
{
    if (text == m_trailingText && colour == m_trailingColour)
        return;
    m_trailingText = text;
    m_trailingColour = colour;
    describe();
    updateGeometry();
    update();
}

void IconRowButton::describe()
{
    setAccessibleDescription(m_subtitle.isEmpty() ? m_trailingText : m_subtitle);
}

qreal IconRowButton::trailingWidth() const
{
    if (!m_trailingText.isEmpty())
        return QFontMetricsF(SettingsFont::font(trailingTextSize)).horizontalAdvance(m_trailingText) + 1;
    return m_trailingSymbol.isEmpty() ? 0 : trailingSymbolSize;
}

QSize IconRowButton::sizeHint() const
{
    const QFontMetricsF title(SettingsFont::font(titleSize, m_titleWeight));
    qreal textHeight = title.height();
    qreal textWidth = title.horizontalAdvance(text());
    if (!m_subtitle.isEmpty()) {
        const QFontMetricsF subtitle(SettingsFont::font(subtitleSize));
        textHeight += subtitleGap + subtitle.height();
        textWidth = std::max(textWidth, subtitle.horizontalAdvance(m_subtitle));
    }
    const qreal trailing = trailingWidth();
    const qreal width = tileSide + spacing + textWidth + (trailing > 0 ? spacing + trailing : 0);
    return QSize(int(std::ceil(width)) + m_padding.left() + m_padding.right(),
                 int(std::ceil(std::max(tileSide, textHeight))) + m_padding.top() + m_padding.bottom());
}

QSize IconRowButton::minimumSizeHint() const
{
    return QSize(int(tileSide + 2 * spacing) + m_padding.left() + m_padding.right(), sizeHint().height());
}

void IconRowButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!isEnabled())
        painter.setOpacity(disabledOpacity);
    const ColorScheme scheme = SettingsPalette::schemeOf(this);
    const QRectF content = QRectF(rect()).marginsRemoved(m_padding.toMarginsF());
    const QRectF tile(content.left(), content.center().y() - tileSide / 2, tileSide, tileSide);
    QPainterPath tileShape;
    tileShape.addRoundedRect(tile, tileRadius, tileRadius);
    painter.fillPath(tileShape, NamedColors::gradient(NamedColors::color(m_tint, scheme), tile));
    SymbolGlyphs::paint(painter, m_symbol, tile.center(), symbolSize, QFont::Medium, Qt::white);

    const qreal trailing = trailingWidth();
    paintTrailing(painter, content.right(), scheme);
    const qreal textLeft = tile.right() + spacing;
    const qreal textRight = content.right() - (trailing > 0 ? trailing + spacing : 0);
    paintTexts(painter, QRectF(textLeft, content.top(), textRight - textLeft, content.height()), scheme);
    QPainterPath whole;
    whole.addRoundedRect(QRectF(rect()).adjusted(2, 2, -2, -2), 8, 8);
    paintFocusRing(painter, whole);
}

void IconRowButton::paintTexts(QPainter &painter, const QRectF &area, ColorScheme scheme) const
{
    const QFont titleFont = SettingsFont::font(titleSize, m_titleWeight);
    const QFontMetricsF titleMetrics(titleFont);
    const QFont subtitleFont = SettingsFont::font(subtitleSize);
    const QFontMetricsF subtitleMetrics(subtitleFont);
    const qreal height =
        titleMetrics.height() + (m_subtitle.isEmpty() ? 0 : subtitleGap + subtitleMetrics.height());
    qreal top = area.center().y() - height / 2;
    painter.setFont(titleFont);
    painter.setPen(NamedColors::color(NamedColor::label, scheme));
    painter.drawText(QRectF(area.left(), top, area.width(), titleMetrics.height()), Qt::AlignLeft | Qt::AlignVCenter,
                     titleMetrics.elidedText(text(), Qt::ElideRight, area.width()));
    if (m_subtitle.isEmpty())
        return;
    top += titleMetrics.height() + subtitleGap;
    painter.setFont(subtitleFont);
    painter.setPen(NamedColors::color(NamedColor::secondaryLabel, scheme));
    painter.drawText(QRectF(area.left(), top, area.width(), subtitleMetrics.height()),
                     Qt::AlignLeft | Qt::AlignVCenter,
                     subtitleMetrics.elidedText(m_subtitle, Qt::ElideRight, area.width()));
}

void IconRowButton::paintTrailing(QPainter &painter, qreal right, ColorScheme scheme) const
{
    const qreal middle = height() / 2.0;
    if (!m_trailingText.isEmpty()) {
        const QFont font = SettingsFont::font(trailingTextSize);
        const qreal width = trailingWidth();
        painter.setFont(font);
        painter.setPen(NamedColors::textColor(m_trailingColour, scheme));
        painter.drawText(QRectF(right - width, 0, width, height()), Qt::AlignRight | Qt::AlignVCenter,
                         m_trailingText);
    } else if (!m_trailingSymbol.isEmpty()) {
        SymbolGlyphs::paint(painter, m_trailingSymbol, QPointF(right - trailingSymbolSize / 2, middle),
                            trailingSymbolSize, QFont::Normal, NamedColors::color(NamedColor::tertiaryLabel, scheme));
    }
}

void IconRowButton::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange)
        update();
    TileButton::changeEvent(event);
}
