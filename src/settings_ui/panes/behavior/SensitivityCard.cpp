#include "settings_ui/panes/behavior/SensitivityCard.h"

#include "settings_ui/components/NamedColors.h"
#include "settings_ui/components/SettingsFont.h"
#include "settings_ui/components/SettingsPalette.h"
#include "settings_ui/components/SymbolGlyphs.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QTextLayout>

#include <cmath>

namespace {

constexpr qreal cardRadius = 14;
constexpr qreal verticalPadding = 16;
constexpr qreal horizontalPadding = 8;
constexpr qreal spacing = 10;
constexpr qreal circleSide = 36;
constexpr qreal symbolSize = 16;
constexpr qreal titleSize = 12;
constexpr qreal subtitleSize = 10;
constexpr int subtitleLineCount = 2;
constexpr qreal shadowRadius = 6;
const QPointF shadowOffset(0, 2);
constexpr int minimumCardWidth = 120;

QFont titleFont(bool selected)
{
    return SettingsFont::font(titleSize, selected ? QFont::Bold : QFont::Medium);
}

QFont subtitleFont()
{
    return SettingsFont::font(subtitleSize);
}

} // namespace

SensitivityCard::SensitivityCard(ReminderSensitivity mode, QWidget *parent)
    : TileButton(Role::radioButton, parent)
    , m_mode(mode)
{
    setHoverSeconds(0.15);
    setSelectionSeconds(0.2);
    const QString title = reminderSensitivityRawValue(mode);
    setText(title);
    setAccessibleName(title);
    setAccessibleDescription(reminderSensitivitySubtitle(mode));
    setObjectName(QStringLiteral("reminderSensitivity.") + title);
    setCursor(Qt::PointingHandCursor);
    // Every card asks for all the width it is offered, so a row of them shares it equally.
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QStringList SensitivityCard::subtitleLines(const QString &subtitle, qreal width)
{
    const QFont font = subtitleFont();
    QTextLayout layout(subtitle, font);
    QTextOption option(Qt::AlignHCenter);
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        if (lines.size() == subtitleLineCount - 1) {
            // The last line takes the rest of the text, cut with an ellipsis if it is too long.
            const QString rest = subtitle.mid(line.textStart()).trimmed();
            lines.append(QFontMetricsF(font).elidedText(rest, Qt::ElideRight, width));
            break;
        }
        lines.append(subtitle.mid(line.textStart(), line.textLength()).trimmed());
    }
    layout.endLayout();
    return lines;
}

QSize SensitivityCard::sizeHint() const
{
    const qreal text = QFontMetricsF(titleFont(true)).height()
                       + subtitleLineCount * QFontMetricsF(subtitleFont()).lineSpacing();
    const qreal height = 2 * verticalPadding + circleSide + 2 * spacing + text;
    return QSize(minimumCardWidth + 2 * sideOutset, int(std::ceil(height)) + topOutset + bottomOutset);
}

QSize SensitivityCard::minimumSizeHint() const
{
    return sizeHint();
}

QRectF SensitivityCard::cardRect() const
{
    return QRectF(rect()).adjusted(sideOutset, topOutset, -sideOutset, -bottomOutset);
}

void SensitivityCard::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF card = cardRect();
    const qreal scale = 1 + (hoverScale - 1) * hoverProgress();
    painter.translate(card.center());
    painter.scale(scale, scale);
    painter.translate(-card.center());
    paintFrame(painter, card);
    paintContent(painter, card.adjusted(horizontalPadding, verticalPadding, -horizontalPadding, -verticalPadding));
    QPainterPath shape;
    shape.addRoundedRect(card, cardRadius, cardRadius);
    paintFocusRing(painter, shape);
}

void SensitivityCard::paintFrame(QPainter &painter, const QRectF &card)
{
    const ColorScheme scheme = SettingsPalette::schemeOf(this);
    const QColor tint = NamedColors::color(reminderSensitivityColour(m_mode), scheme);
    const qreal selected = selectionProgress();
    // Each shadow keeps its colour and fades through the painter, so neither is blurred again
    // on every frame of the selection's easing.
    painter.save();
    painter.setOpacity(1 - selected);
    m_restingShadow.paint(painter, card, cardRadius, shadowRadius, QColor(0, 0, 0, 13), shadowOffset);
    painter.setOpacity(selected);
    m_selectedShadow.paint(painter, card, cardRadius, shadowRadius, NamedColors::withOpacity(tint, 0.2),
                           shadowOffset);
    painter.restore();

    QPainterPath shape;
    shape.addRoundedRect(card, cardRadius, cardRadius);
    painter.fillPath(shape, QColor(255, 255, 255, 10));
    const QColor label = NamedColors::color(NamedColor::label, scheme);
    const QColor idle = NamedColors::withOpacity(label, 0.06 + 0.04 * hoverProgress());
    // The two borders blend as the selection eases in: the hairline out, the tint in.
    QPainterPath border;
    border.addRoundedRect(card.adjusted(0.5, 0.5, -0.5, -0.5), cardRadius - 0.5, cardRadius - 0.5);
    painter.strokePath(border, QPen(NamedColors::withOpacity(idle, idle.alphaF() * (1 - selected)), 1));
    if (selected > 0) {
        QPainterPath ring;
        ring.addRoundedRect(card.adjusted(1, 1, -1, -1), cardRadius - 1, cardRadius - 1);
        painter.strokePath(ring, QPen(NamedColors::withOpacity(tint, selected), 2));
    }
}

void SensitivityCard::paintContent(QPainter &painter, const QRectF &content)
{
    const ColorScheme scheme = SettingsPalette::schemeOf(this);
    const QColor tint = NamedColors::color(reminderSensitivityColour(m_mode), scheme);
    const qreal selected = selectionProgress();
    const QRectF circle(content.center().x() - circleSide / 2, content.top(), circleSide, circleSide);
    painter.setPen(Qt::NoPen);
    painter.setBrush(NamedColors::withOpacity(tint, 0.1 + 0.1 * selected));
    painter.drawEllipse(circle);
    SymbolGlyphs::paint(painter, reminderSensitivitySymbol(m_mode), circle.center(), symbolSize, QFont::Medium,
                        tint);

    const QFont title = titleFont(isSelected());
    const qreal titleHeight = QFontMetricsF(title).height();
    const qreal titleTop = circle.bottom() + spacing;
    painter.setFont(title);
    painter.setPen(NamedColors::blend(NamedColors::color(NamedColor::secondaryLabel, scheme),
                                      NamedColors::color(NamedColor::label, scheme), selected));
    painter.drawText(QRectF(content.left(), titleTop, content.width(), titleHeight), Qt::AlignCenter,
                     QFontMetricsF(title).elidedText(text(), Qt::ElideRight, content.width()));

    const QFont subtitle = subtitleFont();
    const qreal lineHeight = QFontMetricsF(subtitle).lineSpacing();
    painter.setFont(subtitle);
    painter.setPen(NamedColors::color(NamedColor::secondaryLabel, scheme));
    qreal top = titleTop + titleHeight + spacing;
    for (const QString &line : subtitleLines(reminderSensitivitySubtitle(m_mode), content.width())) {
        painter.drawText(QRectF(content.left(), top, content.width(), lineHeight), Qt::AlignCenter, line);
        top += lineHeight;
    }
}
