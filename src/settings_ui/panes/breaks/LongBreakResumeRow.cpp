#include "settings_ui/panes/breaks/LongBreakResumeRow.h"

#include "settings_ui/components/NamedColors.h"
#include "settings_ui/components/SettingsFont.h"
#include "settings_ui/components/SettingsPalette.h"
#include "settings_ui/components/SymbolGlyphs.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

constexpr qreal horizontalPadding = 16;
constexpr qreal verticalPadding = 10;
constexpr qreal spacing = 10;
constexpr qreal markSize = 16;
constexpr qreal choiceSymbolSize = 13;
constexpr qreal iconWidth = 20;
constexpr qreal titleSize = 13;
constexpr qreal subtitleSize = 11;
constexpr qreal lineGap = 1;

} // namespace

LongBreakResumeRow::LongBreakResumeRow(const Facts &facts, QWidget *parent)
    : TileButton(Role::radioButton, parent)
    , m_facts(facts)
{
    setObjectName(QStringLiteral("longBreakResume:") + facts.value);
    setText(facts.title);
    setAccessibleName(facts.title);
    setAccessibleDescription(facts.subtitle);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize LongBreakResumeRow::sizeHint() const
{
    const QFontMetricsF title(SettingsFont::font(titleSize, QFont::Medium));
    const QFontMetricsF subtitle(SettingsFont::font(subtitleSize));
    const qreal textWidth = std::max(title.horizontalAdvance(m_facts.title),
                                     subtitle.horizontalAdvance(m_facts.subtitle));
    const qreal height = title.height() + lineGap + subtitle.height() + 2 * verticalPadding;
    const qreal width = 2 * horizontalPadding + markSize + iconWidth + 2 * spacing + textWidth;
    return QSize(int(std::ceil(width)), int(std::ceil(height)));
}

QSize LongBreakResumeRow::minimumSizeHint() const
{
    return QSize(int(2 * horizontalPadding + markSize + iconWidth + 2 * spacing), sizeHint().height());
}

void LongBreakResumeRow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const ColorScheme scheme = SettingsPalette::schemeOf(this);
    const bool selected = isSelected();
    const qreal middle = height() / 2.0;
    qreal x = horizontalPadding;
    SymbolGlyphs::paint(painter, selected ? QStringLiteral("circle.inset.filled") : QStringLiteral("circle"),
                        QPointF(x + markSize / 2, middle), markSize, QFont::Normal,
                        NamedColors::color(selected ? NamedColor::blue : NamedColor::tertiaryLabel, scheme));
    x += markSize + spacing;
    SymbolGlyphs::paint(painter, m_facts.symbol, QPointF(x + iconWidth / 2, middle), choiceSymbolSize * 1.2,
                        QFont::Normal, NamedColors::color(NamedColor::secondaryLabel, scheme));
    x += iconWidth + spacing;

    const QFont titleFont = SettingsFont::font(titleSize, selected ? QFont::Medium : QFont::Normal);
    const QFont subtitleFont = SettingsFont::font(subtitleSize);
    const QFontMetricsF titleMetrics(titleFont);
    const QFontMetricsF subtitleMetrics(subtitleFont);
    const qreal textHeight = titleMetrics.height() + lineGap + subtitleMetrics.height();
    const qreal top = (height() - textHeight) / 2;
    const qreal available = width() - x - horizontalPadding;
    painter.setFont(titleFont);
    painter.setPen(NamedColors::color(NamedColor::label, scheme));
    painter.drawText(QRectF(x, top, available, titleMetrics.height()), Qt::AlignLeft | Qt::AlignVCenter,
                     titleMetrics.elidedText(m_facts.title, Qt::ElideRight, available));
    painter.setFont(subtitleFont);
    painter.setPen(NamedColors::color(NamedColor::secondaryLabel, scheme));
    painter.drawText(QRectF(x, top + titleMetrics.height() + lineGap, available, subtitleMetrics.height()),
                     Qt::AlignLeft | Qt::AlignVCenter,
                     subtitleMetrics.elidedText(m_facts.subtitle, Qt::ElideRight, available));
    QPainterPath whole;
    whole.addRoundedRect(QRectF(rect()).adjusted(2, 2, -2, -2), 8, 8);
    paintFocusRing(painter, whole);
}
