#pragma once

#include <QString>

#include <optional>

// The break timer's way onto the screen, and what a planned break tells the break overlay
// about itself. Main thread only.
class BreakWindowManager
{
public:
    // Puts up the panels of a break through the published window manager and announces them.
    // False while there is no window manager, a break is already showing, or no panel could
    // be put up.
    static bool presentBreak(bool isLong);

    // A planned break's name and length, written by the break timer just before it presents
    // any break: set for a planned one, nothing for a routine or manual one. The length is
    // set only together with a name.
    static std::optional<QString> scheduledBreakName();
    static void setScheduledBreakName(std::optional<QString> name);
    static std::optional<qint64> scheduledBreakDurationSeconds();
    static void setScheduledBreakDurationSeconds(std::optional<qint64> seconds);

    // The name, leaving nothing behind: the live overlay built for the break shows it, and
    // an overlay built after it (another screen, the next break) must not. The length stays
    // until the break's panels have closed, since it still describes the break on screen.
    static std::optional<QString> takeScheduledBreakName();
};
