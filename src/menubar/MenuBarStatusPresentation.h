#pragma once

#include "menubar/MenuBarStatusContext.h"
#include "menubar/MenuBarStatusKind.h"

#include <QDateTime>
#include <QLocale>
#include <QString>

// Everything the tray item, its tool tip and the menu's header say about the break timer,
// decided in one place from a snapshot of the state, so that the three never disagree.
struct MenuBarStatusPresentation
{
    MenuBarStatusKind kind = MenuBarStatusKind::setup;
    // The short text drawn into the tray icon; empty for none.
    QString statusTitle;
    QString headerTitle;
    QString headerSubtitle;
    QString toolTip;
    // The symbol the icon and the header draw when there is no title.
    QString symbolName;
    bool dimsIcon = false;

    bool operator==(const MenuBarStatusPresentation &other) const = default;

    // Reads nothing but its arguments: the same snapshot, time and locale always give the
    // same presentation. Days are compared in the time zone of `now`; day names and times of
    // day are written in the locale's words.
    static MenuBarStatusPresentation make(const MenuBarStatusContext &context, const QDateTime &now,
                                          const QLocale &locale = QLocale());
};

// "<1m" under a minute, else the minutes started: 60 gives "1m", 61 gives "2m".
QString formatRoundedTimeRemaining(qint64 seconds);
// "Resumes today at 9:00 AM", "Resumes tomorrow at …", else the weekday's name.
QString formatOfficeHoursResume(const QDateTime &start, const QDateTime &now,
                                const QLocale &locale = QLocale());
