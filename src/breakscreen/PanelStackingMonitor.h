#pragma once

#include <QList>
#include <QObject>
#include <QtGui/qwindowdefs.h>

// Tells when another top-level window comes to lie over the break panels: one mapped above
// them (a notification bubble, a panel's popup) or raised over them. Windows of this process
// never count; its own popups belong over the panels. The window system's monitor is
// installed by the application; this base class watches nothing and never tells, which is
// what answers where the window system cannot be watched.
class PanelStackingMonitor : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Watches while `panels` (native window ids) is not empty, replacing what was watched
    // before; an empty list stops watching, so that nothing wakes the process between breaks.
    virtual void watch(const QList<WId> &panels) { Q_UNUSED(panels); }

signals:
    // `window` is the native id of the window now over a panel.
    void panelsCovered(quint64 window);
};
