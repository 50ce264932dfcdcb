#pragma once

#include "breakscreen/BreakTextStyle.h"

#include <QSize>
#include <QString>

// Fits the break's message into the room the column leaves it once the countdown, the clock,
// the row of controls and the hint have theirs, so that a long message never pushes those off
// the screen. A message that fits at its designed size keeps it. One that does not is set
// smaller, down to half that size, wrapping at the room's width; and if it still does not fit
// there, it is cut after the last line that does, ending in "…". A character as the reader
// sees it (an accent, an emoji sequence) is never split.
//
// Keeps the last answer: the overlay lays itself out on every frame of its fades.
class BreakMessageFit
{
public:
    struct Fitted
    {
        BreakTextStyle style;
        QString text;
        bool operator==(const Fitted &other) const = default;
    };

    // The smallest the message is set, as a share of its designed size.
    static constexpr qreal smallestScale = 0.5;

    // `designed` wraps at the room's width whatever its own.
    const Fitted &fit(const QString &message, const BreakTextStyle &designed, QSize room);

private:
    static Fitted compute(const QString &message, const BreakTextStyle &designed, QSize room);
    static BreakTextStyle scaled(const BreakTextStyle &designed, int pixelSize);
    static QString cutToFit(const QString &message, const BreakTextStyle &style, int height);

    QString m_message;
    BreakTextStyle m_designed;
    QSize m_room;
    Fitted m_fitted;
    bool m_valid = false;
};
