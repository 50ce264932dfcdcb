#include "settings_ui/components/RadioOptionRow.h"

#include "settings_ui/components/SettingsFont.h"
#include "settings_ui/components/SettingsPalette.h"
#include "settings_ui/components/SymbolGlyphs.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

constexpr qreal titleSize = 13;
constexpr qreal subtitleSize = 11;
constexpr qreal textSpacing = 2;
constexpr qreal symbolCircle = 28;
// 14 points in the layout, drawn a little larger as the cards' other symbols are.
constexpr qreal symbolSize = 15;
constexpr qreal symbolCircleOpacity = 0.1;

} // namespace

RadioOptionRow::RadioOptionRow(const QString &title, const QString &subtitle, const Look &look,
                               QWidget *parent)
    : TileButton(Role::radioButton, parent)
    , m_subtitle(subtitle)
    , m_look(look)
{
    setText(title);
    setAccessibleName(title);
    setAccessibleDescription(subtitle);
    setContentsMargins(ringRoom);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void RadioOptionRow::setSymbol(const QString &symbol, NamedColor tint)
{
    m_symbol = symbol;
    m_tint = tint;
    updateGeometry();
    update();
}

qreal RadioOptionRow::textHeight() const
{
    const qreal title = QFontMetricsF(SettingsFont::font(titleSize)).height();
    if (m_subtitle.isEmpty())
        return title;
    return title + textSpacing + QFontMetricsF(SettingsFont::font(subtitleSize)).height();
}

qreal RadioOptionRow::textLeft() const
{
    qreal left = contentsMargins().left() + m_look.markSize + m_look.spacing;
    if (!m_symbol.isEmpty())
        left += symbolCircle + m_look.spacing;
    return left;
}

QSize RadioOptionRow::sizeHint() const
{
    const QFontMetricsF titleMetrics(SettingsFont::font(titleSize, m_look.selectedWeight));
    qreal textWidth = titleMetrics.horizontalAdvance(text());
    if (!m_subtitle.isEmpty())
        textWidth = std::max(textWidth, QFontMetricsF(SettingsFont::font(subtitleSize))
                                            .horizontalAdvance(m_subtitle));
    const QMargins margins = contentsMargins();
    const qreal content = std::max({m_look.markSize, textHeight(),
                                    m_symbol.isEmpty() ? 0.0 : symbolCircle});
    return QSize(int(std::ceil(textLeft() + textWidth + margins.right())),
                 int(std::ceil(content)) + margins.top() + margins.bottom());
}

QSize RadioOptionRow::minimumSizeHint() const
{
    return QSize(int(std::ceil(textLeft())), sizeHint().height());
}

void RadioOptionRow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF content = QRectF(contentsRect());
    const qreal centreY = content.center().y();
    paintMark(painter, centreY);
    if (!m_symbol.isEmpty()) {
        const ColorScheme scheme = SettingsPalette::schemeOf(this);
        const QColor tint = NamedColors::color(m_tint, scheme);
        const QPointF centre(content.left() + m_look.markSize + m_look.spacing + symbolCircle / 2, centreY);
        painter.setPen(Qt::NoPen);
        painter.setBrush(NamedColors::withOpacity(tint, symbolCircleOpacity));
        painter.drawEllipse(centre, symbolCircle / 2, symbolCircle / 2);
        SymbolGlyphs::paint(painter, m_symbol, centre, symbolSize, QFont::Normal, tint);
    }
    paintTexts(painter, textLeft());
    QPainterPath whole;
    whole.addRoundedRect(QRectF(rect()), 6, 6);
    paintFocusRing(painter, whole);
}

void RadioOptionRow::paintMark(QPainter &painter, qreal centreY) const
{
    // The ring and the filled mark cross-fade as the choice moves.
    const ColorScheme scheme = SettingsPalette::schemeOf(this);
    const qreal chosen = selectionProgress();
    const QPointF centre(contentsMargins().left() + m_look.markSize / 2, centreY);
    const QColor ring = NamedColors::color(NamedColor::tertiaryLabel, scheme);
    if (chosen < 1)
        SymbolGlyphs::paint(painter, QStringLiteral("circle"), centre, m_look.markSize, QFont::Normal,
                            NamedColors::withOpacity(ring, 1 - chosen));
    if (chosen > 0)
        SymbolGlyphs::paint(painter, QStringLiteral("circle.inset.filled"), centre, m_look.markSize,
                            QFont::Normal,
                            NamedColors::withOpacity(NamedColors::color(NamedColor::blue, scheme), chosen));
}

void RadioOptionRow::paintTexts(QPainter &painter, qreal left) const
{
    const ColorScheme scheme = SettingsPalette::schemeOf(this);
    const QRectF content = QRectF(contentsRect());
    const qreal width = std::max<qreal>(0, content.right() - left);
    const QFont titleFont = SettingsFont::font(titleSize, isSelected() ? m_look.selectedWeight : QFont::Normal);
    const QFontMetricsF titleMetrics(titleFont);
    qreal y = content.center().y() - textHeight() / 2;
    painter.setFont(titleFont);
    painter.setPen(NamedColors::color(NamedColor::label, scheme));
    painter.drawText(QRectF(left, y, width, titleMetrics.height()), Qt::AlignLeft | Qt::AlignVCenter,
                     titleMetrics.elidedText(text(), Qt::ElideRight, width));
    if (m_subtitle.isEmpty())
        return;
    y += titleMetrics.height() + textSpacing;
    const QFont subtitleFont = SettingsFont::font(subtitleSize);
    const QFontMetricsF subtitleMetrics(subtitleFont);
    painter.setFont(subtitleFont);
    painter.setPen(NamedColors::color(NamedColor::secondaryLabel, scheme));
    painter.drawText(QRectF(left, y, width, subtitleMetrics.height()), Qt::AlignLeft | Qt::AlignVCenter,
                     subtitleMetrics.elidedText(m_subtitle, Qt::ElideRight, width));
}
