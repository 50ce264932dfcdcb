#pragma once

#include <QWidget>

class BreakScheduler;
class PausedBadge;

// The "BREAKS" header over the sidebar's break sections. While the break timer is paused
// by hand it carries the "Paused" badge; pauses for office hours, calls, media, idle time or
// sleep show none. The badge follows the timer's pause reasons as they change.
class SidebarBreaksHeader : public QWidget
{
    Q_OBJECT

public:
    SidebarBreaksHeader(BreakScheduler &scheduler, QWidget *parent = nullptr);

    bool showsBadge() const;

private:
    void updateBadge();

    BreakScheduler &m_scheduler;
    PausedBadge *m_badge;
};
