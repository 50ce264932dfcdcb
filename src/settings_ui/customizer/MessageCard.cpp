#include "settings_ui/customizer/MessageCard.h"

#include "settings_ui/components/NamedColors.h"
#include "settings_ui/components/SettingsFont.h"
#include "settings_ui/components/SettingsPalette.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

// Room between the text and the card's sides; while the focus ring shows, room for it too:
// a text as wide as the card then gives way (ellipsis) rather than run under the ring.
constexpr qreal textInset = 2;
constexpr qreal focusedTextInset = 5;
constexpr int narrowest = 10;

QFont cardFont(bool selected)
{
    return SettingsFont::font(MessageCard::textSize, selected ? QFont::DemiBold : QFont::Medium);
}

} // namespace

MessageCard::MessageCard(const QString &title, QWidget *parent)
    : TileButton(Role::radioButton, parent)
{
    setText(title);
    setAccessibleName(title);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize MessageCard::sizeHint() const
{
    const QFontMetricsF metrics(cardFont(true));
    return {int(std::ceil(metrics.horizontalAdvance(text()) + 2 * textInset)),
            int(std::ceil(metrics.height())) + 2 * verticalPadding};
}

QSize MessageCard::minimumSizeHint() const
{
    return {narrowest, sizeHint().height()};
}

void MessageCard::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const ColorScheme scheme = SettingsPalette::schemeOf(this);
    const QColor primary = NamedColors::color(NamedColor::label, scheme);
    const qreal selection = selectionProgress();
    QPainterPath shape;
    shape.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), cornerRadius, cornerRadius);
    const QColor fill = NamedColors::blend(NamedColors::withOpacity(primary, 0.04), NamedColors::accentFill(scheme),
                                           selection);
    painter.fillPath(shape, fill);
    painter.strokePath(shape, QPen(NamedColors::withOpacity(primary, 0.05 * (1 - selection)), 1));

    const QFont font = cardFont(selection > 0.5);
    const qreal inset = showsFocusRing() ? focusedTextInset : textInset;
    const QRectF textRect = QRectF(rect()).adjusted(inset, 0, -inset, 0);
    painter.setFont(font);
    painter.setPen(NamedColors::blend(NamedColors::color(NamedColor::secondaryLabel, scheme),
                                      Qt::white, selection));
    const QString shown = QFontMetricsF(font).elidedText(text(), Qt::ElideRight, textRect.width());
    painter.drawText(textRect, Qt::AlignCenter | Qt::TextSingleLine, shown);
    paintFocusRing(painter, shape, fill);
}
