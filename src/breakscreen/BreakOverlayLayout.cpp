#include "breakscreen/BreakOverlayLayout.h"

#include <algorithm>
#include <cmath>

namespace {

QRect centred(int centreX, qreal top, const QSize &size)
{
    return QRect(centreX - size.width() / 2, int(std::lround(top)), size.width(), size.height());
}

// An absent part (an invalid size) takes no room.
int heightOf(const QSize &size)
{
    return std::max(0, size.height());
}

qreal mix(qreal from, qreal to, qreal amount)
{
    return from + (to - from) * amount;
}

} // namespace

int BreakOverlayLayout::messageWrapWidth(int panelWidth)
{
    const int column = std::min(maxColumnWidth, panelWidth - 2 * columnPadding);
    return std::max(1, std::min(messageMaxWidth, column - 2 * messagePaddingX));
}

// The room left when every part that may come in has come in, so the message never has to
// move over for them.
QSize BreakOverlayLayout::messageRoom(const QRect &panel, const Parts &parts)
{
    const int column = std::max(0, panel.height() - 2 * columnPadding);
    const int clock = parts.clock.isValid() ? heightOf(parts.clock) + clockGap : 0;
    const int status = std::max(heightOf(parts.countdown), heightOf(parts.completePanel));
    const int hint = parts.hint.isEmpty() ? 0 : hintGap + heightOf(parts.hint);
    const int actions = actionRowGap + parts.actionRowHeight + hint;
    return QSize(messageWrapWidth(panel.width()),
                 std::max(0, column - messageGap - clock - status - actions));
}

BreakOverlayLayout::Placement BreakOverlayLayout::place(const QRect &panel, const Parts &parts)
{
    Placement placement;
    const int columnWidth = std::max(0, std::min(maxColumnWidth, panel.width() - 2 * columnPadding));
    const int centreX = panel.left() + panel.width() / 2;
    placement.column = QRect(centreX - columnWidth / 2, panel.top() + columnPadding, columnWidth,
                             std::max(0, panel.height() - 2 * columnPadding));

    const qreal clockHeight = (heightOf(parts.clock) + clockGap) * parts.clockShown;
    const qreal statusHeight = mix(heightOf(parts.countdown), heightOf(parts.completePanel),
                                   parts.completeShown);
    const qreal hintHeight = parts.hint.isEmpty() ? 0 : hintGap + heightOf(parts.hint);
    const qreal actionsHeight =
        (actionRowGap + parts.actionRowHeight + hintHeight) * parts.actionsShown;
    const qreal total =
        heightOf(parts.message) + messageGap + clockHeight + statusHeight + actionsHeight;

    // Whole pixels from the top, so settled parts sit exactly their gaps apart.
    qreal y = std::floor(placement.column.top() + (placement.column.height() - total) / 2);
    const qreal drift = -messageDrift * (1 - parts.messageShown);
    placement.message = centred(centreX, y + drift, parts.message);
    y += heightOf(parts.message) + messageGap;
    placement.clock = centred(centreX, y, parts.clock);
    y += clockHeight;
    placement.countdown = centred(centreX, y, parts.countdown);
    placement.completePanel = centred(centreX, y, parts.completePanel);
    y += statusHeight;
    placement.actionRow = QRect(placement.column.left(), int(std::lround(y + actionRowGap)),
                                columnWidth, parts.actionRowHeight);
    placement.hint = centred(centreX, placement.actionRow.bottom() + 1 + hintGap, parts.hint);
    return placement;
}
