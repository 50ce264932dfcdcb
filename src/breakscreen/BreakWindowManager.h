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
    // one; nothing for any other break.
    static std::optional<QString> scheduledBreakName();
    static void setScheduledBreakName(std::optional<QString> name);
    static std::optional<qint64> scheduledBreakDurationSeconds();
    static void setScheduledBreakDurationSeconds(std::optional<qint64> seconds);
};
