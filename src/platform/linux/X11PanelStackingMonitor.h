#pragma once

#include "breakscreen/PanelStackingMonitor.h"

#include <QByteArray>
#include <QPointer>
#include <QSet>
#include <QString>

#include <xcb/xproto.h>

#include <memory>

class QSocketNotifier;
class XcbConnection;

// Watches the stacking of the root window's children on an X server, over a connection of
// its own: while panels are watched it selects SubstructureNotify on the root, so every
// top-level window mapped, moved in the stack or circulated to the top is reported, and
// looks whether that window now lies above the lowest panel, mapped and drawn. Between
// breaks the root's events are deselected, and the process does not wake for them.
//
// Windows made by this process (the panels' own popups, the floating notice) are told apart
// by their ids: the server hands each client one block of ids, and the panels' ids show
// which block is the toolkit's.
class X11PanelStackingMonitor : public PanelStackingMonitor
{
    Q_OBJECT

public:
    // Null, with the reason in failure, when the display does not open.
    static std::unique_ptr<X11PanelStackingMonitor> open(const QByteArray &displayName,
                                                         QString *failure = nullptr);
    ~X11PanelStackingMonitor() override;

    void watch(const QList<WId> &panels) override;

private:
    explicit X11PanelStackingMonitor(std::unique_ptr<XcbConnection> connection);

    void selectRootEvents(bool select);
    void readEvents();
    QSet<xcb_window_t> takeRestackedWindows();
    QList<xcb_window_t> windowsOverPanels(const QSet<xcb_window_t> &restacked) const;
    bool isOwn(xcb_window_t window) const;
    void noticeLostConnection();

    std::unique_ptr<XcbConnection> m_connection;
    QPointer<QSocketNotifier> m_notifier;
    QList<xcb_window_t> m_panels;
    uint32_t m_idMask = 0;
    bool m_selected = false;
    bool m_lost = false;
};
