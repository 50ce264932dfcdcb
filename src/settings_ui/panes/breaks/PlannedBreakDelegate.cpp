#include "settings_ui/panes/breaks/PlannedBreakDelegate.h"

#include "settings_ui/components/NamedColors.h"
#include "settings_ui/components/SettingsFont.h"
#include "settings_ui/components/SettingsPalette.h"
#include "settings_ui/components/SymbolGlyphs.h"
#include "settings_ui/components/ToggleSwitch.h"
#include "settings_ui/panes/breaks/PlannedBreakListModel.h"

#include <QAbstractItemView>
#include <QFontMetricsF>
#include <QHelpEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

#include <cmath>

namespace {

constexpr int divider = 1;
constexpr qreal horizontalPadding = 16;
constexpr qreal verticalPadding = 10;
constexpr qreal spacing = 12;
constexpr qreal iconSide = 28;
constexpr qreal iconSymbol = 16 * 1.1;
constexpr qreal nameSize = 13;
constexpr qreal timeSize = 12;
constexpr qreal summarySize = 11;
// 11 points in the layout, drawn larger as a symbol font draws its glyphs.
constexpr qreal buttonSymbol = 11 * 1.3;
constexpr qreal buttonCell = 16;
// Buttons take clicks a little around their symbols.
constexpr qreal hitSide = 24;
constexpr qreal lineGap = 2;

QFont nameFont()
{
    return SettingsFont::font(nameSize, QFont::Medium);
}

// A name is one line: line breaks and tabs a paste brought in show as spaces.
QString oneLine(QString text)
{
    for (QChar &character : text) {
        if (character == QLatin1Char('\n') || character == QLatin1Char('\r') || character == QLatin1Char('\t')
            || character == QChar::LineSeparator || character == QChar::ParagraphSeparator)
            character = QLatin1Char(' ');
    }
    return text;
}

QRectF contentOf(const QRect &row)
{
    return QRectF(row).adjusted(horizontalPadding, divider + verticalPadding, -horizontalPadding,
                                -verticalPadding);
}

QRectF cellLeftOf(const QRectF &next, qreal width)
{
    return QRectF(next.left() - spacing - width, next.center().y() - width / 2, width, width);
}

} // namespace

const QString PlannedBreakDelegate::warningHelp =
    QStringLiteral("This break is outside working hours and will not be shown.");

PlannedBreakDelegate::PlannedBreakDelegate(HoverProgress hoverProgress, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_hoverProgress(std::move(hoverProgress))
{
}

int PlannedBreakDelegate::rowHeight()
{
    const qreal text = QFontMetricsF(nameFont()).height() + lineGap
                       + QFontMetricsF(SettingsFont::font(summarySize)).height();
    return divider + int(std::ceil(std::max(iconSide, text) + 2 * verticalPadding));
}

QRectF PlannedBreakDelegate::switchRect(const QRect &row)
{
    const QRectF content = contentOf(row);
    const QSizeF track = ToggleSwitch::trackSize(ToggleSwitch::Size::mini);
    return QRectF(QPointF(content.right() - track.width(), content.center().y() - track.height() / 2), track);
}

QRectF PlannedBreakDelegate::trashRect(const QRect &row)
{
    return cellLeftOf(switchRect(row), buttonCell);
}

QRectF PlannedBreakDelegate::pencilRect(const QRect &row)
{
    return cellLeftOf(trashRect(row), buttonCell);
}

QRectF PlannedBreakDelegate::warningRect(const QRect &row)
{
    return cellLeftOf(pencilRect(row), buttonCell);
}

PlannedBreakDelegate::Part PlannedBreakDelegate::partAt(const QRect &row, const QPoint &point, bool hovering)
{
    const auto hits = [&point](const QRectF &cell) {
        const QPointF centre = cell.center();
        return QRectF(centre.x() - hitSide / 2, centre.y() - hitSide / 2, hitSide, hitSide).contains(point);
    };
    if (switchRect(row).adjusted(-4, -6, 4, 6).contains(point))
        return Part::toggle;
    if (hovering && hits(trashRect(row)))
        return Part::remove;
    if (hovering && hits(pencilRect(row)))
        return Part::edit;
    return Part::none;
}

QSize PlannedBreakDelegate::sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const
{
    return QSize(200, rowHeight());
}

void PlannedBreakDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                 const QModelIndex &index) const
{
    const auto planned = index.data(PlannedBreakListModel::BreakRole).value<PlannedBreak>();
    const ColorScheme scheme = SettingsPalette::schemeOf(option.widget);
    const QRect row = option.rect;
    const QRectF content = contentOf(row);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    if (index.row() > 0) {
        painter->fillRect(QRectF(row.left() + horizontalPadding, row.top(), row.width() - 2 * horizontalPadding,
                                 divider),
                          NamedColors::withOpacity(NamedColors::color(NamedColor::separator, scheme), 0.5));
    }
    const QColor blue = NamedColors::color(NamedColor::blue, scheme);
    const QRectF icon(content.left(), content.center().y() - iconSide / 2, iconSide, iconSide);
    QPainterPath tile;
    tile.addRoundedRect(icon, 6, 6);
    painter->fillPath(tile, NamedColors::withOpacity(blue, 0.1));
    // A name with no design draws nothing; the tile stays.
    SymbolGlyphs::paint(*painter, planned.emoji, icon.center(), iconSymbol, QFont::Normal, blue);

    const bool outside = index.data(PlannedBreakListModel::OutsideWorkingHoursRole).toBool();
    paintTrailing(painter, row, planned, outside, scheme);
    const qreal textRight = (outside ? warningRect(row).left() : pencilRect(row).left()) - spacing;
    paintTexts(painter, content.adjusted(iconSide + spacing, 0, 0, 0), textRight, index, scheme);
    if ((option.state & QStyle::State_HasFocus) && option.widget && option.widget->hasFocus()) {
        painter->setPen(QPen(SettingsPalette::focusRing(scheme), 2));
        painter->setBrush(Qt::NoBrush);
        painter->drawRoundedRect(QRectF(row).adjusted(4, divider + 3, -4, -3), 8, 8);
    }
    painter->restore();
}

void PlannedBreakDelegate::paintTrailing(QPainter *painter, const QRect &row, const PlannedBreak &planned,
                                         bool outside, ColorScheme scheme) const
{
    if (outside) {
        SymbolGlyphs::paint(*painter, QStringLiteral("exclamationmark.triangle.fill"), warningRect(row).center(),
                            buttonSymbol, QFont::Normal, NamedColors::color(NamedColor::orange, scheme));
    }
    // The buttons keep their places while they fade, so nothing beside them moves.
    const qreal hover = m_hoverProgress(planned.id);
    if (hover > 0) {
        painter->setOpacity(hover);
        SymbolGlyphs::paint(*painter, QStringLiteral("pencil"), pencilRect(row).center(), buttonSymbol,
                            QFont::Normal, NamedColors::color(NamedColor::secondaryLabel, scheme));
        SymbolGlyphs::paint(*painter, QStringLiteral("trash"), trashRect(row).center(), buttonSymbol,
                            QFont::Normal, NamedColors::withOpacity(NamedColors::color(NamedColor::red, scheme), 0.6));
        painter->setOpacity(1);
    }
    paintSwitch(painter, switchRect(row), planned.enabled, scheme == ColorScheme::dark);
}

void PlannedBreakDelegate::paintTexts(QPainter *painter, const QRectF &content, qreal textRight,
                                      const QModelIndex &index, ColorScheme scheme) const
{
    const auto planned = index.data(PlannedBreakListModel::BreakRole).value<PlannedBreak>();
    const QFont name = nameFont();
    const QFont time = SettingsFont::font(timeSize);
    const QFont summary = SettingsFont::font(summarySize);
    const QFontMetricsF nameMetrics(name);
    const QFontMetricsF summaryMetrics(summary);
    const qreal top = content.center().y() - (nameMetrics.height() + lineGap + summaryMetrics.height()) / 2;
    const qreal width = std::max<qreal>(0, textRight - content.left());
    const QString timeText = planned.formattedTime();
    const qreal timeWidth = QFontMetricsF(time).horizontalAdvance(timeText) + 1;
    const QString shownName =
        nameMetrics.elidedText(oneLine(planned.name), Qt::ElideRight, std::max<qreal>(0, width - timeWidth - 6));
    const qreal nameWidth = nameMetrics.horizontalAdvance(shownName);
    const QRectF firstLine(content.left(), top, width, nameMetrics.height());
    painter->setFont(name);
    painter->setPen(NamedColors::color(NamedColor::label, scheme));
    painter->drawText(firstLine, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shownName);
    painter->setFont(time);
    painter->setPen(NamedColors::textColor(NamedColor::blue, scheme));
    painter->drawText(firstLine.adjusted(nameWidth + 6, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, timeText);
    painter->setFont(summary);
    painter->setPen(NamedColors::color(NamedColor::secondaryLabel, scheme));
    const QString summaryText = index.data(PlannedBreakListModel::SummaryRole).toString();
    painter->drawText(QRectF(content.left(), firstLine.bottom() + lineGap, width, summaryMetrics.height()),
                      Qt::AlignLeft | Qt::AlignVCenter,
                      summaryMetrics.elidedText(summaryText, Qt::ElideRight, width));
}

void PlannedBreakDelegate::paintSwitch(QPainter *painter, const QRectF &track, bool on, bool dark)
{
    // The look of the window's mini switch, at rest.
    const qreal radius = track.height() / 2;
    painter->setPen(Qt::NoPen);
    painter->setBrush(on ? QColor(0, 122, 255) : dark ? QColor(255, 255, 255, 40) : QColor(0, 0, 0, 26));
    painter->drawRoundedRect(track, radius, radius);
    const qreal inset = 2;
    const qreal knob = track.height() - 2 * inset;
    const QRectF knobRect(on ? track.right() - inset - knob : track.left() + inset, track.top() + inset, knob, knob);
    painter->setBrush(QColor(0, 0, 0, dark ? 60 : 36));
    painter->drawEllipse(knobRect.translated(0, 0.6).adjusted(-0.4, -0.4, 0.4, 0.4));
    painter->setBrush(Qt::white);
    painter->drawEllipse(knobRect);
}

bool PlannedBreakDelegate::helpEvent(QHelpEvent *event, QAbstractItemView *view,
                                     const QStyleOptionViewItem &option, const QModelIndex &index)
{
    if (event->type() != QEvent::ToolTip)
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    const bool outside = index.isValid() && index.data(PlannedBreakListModel::OutsideWorkingHoursRole).toBool();
    if (outside && warningRect(option.rect).adjusted(-4, -4, 4, 4).contains(event->pos())) {
        QToolTip::showText(event->globalPos(), warningHelp, view->viewport(),
                           warningRect(option.rect).toAlignedRect());
        return true;
    }
    QToolTip::hideText();
    return true;
}
